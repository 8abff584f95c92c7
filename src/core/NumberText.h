// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Translatable.h"

#include <string>
#include <string_view>

// Number texts of the display. All of them are made and read the same way
// in every locale.

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The significant digits of every number text of the display.
inline constexpr int displayPrecision = 16;

// The text of a value with `precision` significant digits (correctly
// rounded, ties to even): fixed form such as "123.25" or "1." for decimal
// exponents -1 to precision-1, otherwise exponent form such as "5.e-002".
std::string formatNumber(double value, int precision = displayPrecision);

// The display form of a computed value: formatNumber's text with a negative
// exponent written out as a plain decimal, a positive exponent's mantissa
// shortened, and the whole cut to at most 17 characters.
std::string formatForDisplay(double value);

// The value at the start of a text, read as the C library's atof reads it:
// leading blanks, a sign, digits with an optional point, an optional
// exponent; the rest is ignored, and a text without a number gives 0.
// Decimal only: no hexadecimal, no "inf" or "nan".
double leadingNumber(std::string_view text);

// The display texts of values that are not finite. They read back as 0. The
// window shows them translated under the context "Messages".
inline constexpr std::string_view overflowText = translatable("Messages", "オーバーフロー");
inline constexpr std::string_view negativeOverflowText =
    translatable("Messages", "-オーバーフロー");
inline constexpr std::string_view errorText = translatable("Messages", "エラー");
