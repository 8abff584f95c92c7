// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Utf8.h"

namespace utf8 {

Character firstCharacter(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    if (lead < 0xC2 || lead > 0xF4)
        return {replacement, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    // The second byte's range rules out the overlong forms (E0, F0), the
    // surrogates (ED) and what lies above U+10FFFF (F4).
    unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (i == text.size() || byte(i) < low || byte(i) > high)
            return {replacement, i};
        code = (code << 6) | (byte(i) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {code, length};
}

int characterCount(std::string_view text)
{
    int count = 0;
    for (; !text.empty(); text.remove_prefix(firstCharacter(text).length))
        ++count;
    return count;
}

std::size_t characterOffset(std::string_view text, int index)
{
    std::size_t offset = 0;
    for (int i = 0; i < index && offset < text.size(); ++i)
        offset += firstCharacter(text.substr(offset)).length;
    return offset;
}

std::string withReplacements(std::string_view bytes)
{
    std::string text;
    for (; !bytes.empty(); bytes.remove_prefix(firstCharacter(bytes).length)) {
        const Character character = firstCharacter(bytes);
        if (character.code == replacement)
            text += "\uFFFD";
        else
            text += bytes.substr(0, character.length);
    }
    return text;
}

} // namespace utf8
