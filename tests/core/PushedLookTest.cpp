// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The order of the keys' calls to the panel, which no display shows: the
// pushed look comes first. Everything the keys show is in the traces.

#include "TextPanel.h"

#include <gtest/gtest.h>

namespace {

TEST(PushedLook, EveryKeyBeginsWithIt)
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
