// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// A number taken from pasted text, as the keys type it.
struct PastedNumber {
    std::string keys; // digits and at most one point
    bool negative;
};

// The one number a pasted text holds: blanks around it, a sign, digits
// (commas only between groups of three, as in 1,234.5) and optionally a
// point and digits. Full-width digits, point, comma and minus count as
// their ASCII forms. Nothing for anything else: 1,5 is not a number here,
// since many countries write one and a half so.
std::optional<PastedNumber> pastedNumber(std::string_view text);
