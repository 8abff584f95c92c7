// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quibra-replay: drives the converter from key tokens and prints what the
// panel shows after each of them.

#include "QuibraDlg.h"
#include "TextPanel.h"

#include <charconv>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

struct Click {
    KeyId key;
};
using Action = std::variant<Click, KeyboardMessage>;

std::optional<char32_t> decimalCode(std::string_view text, char32_t limit)
{
    unsigned long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size() ||
        value > limit)
        return std::nullopt;
    return static_cast<char32_t>(value);
}

std::optional<Action> parseToken(std::string_view token)
{
    if (const auto key = keyByName(token))
        return Click{*key};
    const auto keyboard = [&token](std::string_view prefix, KeyboardMessage::Kind kind,
                                   char32_t limit) -> std::optional<Action> {
        if (!token.starts_with(prefix))
            return std::nullopt;
        if (const auto code = decimalCode(token.substr(prefix.size()), limit))
            return KeyboardMessage{kind, *code};
        return std::nullopt;
    };
    if (auto character = keyboard("char:", KeyboardMessage::Kind::character, 0x10FFFF))
        return character;
    return keyboard("vkey:", KeyboardMessage::Kind::keyPress, 0xFFFF);
}

// Tokens of a script: white space separates them, '#' comments to the end
// of its line.
std::vector<std::string> scriptTokens(std::istream& in)
{
    std::vector<std::string> tokens;
    std::string token;
    bool comment = false;
    for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>();
         ++it) {
        const char c = *it;
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

} // namespace

int main(int argc, char* argv[])
{
    // Run under the user's locale, as the desktop program does: no number
    // may depend on it.
    std::setlocale(LC_ALL, "");

    std::vector<std::string> tokens;
    if (argc > 1)
        tokens.assign(argv + 1, argv + argc);
    else
        tokens = scriptTokens(std::cin);

    std::vector<Action> actions;
    actions.reserve(tokens.size());
    for (const auto& token : tokens) {
        auto action = parseToken(token);
        if (!action) {
            std::fprintf(stderr, "quibra-replay: unknown token: %s\n", token.c_str());
            return 2;
        }
        actions.push_back(*action);
    }

    TextPanel panel;
    CQuibraDlg dialog(panel);
    dialog.initDialog();
    std::string out = panel.takeRecord("start");
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (const auto* click = std::get_if<Click>(&actions[i])) {
            if (panel.isEnabled(click->key))
                dialog.press(click->key);
        } else {
            dialog.keyboardFilter(std::get<KeyboardMessage>(actions[i]));
        }
        out += panel.takeRecord(tokens[i]);
        if (out.size() > 1 << 16) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
