// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// "rate.dat" in the working directory: the exchange rate as five
// characters, with nothing after them.
inline constexpr const char* rateFileName = "rate.dat";
inline constexpr std::size_t rateLength = 5;

// The rate box's text for the bytes read from the file: invalid UTF-8 shows
// as replacement characters.
std::string rateBoxTextOf(std::string_view fileText);
