// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the entry keys do to the converter's state and in which order they
// reach the panel. Their displays are in the traces (number-entry.txt,
// input-limits.txt).

#include "RecordingPanel.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberEntry, ClearResetsAllButTheRate)
{
    Converter converter;
    converter.panel.rateBox = "110.5";
    converter.run("key2 addKey key3 multiplyKey key5 ftKey key2 pointKey clearKey");
    const CQuibraDlg& d = converter.dialog;
    EXPECT_EQ(converter.panel.display, "0.");
    EXPECT_EQ(converter.panel.disabledUnitKeys(), "-");
    EXPECT_EQ(converter.panel.rateBox, "110.5");
    EXPECT_EQ(d.operand, 0);
    EXPECT_EQ(d.accumulator, 0);
    EXPECT_EQ(d.pendingOperator, 0);
    EXPECT_EQ(d.operatorPending, 0);
    EXPECT_EQ(d.unitCode, 0);
    EXPECT_EQ(d.unitValue, 0);
    EXPECT_EQ(d.entering, 0);
    EXPECT_EQ(d.pointEntered, 0);
    EXPECT_EQ(d.entrySign, 1);
    EXPECT_EQ(d.feetKeyUsed, 0);
}

TEST(NumberEntry, EntryFields)
{
    struct Row {
        const char* keys;
        double entryValue;
        int entering, pointEntered, entrySign;
    };
    const Row table[] = {
        {"key1 key2", 12, 1, 0, 1},
        {"key1 key2 signKey", 12, 1, 0, -1},
        {"key1 key2 signKey backKey", 1, 1, 0, -1},
        {"key1 pointKey key2 key5", 1, 1, 1, 1},
        {"key1 pointKey key2 key5 backKey backKey backKey", 1, 1, 0, 1},
        {"key5 signKey addKey", 0, 0, 0, 1},
        {"key5 equalsKey signKey", 0, 0, 0, -1},
        {"key5 equalsKey signKey key3", 3, 1, 0, 1},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.keys);
        Converter converter;
        converter.run(row.keys);
        const CQuibraDlg& d = converter.dialog;
        EXPECT_EQ(d.entryValue, row.entryValue);
        EXPECT_EQ(d.entering, row.entering);
        EXPECT_EQ(d.pointEntered, row.pointEntered);
        EXPECT_EQ(d.entrySign, row.entrySign);
    }
}

TEST(NumberEntry, EveryKeyBeginsWithItsPushedLook)
{
    for (const auto& key : allKeys()) {
        if (key.id == KeyId::swapKey)
            continue;
        SCOPED_TRACE(key.name);
        Converter converter;
        converter.panel.rateBox = "110.5";
        converter.panel.events.clear();
        converter.dialog.press(key.id);
        const auto& events = converter.panel.events;
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events[0], "push " + std::string(key.name));
        EXPECT_EQ(events[1], "pause 20");
        EXPECT_EQ(events[2], "release " + std::string(key.name));
    }
    Converter converter;
    converter.panel.events.clear();
    converter.run("swapKey");
    EXPECT_TRUE(converter.panel.events.empty());
}

} // namespace
