// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextPanel.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace {

std::string_view iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::information:
        return "information";
    case MessageIcon::exclamation:
        return "exclamation";
    case MessageIcon::stop:
        return "stop";
    }
    return "";
}

std::optional<char32_t> decimalCode(std::string_view text, char32_t limit)
{
    unsigned long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        value > limit)
        return std::nullopt;
    return static_cast<char32_t>(value);
}

// TEXT of paste:TEXT, its %XX escapes decoded; nothing when a % has no
// two hex digits after it.
std::optional<std::string> percentDecoded(std::string_view text)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        unsigned char byte = 0;
        const char* digits = text.data() + i + 1;
        const char* end = digits + std::min<std::size_t>(2, text.size() - i - 1);
        const auto result = std::from_chars(digits, end, byte, 16);
        if (result.ec != std::errc{} || result.ptr != digits + 2)
            return std::nullopt;
        bytes += static_cast<char>(byte);
        i += 2;
    }
    return bytes;
}

} // namespace

void TextPanel::writeDisplay(std::string_view text)
{
    display = text;
    if (recordEvents)
        events.push_back("display " + display);
}

void TextPanel::writeRateBox(std::string_view text)
{
    rateBox = text;
    if (recordEvents)
        events.push_back("rate " + rateBox);
}

void TextPanel::setKeyPushed(KeyId key, bool on)
{
    if (recordEvents)
        events.push_back((on ? "push " : "release ") + std::string(keySpec(key).name));
}

void TextPanel::pause(int milliseconds)
{
    if (recordEvents)
        events.push_back("pause " + std::to_string(milliseconds));
}

void TextPanel::showMessage(std::string_view text, MessageIcon icon)
{
    std::string line = "message\t" + std::string(iconName(icon)) + '\t';
    for (const char c : text)
        line += c == '\n' ? std::string_view("\\n") : std::string_view(&c, 1);
    if (recordEvents)
        events.push_back(line);
    messages.push_back(std::move(line));
}

std::string TextPanel::disabledUnitKeys() const
{
    std::string names;
    for (const KeyId key : unitKeys) {
        if (isEnabled(key))
            continue;
        names += names.empty() ? "" : ",";
        names += keySpec(key).name;
    }
    return names.empty() ? "-" : names;
}

std::string TextPanel::takeRecord(std::string_view label)
{
    std::string lines;
    for (; reported_ < messages.size(); ++reported_)
        lines += messages[reported_] + '\n';
    lines +=
        std::string(label) + '\t' + display + '\t' + rateBox + '\t' + disabledUnitKeys() + '\n';
    return lines;
}

std::optional<KeyInput> parseToken(std::string_view token)
{
    if (const auto key = keyByName(token))
        return Click{*key};
    const auto keyboard = [&token](std::string_view prefix, KeyboardMessage::Kind kind,
                                   char32_t limit) -> std::optional<KeyInput> {
        if (!token.starts_with(prefix))
            return std::nullopt;
        if (const auto code = decimalCode(token.substr(prefix.size()), limit))
            return KeyboardMessage{kind, *code};
        return std::nullopt;
    };
    if (auto character = keyboard("char:", KeyboardMessage::Kind::character, 0x10FFFF))
        return character;
    if (constexpr std::string_view paste = "paste:"; token.starts_with(paste)) {
        if (auto text = percentDecoded(token.substr(paste.size())))
            return Paste{std::move(*text)};
        return std::nullopt;
    }
    return keyboard("vkey:", KeyboardMessage::Kind::keyPress, 0xFFFF);
}

std::vector<std::string> scriptTokens(std::string_view script)
{
    std::vector<std::string> tokens;
    std::string token;
    bool comment = false;
    for (const char c : script) {
        if (c == '\n')
            comment = false;
        else if (c == '#')
            comment = true;
        const bool separator = comment || c == ' ' || (c >= '\t' && c <= '\r');
        if (!separator) {
            token += c;
        } else if (!token.empty()) {
            tokens.push_back(std::move(token));
            token.clear();
        }
    }
    if (!token.empty())
        tokens.push_back(std::move(token));
    return tokens;
}

void TextConverter::apply(const KeyInput& input)
{
    if (const auto* click = std::get_if<Click>(&input)) {
        if (panel.isEnabled(click->key))
            dialog.press(click->key);
    } else if (const auto* paste = std::get_if<Paste>(&input)) {
        dialog.paste(paste->text);
    } else {
        dialog.keyboardFilter(std::get<KeyboardMessage>(input));
    }
}

std::vector<KeyInput> parseTokens(const std::vector<std::string>& tokens)
{
    std::vector<KeyInput> inputs;
    inputs.reserve(tokens.size());
    for (const std::string& token : tokens) {
        const auto input = parseToken(token);
        if (!input)
            throw std::invalid_argument(token);
        inputs.push_back(*input);
    }
    return inputs;
}

void TextConverter::run(std::string_view script)
{
    for (const KeyInput& input : parseTokens(scriptTokens(script)))
        apply(input);
}
