// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's tables checked against what they must satisfy, not against
// a copy of them: every conversion factor against the ratio of the units'
// definitions, the keypad by the rules of its layout.

#include "Keys.h"
#include "units/Conversions.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Each unit in its quantity's smallest one: the inch is 25.4 mm, the pound
// 453.59237 g, the gallon 3785.411784 ml; an ounce is a 16th of a pound, a
// fluid ounce a 128th of a gallon.
struct Unit {
    KeyId key;
    double size;
};
const std::vector<std::vector<Unit>> quantities{
    {{KeyId::mmKey, 1},
     {KeyId::cmKey, 10},
     {KeyId::mKey, 1e3},
     {KeyId::kmKey, 1e6},
     {KeyId::inchKey, 25.4},
     {KeyId::ftKey, 304.8},
     {KeyId::ydKey, 914.4},
     {KeyId::mileKey, 1609344}},
    {{KeyId::gKey, 1},
     {KeyId::kgKey, 1e3},
     {KeyId::ozKey, 453.59237 / 16},
     {KeyId::lbKey, 453.59237}},
    {{KeyId::mlKey, 1},
     {KeyId::lKey, 1e3},
     {KeyId::flOzKey, 3785.411784 / 128},
     {KeyId::galKey, 3785.411784}},
};

// A unit of the last decimal place a factor is stored to, read off its
// shortest text: 6.21e-07 is stored to 1e-09.
double lastPlace(double value)
{
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const std::string written(text, static_cast<std::size_t>(end - text));
    const auto e = written.find('e');
    const int decimals = e > 1 ? static_cast<int>(e) - 2 : 0;
    return std::pow(10.0, std::stoi(written.substr(e + 1)) - decimals);
}

TEST(Tables, EveryFactorIsTheRatioOfItsUnitsToItsLastPlace)
{
    for (const std::vector<Unit>& units : quantities)
        for (const Unit& from : units)
            for (const Unit& to : units) {
                if (from.key == to.key)
                    continue;
                const double factor = convert(unitCodeOf(from.key), unitCodeOf(to.key), 1.0);
                const double exact = from.size / to.size;
                EXPECT_NEAR(factor, exact, std::max(lastPlace(factor), exact * 1e-15))
                    << keySpec(from.key).name << " to " << keySpec(to.key).name;
            }
}

TEST(Tables, KeysSitOnTheKeypadGrid)
{
    // Five columns 24 units apart; the upper rows 16 apart with keys 13
    // high, the lower ones 20 apart with keys 17 high; keys 20 wide, and
    // the equals key two columns wide. The digits as on a calculator. That
    // no control leaves the window or covers another is in the window test.
    for (const KeySpec& key : allKeys()) {
        const DialogRect& r = key.rect;
        const bool upper = r.y < 120;
        EXPECT_EQ((r.x - 5) % 24, 0) << key.name;
        EXPECT_EQ(upper ? (r.y - 35) % 16 : (r.y - 120) % 20, 0) << key.name;
        EXPECT_EQ(r.height, upper ? 13 : 17) << key.name;
        EXPECT_EQ(r.width, key.id == KeyId::equalsKey ? 44 : 20) << key.name;
    }
    for (int digit = 1; digit <= 9; ++digit) {
        const DialogRect& r = keySpec(keyAt(digit)).rect;
        EXPECT_EQ(r.x, 5 + (digit - 1) % 3 * 24) << digit;
        EXPECT_EQ(r.y, 160 - (digit - 1) / 3 * 20) << digit;
    }
}

} // namespace
