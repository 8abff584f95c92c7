// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the unit keys do to the converter's state. What they show, for every
// conversion and every protocol step, is in the traces (units.txt,
// conversions.txt, feet-and-inches.txt).

#include "RecordingPanel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Units, KeysEndTheEntryButKeepEntering)
{
    Converter converter;
    const CQuibraDlg& d = converter.dialog;
    converter.run("key1 pointKey key5 mmKey");
    EXPECT_EQ(d.entering, 1);
    EXPECT_EQ(d.pointEntered, 0);
    EXPECT_EQ(d.entryValue, 0);
    EXPECT_EQ(d.entrySign, 1);
    EXPECT_EQ(d.unitValue, 1.5);
    EXPECT_EQ(d.unitCode, 11);
    converter.run("ftKey");
    EXPECT_EQ(d.entering, 1); // a completing ft press leaves it
    EXPECT_EQ(d.unitCode, 0);
    converter.run("key2 ftKey");
    EXPECT_EQ(d.entering, 0); // ft as the source clears it
    EXPECT_EQ(d.unitCode, 16);
}

TEST(Units, FeetAndInchesEntry)
{
    Converter converter;
    const CQuibraDlg& d = converter.dialog;
    converter.run("key5 ftKey key7");
    EXPECT_EQ(d.unitCode, 16); // the digit keeps ft pending
    converter.run("inchKey");
    EXPECT_EQ(d.unitCode, 15);
    EXPECT_EQ(d.unitValue, 67);
    EXPECT_EQ(d.feetKeyUsed, 1);
    converter.run("key3");
    EXPECT_EQ(d.unitCode, 0); // any other pending unit is replaced
    converter.run("key1 key2 inchKey ftKey clearKey key1 key2 inchKey ftKey");
    EXPECT_EQ(d.feetKeyUsed, 0); // inches to feet never sets it
}

TEST(Feet, TextOfLengthsNoKeyCanType)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> table[] = {
        {1e-300, "0' 3.6e-299\""}, {-1e-300, "0' -3.6e-299\""},  {5e-324, "0' 1.77863632502\""},
        {-0.0, "0' -0\""},         {infinity, "オーバーフロー"}, {std::nan(""), "エラー"},
    };
    for (const auto& [yards, display] : table) {
        SCOPED_TRACE(display);
        Converter converter;
        converter.dialog.unitCode = 17; // yd pending
        converter.dialog.unitValue = yards;
        converter.run("ftKey");
        EXPECT_EQ(converter.panel.display, display);
        EXPECT_EQ(converter.dialog.numberBuffer, display);
    }
}

} // namespace
