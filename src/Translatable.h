// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// A text of the converter that the window shows in the user's language. The
// converter keeps and writes the Japanese text itself, so quibra-replay and
// what the converter reads back never change with the language; the window
// looks the text up under the context when it shows it. Qt's lupdate is told
// to take this for its QT_TRANSLATE_NOOP (tools/update-translations.sh).
constexpr std::string_view translatable(std::string_view /*context*/, std::string_view text)
{
    return text;
}
