// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculation state behind the displays of arithmetic.txt and
// overflow.txt.

#include "RecordingPanel.h"

#include <gtest/gtest.h>

namespace {

TEST(Arithmetic, WorkedSequenceState)
{
    // Key, then operand, accumulator, pendingOperator, operatorPending.
    struct Row {
        const char* key;
        double operand, accumulator;
        int pendingOperator, operatorPending;
    };
    const Row rows[] = {
        {"key2", 0, 0, 0, 0},        {"addKey", 2, 0, 1, 0},    {"key3", 2, 0, 1, 0},
        {"multiplyKey", 3, 2, 3, 1}, {"key4", 3, 2, 3, 1},      {"addKey", 14, 2, 1, 1},
        {"key5", 14, 2, 1, 1},       {"equalsKey", 0, 0, 0, 0},
    };
    Converter converter;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        converter.run(row.key);
        const CQuibraDlg& d = converter.dialog;
        EXPECT_EQ(d.operand, row.operand);
        EXPECT_EQ(d.accumulator, row.accumulator);
        EXPECT_EQ(d.pendingOperator, row.pendingOperator);
        EXPECT_EQ(d.operatorPending, row.operatorPending);
    }
    EXPECT_EQ(converter.panel.display, "19.");
}

TEST(Arithmetic, UnitKeysLeaveTheCalculationAlone)
{
    Converter converter;
    converter.run("key3 addKey key8 multiplyKey key5 mmKey cmKey");
    const CQuibraDlg& d = converter.dialog;
    EXPECT_EQ(d.operand, 8);
    EXPECT_EQ(d.accumulator, 3);
    EXPECT_EQ(d.pendingOperator, 3);
    EXPECT_EQ(d.operatorPending, 1);
    converter.run("equalsKey");
    EXPECT_EQ(converter.panel.display, "7."); // 3 + 0.5 x 8
}

TEST(Arithmetic, EqualsAfterFeetKeepsTheUnitKeys)
{
    Converter converter;
    converter.run("key5 ftKey key1 pointKey key5 key0 equalsKey");
    EXPECT_EQ(converter.panel.display, "1.50");
    EXPECT_EQ(converter.dialog.unitCode, 0);
    EXPECT_NE(converter.panel.disabledUnitKeys(), "-");
}

} // namespace
