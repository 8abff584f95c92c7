// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"
#include "QuibraDlg.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct RecordedMessage {
    std::string text;
    MessageIcon icon;
    bool operator==(const RecordedMessage&) const = default;
};

// Keeps everything the converter does to its panel.
class RecordingPanel final : public Panel {
public:
    RecordingPanel() { enabled.fill(true); }

    std::string readDisplay() override { return display; }
    void writeDisplay(std::string_view text) override
    {
        display = text;
        events.push_back("display " + display);
    }
    std::string readRateBox() override { return rateBox; }
    void writeRateBox(std::string_view text) override
    {
        rateBox = text;
        events.push_back("rate " + rateBox);
    }
    void setKeyEnabled(KeyId key, bool on) override { enabled[keyIndex(key)] = on; }
    void setKeyPushed(KeyId key, bool on) override
    {
        events.push_back(std::string(on ? "push " : "release ") + std::string(keySpec(key).name));
    }
    void pause(int milliseconds) override
    {
        events.push_back("pause " + std::to_string(milliseconds));
    }
    void showMessage(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon});
        events.push_back("message " + std::string(text));
    }

    // The names of the disabled unit keys, comma-separated, or "-".
    std::string disabledUnitKeys() const
    {
        std::string names;
        for (int i = 0; i < unitKeyCount; ++i) {
            if (enabled[keyIndex(unitKeyAt(i))])
                continue;
            names += names.empty() ? "" : ",";
            names += keySpec(unitKeyAt(i)).name;
        }
        return names.empty() ? "-" : names;
    }

    std::string display;
    std::string rateBox;
    std::array<bool, keyCount> enabled{};
    std::vector<RecordedMessage> messages;
    std::vector<std::string> events;
};

// A started converter that runs key sequences written as replay tokens
// ("key1 key2 inchKey", "char:67"); a click on a disabled key does nothing.
struct Converter {
    Converter() { dialog.initDialog(); }

    void press(std::string_view token);
    // Runs the tokens one by one and returns the display after each.
    std::vector<std::string> run(std::string_view tokens);

    RecordingPanel panel;
    CQuibraDlg dialog{panel};
};
