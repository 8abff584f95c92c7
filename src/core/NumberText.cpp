// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <system_error>

namespace {

// The significant digits and the decimal exponent of |value|, rounded to
// `precision` digits: |value| = d1.d2d3... x 10^exponent. Zero has the
// exponent 0.
struct Decimal {
    std::string digits;
    int exponent;
    char exponentSign; // '+' or '-', as the exponent form writes it
};

Decimal toDecimal(double magnitude, int precision)
{
    char text[64];
    const char* const begin = text;
    const char* end = std::to_chars(text, text + sizeof text, magnitude,
                                    std::chars_format::scientific, precision - 1)
                          .ptr;
    const char* e = std::find(begin, end, 'e');
    Decimal decimal{};
    decimal.digits.assign(begin, e);
    std::erase(decimal.digits, '.');
    decimal.exponentSign = e[1];
    // from_chars takes a minus sign but no plus sign.
    std::from_chars(e + 1 + (e[1] == '+'), end, decimal.exponent);
    return decimal;
}

std::string_view withoutTrailingZeros(std::string_view digits)
{
    const auto last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view{} : digits.substr(0, last + 1);
}

} // namespace

std::string formatNumber(double value, int precision)
{
    if (std::isnan(value))
        return std::string(errorText);
    if (std::isinf(value))
        return std::string(std::signbit(value) ? negativeOverflowText : overflowText);

    std::string text = std::signbit(value) ? "-" : "";
    const Decimal decimal = toDecimal(std::fabs(value), precision);
    const std::string_view digits = decimal.digits;
    const int exponent = decimal.exponent;

    if (exponent < -1 || exponent > precision - 1) {
        text += digits.front();
        text += '.';
        text += withoutTrailingZeros(digits.substr(1));
        text += 'e';
        text += decimal.exponentSign;
        char threeDigits[8];
        const auto result =
            std::to_chars(threeDigits, threeDigits + sizeof threeDigits, std::abs(exponent));
        text.append(static_cast<std::size_t>(3 - (result.ptr - threeDigits)), '0');
        text.append(threeDigits, result.ptr);
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent + 1);
    if (exponent < 0)
        text += '0';
    else
        text += digits.substr(0, integerDigits);
    if (exponent < precision - 1) {
        text += '.';
        text += withoutTrailingZeros(digits.substr(integerDigits));
    }
    return text;
}

std::string formatForDisplay(double value)
{
    std::string text = formatNumber(value);
    if (!std::isfinite(value))
        return text;

    if (text.find("e-") != std::string::npos) {
        // Written out in full: the point, one zero fewer than the exponent
        // says, then the significant digits; and cut.
        const Decimal decimal = toDecimal(std::fabs(value), displayPrecision);
        text = (std::signbit(value) ? "-0." : "0.") +
               std::string(static_cast<std::size_t>(-decimal.exponent - 1), '0') +
               std::string(withoutTrailingZeros(decimal.digits));
        text.resize(std::min<std::size_t>(text.size(), 16));
    } else if (const auto exponent = text.find("e+"); exponent != std::string::npos) {
        text = text.substr(0, std::min<std::size_t>(exponent, 12)) + text.substr(exponent);
    } else if (text.find('.') == std::string::npos) {
        text += '.';
    }
    text.resize(std::min<std::size_t>(text.size(), 17));
    return text;
}

double leadingNumber(std::string_view text)
{
    // The blanks that atof skips (isspace in the C locale).
    text.remove_prefix(std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size()));
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    // A digit must come first, or a point and a digit: from_chars would
    // also read "inf", "nan" and the like, which atof's decimal numbers are
    // not; and a text without digits, such as "-.", is 0 whatever its sign.
    const std::string_view digits = text.substr(text.starts_with('.') ? 1 : 0);
    if (digits.empty() || !isDigit(digits.front()))
        return 0.0;

    double value{};
    const auto result = std::from_chars(text.data(), std::to_address(text.end()), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the range by its exponent: the display's and the rate box's
        // texts are too short for digits alone to leave it. A negative
        // exponent underflows to zero, any other overflows.
        const std::string_view matched(text.data(),
                                       static_cast<std::size_t>(result.ptr - text.data()));
        value = matched.find("e-") == std::string_view::npos &&
                        matched.find("E-") == std::string_view::npos
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}
