// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Keys.h"

// The tens digit of a unit code names its quantity.
enum class Quantity { none = 0, length = 1, mass = 2, volume = 3, money = 4, temperature = 5 };

namespace unit {
inline constexpr int none = 0;
inline constexpr int inch = 15;
inline constexpr int feet = 16;
} // namespace unit

// The code of a unit or currency key: mm 11 ... mile 18, g 21 ... lb 24,
// ml 31 ... gal 34, yen 41, dollar 42, degrees Celsius 51, Fahrenheit 52.
int unitCodeOf(KeyId key);
// The quantity of a code; none for 0, which no unit has.
Quantity quantityOf(int unitCode);
Quantity quantityOfKey(KeyId key);

// A completing press: `value` in the source unit converted to the target
// unit of the same quantity, by the program's stored factors (which are not
// always the exact ratios, and not reciprocal between the two directions).
// Money converts with `yenPerDollar`.
double convert(int sourceCode, int targetCode, double value, double yenPerDollar = 0);
