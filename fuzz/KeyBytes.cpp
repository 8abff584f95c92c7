// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyBytes.h"

#include <algorithm>
#include <array>

namespace {

constexpr int clickBytes = 4 * keyCount; // clicks are the most common input
constexpr std::array<char32_t, 32> characters{
    U'\b', U'\r', U' ', U'$', U'\'', U'*',  U'+',      U'-', U'.', U'/', U'0',
    U'1',  U'2',  U'3', U'4', U'5',  U'6',  U'7',      U'8', U'9', U'=', U'C',
    U'c',  U'F',  U'f', U'R', U'r',  U'\\', U'\u00A5', U'A', U',', 0};
constexpr std::array<char32_t, 6> keyCodes{enterKeyCode, rightKeyCode, deleteKeyCode, 37, 27, 112};
constexpr int characterBytes = 2 * static_cast<int>(characters.size());
constexpr int pasteBytes = 6;
constexpr int firstPasteByte = 256 - pasteBytes;
constexpr std::size_t longestPaste = 32;

template <std::size_t n>
std::optional<std::string> byteOf(const std::array<char32_t, n>& codes, char32_t code, int base)
{
    const auto found = std::find(codes.begin(), codes.end(), code);
    if (found == codes.end())
        return std::nullopt;
    return std::string(1, static_cast<char>(base + (found - codes.begin())));
}

} // namespace

KeyInput takeInput(std::span<const std::uint8_t>& bytes)
{
    const int byte = bytes.front();
    bytes = bytes.subspan(1);
    if (byte < clickBytes)
        return Click{keyAt(byte % keyCount)};
    if (byte < clickBytes + characterBytes)
        return KeyboardMessage{KeyboardMessage::Kind::character,
                               characters[(byte - clickBytes) % characters.size()]};
    if (byte < firstPasteByte)
        return KeyboardMessage{KeyboardMessage::Kind::keyPress,
                               keyCodes[(byte - clickBytes - characterBytes) % keyCodes.size()]};
    std::size_t length = 0;
    if (!bytes.empty()) {
        length = std::min<std::size_t>(bytes.front() % (longestPaste + 1), bytes.size() - 1);
        bytes = bytes.subspan(1);
    }
    Paste paste{std::string(reinterpret_cast<const char*>(bytes.data()), length)};
    bytes = bytes.subspan(length);
    return paste;
}

std::optional<std::string> bytesOfToken(std::string_view token)
{
    const auto input = parseToken(token);
    if (!input)
        return std::nullopt;
    if (const auto* click = std::get_if<Click>(&*input))
        return std::string(1, static_cast<char>(keyIndex(click->key)));
    if (const auto* paste = std::get_if<Paste>(&*input)) {
        const std::string text = paste->text.substr(0, longestPaste);
        return std::string{static_cast<char>(firstPasteByte), static_cast<char>(text.size())} +
               text;
    }
    const auto& message = std::get<KeyboardMessage>(*input);
    if (message.kind == KeyboardMessage::Kind::character)
        return byteOf(characters, message.code, clickBytes);
    return byteOf(keyCodes, message.code, clickBytes + characterBytes);
}
