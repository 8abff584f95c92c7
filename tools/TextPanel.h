// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Panel.h"
#include "QuibraDlg.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A panel without a window. It keeps what a person would see and, when
// asked, every call the converter makes, in order. quibra-replay, the tests
// and the benchmarks all drive the converter through it.
class TextPanel final : public Panel {
public:
    TextPanel() { enabled.fill(true); }

    std::string readDisplay() override { return display; }
    void writeDisplay(std::string_view text) override;
    std::string readRateBox() override { return rateBox; }
    void writeRateBox(std::string_view text) override;
    void setKeyEnabled(KeyId key, bool on) override { enabled[keyIndex(key)] = on; }
    void setKeyPushed(KeyId key, bool on) override;
    void pause(int milliseconds) override;
    void showMessage(std::string_view text, MessageIcon icon) override;

    bool isEnabled(KeyId key) const { return enabled[keyIndex(key)]; }
    // The names of the disabled unit keys in listing order, joined by
    // commas, or "-" when none is.
    std::string disabledUnitKeys() const;
    // quibra-replay's lines for one token: a "message" line for each box
    // shown since the last call, then "LABEL DISPLAY RATEBOX DISABLED".
    std::string takeRecord(std::string_view label);

    std::string display;
    std::string rateBox;
    std::array<bool, keyCount> enabled{};
    // "message ICON TEXT" lines, with a line break in TEXT written as \n.
    std::vector<std::string> messages;
    // Filled only when recordEvents is set: "display TEXT", "rate TEXT",
    // "push KEY", "pause MS", "release KEY", "message ICON TEXT".
    bool recordEvents = false;
    std::vector<std::string> events;

private:
    std::size_t reported_ = 0;
};

// One input of the window: a click on a key, a keyboard message, or a paste
// of the clipboard's text (UTF-8, or any bytes).
struct Click {
    KeyId key;
};
struct Paste {
    std::string text;
};
using KeyInput = std::variant<Click, KeyboardMessage, Paste>;

// A token of quibra-replay: a key name, char:N or vkey:N (N decimal), or
// paste:TEXT with any byte of TEXT as % and two hex digits.
std::optional<KeyInput> parseToken(std::string_view token);
// All the tokens, checked before any runs: std::invalid_argument names the
// first that is not one.
std::vector<KeyInput> parseTokens(const std::vector<std::string>& tokens);
// The tokens of a script: blanks separate them, '#' comments to the end of
// its line.
std::vector<std::string> scriptTokens(std::string_view script);

// The converter with a text panel, started: its first display is shown and
// "rate.dat" has been read from the working directory.
struct TextConverter {
    TextConverter() { dialog.initDialog(); }
    // As the window takes it: a click on a disabled key does nothing.
    void apply(const KeyInput& input);
    // Runs the tokens of a script one by one; a token that is not one
    // throws std::invalid_argument before anything runs.
    void run(std::string_view script);

    TextPanel panel;
    CQuibraDlg dialog{panel};
};
