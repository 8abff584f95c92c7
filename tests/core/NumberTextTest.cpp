// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ValueText {
    double value;
    const char* text;
};

TEST(FormatNumber, FixedAndExponentForms)
{
    const ValueText cases[] = {
        {0.0, "0."},
        {-0.0, "-0."},
        {1, "1."},
        {0.5, "0.5"},
        {123.25, "123.25"},
        {1.0 / 3, "0.3333333333333333"},
        {1234567890123456, "1234567890123456"},
        {-1234567890123456, "-1234567890123456"},
        {123456789012345, "123456789012345."},
        {0.1, "0.1"},
        {0.05, "5.e-002"},
        {0.000015, "1.5e-005"},
        {1e16, "1.e+016"},
        {12345678901234567890.0, "1.234567890123457e+019"},
        {-2.5e-300, "-2.5e-300"},
        {5e-324, "4.940656458412465e-324"},
        {1.7976931348623157e308, "1.797693134862316e+308"},
        {0.1 + 0.2, "0.3"},
        // Exactly half-way at the sixteenth digit rounds to even.
        {1000000000000000.5, "1000000000000000"},
        {1000000000000001.5, "1000000000000002"},
        {9999999999999999.0, "1.e+016"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatNumber(c.value), c.text);
    }
}

TEST(FormatNumber, ValuesThatAreNotFinite)
{
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity()), overflowText);
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity()), negativeOverflowText);
    EXPECT_EQ(formatNumber(std::nan("")), errorText);
    EXPECT_EQ(formatForDisplay(std::numeric_limits<double>::infinity()), overflowText);
    EXPECT_EQ(formatForDisplay(std::nan("")), errorText);
}

TEST(FormatForDisplay, ComputedValues)
{
    const ValueText cases[] = {
        {0, "0."},
        {1, "1."},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {0.099, "0.099"},
        {0.05, "0.05"},
        {-0.000015, "-0.000015"},
        {1e-14, "0.00000000000001"},
        {-1e-20, "-0.0000000000000"},
        {1e-300, "0.00000000000000"},
        {-1.23e-2, "-0.0123"},
        {9e-2, "0.09"},
        {1.0 / 3, "0.333333333333333"},
        {-2.0 / 3, "-0.66666666666666"},
        {123456789012345, "123456789012345."},
        {1234567890123456, "1234567890123456."},
        {-1234567890123456, "-1234567890123456"},
        {1e16, "1.e+016"},
        {6.02e23, "6.02e+023"},
        {12345678901234567890.0, "1.2345678901e+019"},
        {-12345678901234567890.0, "-1.234567890e+019"},
        {1.5e20, "1.5e+020"},
        {1e100, "1.e+100"},
        {-0.0, "-0."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatForDisplay(c.value), c.text);
        EXPECT_LE(std::string(c.text).size(), 17u);
    }
}

TEST(LeadingNumber, ReadsAsAtofDoes)
{
    const ValueText cases[] = {
        {0, ""},
        {0, " "},
        {12, "12."},
        {-123.45, "-123.45"},
        {12.5, "  \t+12.5xyz"},
        {0.5, ".5"},
        {0, "."},
        {0, "-."},
        {0, "-"},
        {0, "+-1"},
        {0, "- 5"},
        {1.5e20, "1.5e+020"},
        {1.5e-5, "1.5e-005"},
        {3, "3' 3.37007874000\""},
        {-4, "-4' -6\""},
        {1, "1e"},
        {1, "1e+"},
        {0, "e5"},
        {0, "inf"},
        {0, "nan"},
        {0, "0x1p3"},
        {0, "オーバーフロー"},
        {0, "1e-400"},
        {-0.0, "-1e-400"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const double read = leadingNumber(c.text);
        EXPECT_EQ(read, c.value);
        EXPECT_EQ(std::signbit(read), std::signbit(c.value));
    }
}

TEST(LeadingNumber, OverflowReadsAsInfinity)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(leadingNumber("1.e+3005"), infinity);
    EXPECT_EQ(leadingNumber("-1e400"), -infinity);
    EXPECT_EQ(leadingNumber(std::string(400, '9')), infinity);
    EXPECT_EQ(leadingNumber("0.00000000001e330"), infinity);
    EXPECT_EQ(leadingNumber("1000e-330"), 0.0);
    EXPECT_EQ(leadingNumber("1e99999999999999999999999"), infinity);
}

TEST(FormatNumber, RoundTripsEveryDisplayedText)
{
    // What the formatter writes reads back as the same value (to 16 digits).
    const double values[] = {1.0 / 3, 2.0 / 3, 6.02e23, 1e-7, 123.456, 98765.4321e100};
    for (const double value : values) {
        const double back = leadingNumber(formatNumber(value));
        EXPECT_NEAR(back, value, std::fabs(value) * 1e-15);
    }
}

} // namespace
