// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraDlg.h"

#include "core/NumberText.h"

CQuibraDlg::CQuibraDlg(Panel& panel)
    : panel_(&panel)
{
}

void CQuibraDlg::initDialog()
{
    showNumberText(formatNumber(entryValue));
    readRateFile();
}

void CQuibraDlg::press(KeyId key) { (this->*keySpec(key).handler)(); }

bool CQuibraDlg::keyboardFilter(const KeyboardMessage& message)
{
    std::optional<KeyId> key;
    if (message.kind == KeyboardMessage::Kind::keyPress) {
        key = keyForKeyCode(static_cast<int>(message.code));
    } else {
        // A character that is not in the character table is looked up as a
        // key code: a carriage return computes and the apostrophe erases.
        key = keyForCharacter(message.code);
        if (!key)
            key = keyForKeyCode(static_cast<int>(message.code));
    }
    if (!key)
        return false;
    press(*key);
    return true;
}

void CQuibraDlg::pressFeedback(KeyId key)
{
    panel_->setKeyPushed(key, true);
    panel_->pause(20);
    panel_->setKeyPushed(key, false);
}

std::string CQuibraDlg::formatNumber(double value) const
{
    return ::formatNumber(value, precision);
}

void CQuibraDlg::showValue(double value) { showNumberText(formatForDisplay(value)); }

void CQuibraDlg::resetEntry()
{
    entryValue = 0;
    pointEntered = 0;
    entrySign = 1;
}

void CQuibraDlg::enableAllUnitKeys()
{
    for (const KeyId key : unitKeys)
        panel_->setKeyEnabled(key, true);
}

void CQuibraDlg::readDisplay() { displayText = panel_->readDisplay(); }

void CQuibraDlg::writeDisplay(std::string_view text) { panel_->writeDisplay(text); }

void CQuibraDlg::readRateBox() { rateBoxText = panel_->readRateBox(); }

void CQuibraDlg::writeRateBox(std::string_view text) { panel_->writeRateBox(text); }

void CQuibraDlg::showNumberText(std::string text)
{
    numberBuffer = std::move(text);
    numberText = &numberBuffer;
    writeDisplay(numberBuffer);
}

void CQuibraDlg::showMessage(std::string_view text, MessageIcon icon)
{
    panel_->showMessage(text, icon);
}
