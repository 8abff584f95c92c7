// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyBytes.h"

#include <array>

namespace {

constexpr int clickBytes = 4 * keyCount; // clicks are the most common input
constexpr std::array<char32_t, 32> characters{8,  13, 32,  36, 39,  42, 43,  45, 46, 47, 48,
                                              49, 50, 51,  52, 53,  54, 55,  56, 57, 61, 67,
                                              99, 70, 102, 82, 114, 92, 165, 65, 44, 0};
constexpr std::array<char32_t, 6> keyCodes{13, 39, 46, 37, 27, 112};
constexpr int characterBytes = 2 * static_cast<int>(characters.size());

template <std::size_t n>
std::optional<std::uint8_t> indexOf(const std::array<char32_t, n>& codes, char32_t code, int base)
{
    for (std::size_t i = 0; i < n; ++i)
        if (codes[i] == code)
            return static_cast<std::uint8_t>(base + static_cast<int>(i));
    return std::nullopt;
}

} // namespace

KeyInput inputOfByte(std::uint8_t byte)
{
    if (byte < clickBytes)
        return Click{keyAt(byte % keyCount)};
    if (byte < clickBytes + characterBytes)
        return KeyboardMessage{KeyboardMessage::Kind::character,
                               characters[(byte - clickBytes) % characters.size()]};
    return KeyboardMessage{KeyboardMessage::Kind::keyPress,
                           keyCodes[(byte - clickBytes - characterBytes) % keyCodes.size()]};
}

std::optional<std::uint8_t> byteOfToken(std::string_view token)
{
    const auto input = parseToken(token);
    if (!input)
        return std::nullopt;
    if (const auto* click = std::get_if<Click>(&*input))
        return static_cast<std::uint8_t>(keyIndex(click->key));
    const auto& message = std::get<KeyboardMessage>(*input);
    if (message.kind == KeyboardMessage::Kind::character)
        return indexOf(characters, message.code, clickBytes);
    return indexOf(keyCodes, message.code, clickBytes + characterBytes);
}
