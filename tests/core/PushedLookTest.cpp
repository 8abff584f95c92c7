// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The order of the keys' calls to the panel, which no display shows: the
// pushed look comes first, but for the keys a paste types. Everything the keys show is in the
// traces.

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

// A paste types its number at once: its keys pause for nothing.
TEST(PushedLook, NotOnPastedKeys)
{
    TextConverter converter;
    converter.panel.recordEvents = true;
    converter.dialog.paste("-1,234.5");
    for (const std::string& event : converter.panel.events)
        EXPECT_FALSE(event.starts_with("push") || event.starts_with("pause")) << event;
}

} // namespace
