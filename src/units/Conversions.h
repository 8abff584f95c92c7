// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Keys.h"

#include <array>

// The tens digit of a unit code names its quantity.
enum class Quantity { none = 0, length = 1, mass = 2, volume = 3, money = 4, temperature = 5 };

// The codes of the twenty unit and currency keys, in key order: mm 11 ...
// mile 18, g 21 ... lb 24, ml 31 ... gal 34, yen 41, dollar 42, degrees
// Celsius 51, Fahrenheit 52.
// clang-format off
inline constexpr std::array<int, unitKeyCount> unitCodes{51, 52, 11, 12, 13, 14, 15, 16, 17, 18,
                                                         21, 22, 23, 24, 31, 32, 33, 34, 41, 42};
// clang-format on

namespace unit {
inline constexpr int none = 0; // no unit has it
} // namespace unit

// The code of a unit or currency key; none for the others.
constexpr int unitCodeOf(KeyId key)
{
    return isUnitKey(key) ? unitCodes[static_cast<std::size_t>(unitKeyIndex(key))] : unit::none;
}

namespace unit {
inline constexpr int inch = unitCodeOf(KeyId::inchKey);
inline constexpr int feet = unitCodeOf(KeyId::ftKey);
inline constexpr int yen = unitCodeOf(KeyId::yenKey);
inline constexpr int celsius = unitCodeOf(KeyId::celsiusKey);
} // namespace unit
// The quantity of a code; none for 0, which no unit has.
Quantity quantityOf(int unitCode);
Quantity quantityOfKey(KeyId key);

// A completing press: `value` in the source unit converted to the target
// unit of the same quantity, by the program's stored factors (which are not
// always the exact ratios, and not reciprocal between the two directions).
// Money converts with `yenPerDollar`.
double convert(int sourceCode, int targetCode, double value, double yenPerDollar = 0);
