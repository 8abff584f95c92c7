// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Keys.h"

#include <string>
#include <string_view>

enum class MessageIcon { information, exclamation, stop };

// The only way the converter logic reaches the window. Texts are UTF-8.
// The Qt window, the text panel of quibra-replay and the recording panel of
// the tests implement it.
class Panel {
public:
    virtual ~Panel() = default;

    virtual std::string readDisplay() = 0;
    // Sets the display font (with an immediate redraw), then the text.
    virtual void writeDisplay(std::string_view text) = 0;
    virtual std::string readRateBox() = 0;
    virtual void writeRateBox(std::string_view text) = 0;
    virtual void setKeyEnabled(KeyId key, bool on) = 0;
    // Draws the key pushed or normal at once, without running it.
    virtual void setKeyPushed(KeyId key, bool on) = 0;
    // Blocks the user-interface thread; no other input is handled meanwhile.
    virtual void pause(int milliseconds) = 0;
    // A modal box with one OK button; returns when it is dismissed.
    virtual void showMessage(std::string_view text, MessageIcon icon) = 0;
};
