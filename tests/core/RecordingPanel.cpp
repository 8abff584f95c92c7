// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordingPanel.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

void Converter::press(std::string_view token)
{
    if (const auto key = keyByName(token)) {
        if (panel.enabled[keyIndex(*key)])
            dialog.press(*key);
        return;
    }
    const auto colon = token.find(':');
    unsigned code = 0;
    if (colon != std::string_view::npos)
        std::from_chars(token.data() + colon + 1, token.data() + token.size(), code);
    if (token.starts_with("char:"))
        dialog.keyboardFilter({KeyboardMessage::Kind::character, code});
    else if (token.starts_with("vkey:"))
        dialog.keyboardFilter({KeyboardMessage::Kind::keyPress, code});
    else
        throw std::invalid_argument("unknown token " + std::string(token));
}

std::vector<std::string> Converter::run(std::string_view tokens)
{
    std::vector<std::string> displays;
    std::istringstream in{std::string(tokens)};
    for (std::string token; in >> token;) {
        press(token);
        displays.push_back(panel.display);
    }
    return displays;
}
