// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one reader of UTF-8 text, strict as the Unicode standard has it: no
// overlong forms, no surrogates, nothing above U+10FFFF, no stray
// continuation bytes. A bad sequence (the longest start of one that could
// still have become valid, or else a single byte) reads as one U+FFFD, so
// what is shown, what is counted and what is parsed all agree.
namespace utf8 {

inline constexpr char32_t replacement = U'\uFFFD';

struct Character {
    char32_t code;      // U+FFFD for a bad sequence
    std::size_t length; // the bytes it takes, at least one
};

// The character at the start of a text that is not empty.
Character firstCharacter(std::string_view text);
// How many characters a text holds.
int characterCount(std::string_view text);
// Where the character at `index` begins; the text's size past its end.
std::size_t characterOffset(std::string_view text, int index);
// The text with each bad sequence replaced by U+FFFD.
std::string withReplacements(std::string_view bytes);

} // namespace utf8
