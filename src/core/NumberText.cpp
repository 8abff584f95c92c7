// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
// The blanks that atof skips (isspace in the C locale).
constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The significant digits and the decimal exponent of |value|, rounded to
// `precision` digits: |value| = d1.d2d3... x 10^exponent.
struct Decimal {
    std::string digits;
    int exponent;
};

Decimal toDecimal(double magnitude, int precision)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                      std::chars_format::scientific, precision - 1);
    const std::string_view written(text, static_cast<std::size_t>(result.ptr - text));
    const auto e = written.find('e');
    Decimal decimal{std::string(1, written[0]), 0};
    if (e > 1)
        decimal.digits += written.substr(2, e - 2); // skip the point
    const char* exponentStart = written.data() + e + 1;
    if (*exponentStart == '+')
        ++exponentStart;
    std::from_chars(exponentStart, written.data() + written.size(), decimal.exponent);
    return decimal;
}

std::string_view withoutTrailingZeros(std::string_view digits)
{
    const auto last = digits.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view{} : digits.substr(0, last + 1);
}

// The decimal order of magnitude of a number text that from_chars found out
// of range: positive for an overflow, otherwise an underflow.
long long orderOfMagnitude(std::string_view number)
{
    std::size_t i = 0;
    long long order = 0;
    bool significant = false;
    for (; i < number.size() && isDigit(number[i]); ++i) {
        significant = significant || number[i] != '0';
        if (significant)
            ++order;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && isDigit(number[i]); ++i) {
            if (significant)
                continue;
            if (number[i] != '0')
                significant = true;
            else
                --order;
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+'))
            ++i;
        long long exponent = 0;
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        order += negative ? -exponent : exponent;
    }
    return order;
}

} // namespace

std::string formatNumber(double value, int precision)
{
    if (std::isnan(value))
        return std::string(errorText);
    if (std::isinf(value))
        return std::string(value > 0 ? overflowText : negativeOverflowText);

    std::string text = std::signbit(value) ? "-" : "";
    if (value == 0)
        return text + "0.";

    const Decimal decimal = toDecimal(std::fabs(value), precision);
    const std::string_view digits = decimal.digits;
    const int exponent = decimal.exponent;

    if (exponent < -1 || exponent > precision - 1) {
        text += digits.front();
        text += '.';
        text += withoutTrailingZeros(digits.substr(1));
        text += exponent < 0 ? "e-" : "e+";
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

    const bool negative = text.front() == '-';
    if (const auto e = text.find("e-"); e != std::string::npos) {
        int zeros = 0;
        std::from_chars(text.data() + e + 2, text.data() + text.size(), zeros);
        std::string mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
        std::erase(mantissa, '.');
        std::string plain = negative ? "-0." : "0.";
        plain.append(static_cast<std::size_t>(zeros - 1), '0');
        plain += mantissa;
        plain.resize(std::min<std::size_t>(plain.size(), 16));
        text = std::move(plain);
    } else if (const auto exponent = text.find("e+"); exponent != std::string::npos) {
        text = text.substr(0, std::min<std::size_t>(exponent, 12)) + text.substr(exponent);
    } else if (text.find('.') == std::string::npos) {
        text += '.';
    }
    if (text.size() > 17)
        text.resize(17);
    return text;
}

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view number = text.substr(i);
    const bool startsWithNumber =
        !number.empty() &&
        (isDigit(number[0]) || (number[0] == '.' && number.size() > 1 && isDigit(number[1])));
    if (!startsWithNumber)
        return 0.0;

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const auto matched = static_cast<std::size_t>(result.ptr - number.data());
        value = orderOfMagnitude(number.substr(0, matched)) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}
