// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The keypad checked by the rules of its layout, not against a copy of it.
// (The conversion factors are pinned by the back-to-back run.)

#include "Keys.h"

#include <gtest/gtest.h>

namespace {

TEST(Keypad, KeysSitOnTheKeypadGrid)
{
    // Five columns 24 units apart; the upper rows 16 apart with keys 13
    // high, the lower ones 20 apart with keys 17 high; keys 20 wide, and
    // the equals key two columns wide. The digits as on a calculator.
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
