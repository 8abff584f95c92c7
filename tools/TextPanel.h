// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"

#include <array>
#include <string>
#include <vector>

// A panel without a window: it keeps what a person would see, and writes
// it as the lines of quibra-replay's output.
class TextPanel final : public Panel {
public:
    TextPanel() { enabled_.fill(true); }

    std::string readDisplay() override { return display_; }
    void writeDisplay(std::string_view text) override { display_ = text; }
    std::string readRateBox() override { return rateBox_; }
    void writeRateBox(std::string_view text) override { rateBox_ = text; }
    void setKeyEnabled(KeyId key, bool on) override { enabled_[keyIndex(key)] = on; }
    void setKeyPushed(KeyId, bool) override {}
    void pause(int) override {}
    void showMessage(std::string_view text, MessageIcon icon) override;

    bool isEnabled(KeyId key) const { return enabled_[keyIndex(key)]; }

    // "LABEL<TAB>DISPLAY<TAB>RATEBOX<TAB>DISABLED\n", after one line per
    // message box shown since the last call.
    std::string takeRecord(std::string_view label);

private:
    std::string display_;
    std::string rateBox_;
    std::array<bool, keyCount> enabled_{};
    std::string messages_;
};
