// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"
#include "QuibraDlg.h"
#include "core/NumberText.h"
#include "core/PastedNumber.h"
#include "core/Utf8.h"

#include <string_view>
#include <utility>

namespace {

// Full-width digits, point, comma and signs as their ASCII forms; blanks
// as a space; anything else that no number holds as '?'.
char normalised(char32_t c)
{
    if (c >= U'０' && c <= U'９')
        return static_cast<char>('0' + (c - U'０'));
    constexpr std::pair<char32_t, char> forms[]{{U'．', '.'},     {U'，', ','}, {U'－', '-'},
                                                {U'\u2212', '-'}, {U'＋', '+'}, {U'\u3000', ' '},
                                                {U'\u00A0', ' '}, {U'\t', ' '}, {U'\n', ' '},
                                                {U'\r', ' '},     {U'\v', ' '}, {U'\f', ' '}};
    for (const auto& [form, ascii] : forms)
        if (c == form)
            return ascii;
    return std::u32string_view(U"0123456789.,+- ").find(c) != std::u32string_view::npos
               ? static_cast<char>(c)
               : '?';
}

// All a trial of the number keys needs: the display. Their one message
// box, the input limit, is kept, and nothing reaches the window.
class TrialPanel final : public Panel {
public:
    explicit TrialPanel(std::string display)
        : display_(std::move(display))
    {
    }
    std::string readDisplay() override { return display_; }
    void writeDisplay(std::string_view text) override { display_ = text; }
    std::string readRateBox() override { return {}; }
    void writeRateBox(std::string_view) override {}
    void setKeyEnabled(KeyId, bool) override {}
    void setKeyPushed(KeyId, bool) override {}
    void pause(int) override {}
    void showMessage(std::string_view text, MessageIcon icon) override
    {
        refusal.emplace(text, icon);
    }

    std::optional<std::pair<std::string, MessageIcon>> refusal;

private:
    std::string display_;
};

// The window as the keys of a paste see it: they type without their pushed
// look and its pause, so the whole number appears at once.
class UnpushedPanel final : public Panel {
public:
    explicit UnpushedPanel(Panel& panel)
        : panel_(panel)
    {
    }
    std::string readDisplay() override { return panel_.readDisplay(); }
    void writeDisplay(std::string_view text) override { panel_.writeDisplay(text); }
    std::string readRateBox() override { return panel_.readRateBox(); }
    void writeRateBox(std::string_view text) override { panel_.writeRateBox(text); }
    void setKeyEnabled(KeyId key, bool on) override { panel_.setKeyEnabled(key, on); }
    void setKeyPushed(KeyId, bool) override {}
    void pause(int) override {}
    void showMessage(std::string_view text, MessageIcon icon) override
    {
        panel_.showMessage(text, icon);
    }

private:
    Panel& panel_;
};

} // namespace

std::optional<PastedNumber> pastedNumber(std::string_view text)
{
    std::string ascii;
    for (; !text.empty(); text.remove_prefix(utf8::firstCharacter(text).length))
        ascii += normalised(utf8::firstCharacter(text).code);
    const auto first = ascii.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    std::string_view number(ascii);
    number = number.substr(first, ascii.find_last_not_of(' ') + 1 - first);

    PastedNumber pasted{"", false};
    if (number.starts_with('-') || number.starts_with('+')) {
        pasted.negative = number.front() == '-';
        number.remove_prefix(1);
    }
    // The whole part: digits, or groups of three after one to three digits.
    std::size_t group = 0;
    bool grouped = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != '.'; ++i) {
        if (number[i] == ',') {
            if (group == 0 || group > 3 || (grouped && group != 3))
                return std::nullopt;
            grouped = true;
            group = 0;
        } else if (isDigit(number[i])) {
            pasted.keys += number[i];
            ++group;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && group != 3)
        return std::nullopt;
    if (i < number.size()) {
        pasted.keys += '.';
        for (++i; i < number.size(); ++i) {
            if (!isDigit(number[i]))
                return std::nullopt;
            pasted.keys += number[i];
        }
    }
    if (pasted.keys.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    return pasted;
}

void CQuibraDlg::paste(std::string_view text)
{
    const std::optional<PastedNumber> number = pastedNumber(text);
    if (!number) {
        showMessage(message::pasteNotANumber, MessageIcon::information);
        return;
    }
    const auto type = [&number](CQuibraDlg& converter) {
        for (const char c : number->keys)
            converter.press(c == '.' ? KeyId::pointKey : digitKey(c - '0'));
        if (number->negative)
            converter.press(KeyId::signKey);
    };
    // One number or nothing: typed first on a copy of the converter, whose
    // refusal (the input limit) refuses the whole paste.
    TrialPanel trialPanel(panel_->readDisplay());
    CQuibraDlg trial(*this);
    trial.panel_ = &trialPanel;
    trial.numberText = &trial.numberBuffer;
    type(trial);
    if (trialPanel.refusal) {
        showMessage(trialPanel.refusal->first, trialPanel.refusal->second);
        return;
    }
    Panel* const window = panel_;
    UnpushedPanel unpushed(*window);
    panel_ = &unpushed;
    type(*this);
    panel_ = window;
}
