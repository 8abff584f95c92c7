// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The UTF-8 reader at the edges of every range the standard draws: the
// traces see it only as far as a paste is a number or a rate box shows
// five bytes.

#include "core/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, EachBadSequenceReadsAsOneReplacement)
{
    const std::pair<std::string_view, std::u32string_view> cases[]{
        {"\x7F\xC2\x80\xDF\xBF", U"\x7F\x80\x7FF"},
        {"\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", U"\x800\xD7FF\xE000\xFFFF"},
        {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", U"\x10000\x10FFFF"},
        {"\x80\xC0\x80\xC1\xBF\xF5\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xE0\x9F\xBF\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xF0\x8F\xBF\xBF\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xE2\x82"
         "A\xF0\x9F\x98",
         U"\uFFFDA\uFFFD"},
    };
    for (const auto& [bytes, characters] : cases) {
        std::u32string read;
        for (std::string_view rest = bytes; !rest.empty();) {
            const utf8::Character character = utf8::firstCharacter(rest);
            read += character.code;
            rest.remove_prefix(character.length);
        }
        EXPECT_EQ(read, characters) << bytes;
        EXPECT_EQ(utf8::characterCount(bytes), static_cast<int>(characters.size())) << bytes;
    }
    EXPECT_EQ(utf8::withReplacements("\xE5\x86\x86\xC0\xB0"
                                     "A"),
              "円\uFFFD\uFFFDA");
}

} // namespace
