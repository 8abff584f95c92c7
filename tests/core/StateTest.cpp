// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the keys leave in the converter's fields, which no display shows
// (the displays are in the replay traces), and the order of their calls
// to the panel.

#include "TextPanel.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

std::string fields(const CQuibraDlg& d)
{
    const std::map<std::string, double> values{
        {"entryValue", d.entryValue},           {"unitValue", d.unitValue},
        {"accumulator", d.accumulator},         {"operand", d.operand},
        {"pendingOperator", d.pendingOperator}, {"entering", d.entering},
        {"pointEntered", d.pointEntered},       {"entrySign", d.entrySign},
        {"unitCode", d.unitCode},               {"operatorPending", d.operatorPending},
        {"feetKeyUsed", d.feetKeyUsed},
    };
    std::ostringstream text;
    for (const auto& [name, value] : values)
        text << name << '=' << value << ' ';
    return text.str();
}

// Each row: keys, then the fields that matter after them, as name=value.
TEST(State, FieldsAfterKeys)
{
    const std::pair<const char*, const char*> rows[] = {
        {"key1 key2", "entryValue=12 entering=1 pointEntered=0 entrySign=1"},
        {"key1 key2 signKey", "entryValue=12 entrySign=-1 unitValue=-12"},
        {"key1 key2 signKey backKey", "entryValue=1 entering=1 entrySign=-1"},
        {"key1 pointKey key2 key5", "entryValue=1 pointEntered=1"},
        {"key1 pointKey key2 key5 backKey backKey backKey", "entryValue=1 pointEntered=0"},
        {"key5 equalsKey signKey", "entering=0 entrySign=-1"},
        {"key5 equalsKey signKey key3", "entryValue=3 entering=1 entrySign=1"},
        {"key2 addKey key3 multiplyKey",
         "operand=3 accumulator=2 pendingOperator=3 operatorPending=1 entering=0"},
        {"key2 addKey key3 multiplyKey key4 addKey",
         "operand=14 accumulator=2 pendingOperator=1 operatorPending=1"},
        {"key3 subtractKey key8 divideKey key5 mmKey cmKey",
         "operand=8 accumulator=3 pendingOperator=4 operatorPending=2"},
        {"key2 addKey key3 equalsKey",
         "operand=0 accumulator=0 pendingOperator=0 operatorPending=0 unitCode=0"},
        {"key1 pointKey key5 mmKey",
         "entering=1 pointEntered=0 entryValue=0 unitValue=1.5 unitCode=11"},
        {"key1 pointKey key5 mmKey ftKey", "entering=1 unitCode=0 feetKeyUsed=1"},
        {"key2 ftKey", "entering=0 unitCode=16 feetKeyUsed=1"},
        {"key5 ftKey key7", "unitCode=16"},
        {"key5 ftKey key7 inchKey", "unitCode=15 unitValue=67"},
        {"key5 ftKey key7 inchKey key3", "unitCode=0"},
        {"key1 key2 inchKey ftKey", "feetKeyUsed=0 unitCode=0"},
        {"key5 yenKey", "unitCode=0 entering=1 entryValue=5"},
        {"key2 addKey key3 multiplyKey key5 ftKey key2 pointKey clearKey",
         "operand=0 accumulator=0 pendingOperator=0 operatorPending=0 unitCode=0 unitValue=0 "
         "entering=0 pointEntered=0 entrySign=1 feetKeyUsed=0 entryValue=0"},
    };
    for (const auto& [keys, expected] : rows) {
        SCOPED_TRACE(keys);
        TextConverter converter;
        converter.run(keys);
        const std::string actual = fields(converter.dialog);
        std::istringstream wanted(expected);
        for (std::string field; wanted >> field;)
            EXPECT_NE(actual.find(field + ' '), std::string::npos) << field << " in " << actual;
        EXPECT_EQ(converter.dialog.numberBuffer, converter.panel.display);
    }
}

TEST(State, EveryKeyBeginsWithItsPushedLook)
{
    for (const KeySpec& key : allKeys()) {
        SCOPED_TRACE(key.name);
        TextConverter converter;
        converter.panel.rateBox = "110.5";
        converter.panel.recordEvents = true;
        converter.dialog.press(key.id);
        const std::vector<std::string>& events = converter.panel.events;
        if (key.id == KeyId::swapKey) {
            EXPECT_TRUE(events.empty());
            continue;
        }
        const std::string name(key.name);
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events[0], "push " + name);
        EXPECT_EQ(events[1], "pause 20");
        EXPECT_EQ(events[2], "release " + name);
    }
}

} // namespace
