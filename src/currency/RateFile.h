// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

// "rate.dat" in the working directory: the exchange rate as five
// characters, with nothing after them.
inline constexpr const char* rateFileName = "rate.dat";
inline constexpr std::size_t rateLength = 5;
