// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"
#include "QuibraDlg.h"
#include "core/NumberText.h"
#include "core/Utf8.h"
#include "units/Conversions.h"

#include <cmath>

namespace {

// The most characters the display holds while a number is typed: fifteen
// digits and the point, and a minus sign besides.
constexpr int unsignedLengthLimit = 16;

} // namespace

void CQuibraDlg::OnButton0() { enterDigit(0); }
void CQuibraDlg::OnButton1() { enterDigit(1); }
void CQuibraDlg::OnButton2() { enterDigit(2); }
void CQuibraDlg::OnButton3() { enterDigit(3); }
void CQuibraDlg::OnButton4() { enterDigit(4); }
void CQuibraDlg::OnButton5() { enterDigit(5); }
void CQuibraDlg::OnButton6() { enterDigit(6); }
void CQuibraDlg::OnButton7() { enterDigit(7); }
void CQuibraDlg::OnButton8() { enterDigit(8); }
void CQuibraDlg::OnButton9() { enterDigit(9); }

void CQuibraDlg::enterDigit(int digit)
{
    pressFeedback(digitKey(digit));
    readDisplay();
    readLengthLimit();
    if (utf8::characterCount(displayText) == lengthLimit) {
        showMessage(message::inputLimit, MessageIcon::information);
        return;
    }
    if (entering == 0) {
        // A sign pressed on an earlier result does not carry into a new number.
        entrySign = 1;
        entryValue = digit;
        showNumberText(formatNumber(entryValue));
    } else if (pointEntered == 0) {
        entryValue = entryValue * 10 + digit;
        showNumberText(formatNumber(entrySign == -1 ? -entryValue : entryValue));
    } else {
        // The number text has room for 37 characters.
        if (numberText->size() + 1 >= numberCapacity) {
            showMessage(message::inputLimit, MessageIcon::information);
            return;
        }
        showNumberText(*numberText + static_cast<char>('0' + digit));
    }
    entering = 1;
    // The figure typed after ft is its inches; any other pending unit is
    // replaced by the new number.
    if (unitCode != unit::feet)
        unitCode = unit::none;
}

void CQuibraDlg::readLengthLimit()
{
    lengthLimit = displayText.starts_with('-') ? unsignedLengthLimit + 1 : unsignedLengthLimit;
}

void CQuibraDlg::OnButtonPeriod()
{
    pressFeedback(KeyId::pointKey);
    if (pointEntered == 1)
        return;
    if (entering == 0)
        entrySign = 1;
    showNumberText(formatNumber(entrySign == -1 ? -entryValue : entryValue));
    pointEntered = 1;
    entering = 1;
}

void CQuibraDlg::OnButtonSign()
{
    pressFeedback(KeyId::signKey);
    readDisplay();
    readLengthLimit();
    if (utf8::characterCount(displayText) > lengthLimit) {
        showMessage(message::inputLimit, MessageIcon::information);
        return;
    }
    unitValue = -leadingNumber(displayText);
    showValue(unitValue);
    entrySign = -entrySign;
}

void CQuibraDlg::OnButtonBack()
{
    pressFeedback(KeyId::backKey);
    if (entering == 1) {
        readDisplay();
        textLength = utf8::characterCount(displayText);
        std::string text = numberBuffer;
        const auto lastCharacter = [&text](int count) {
            return utf8::characterOffset(text, count - 1);
        };
        // A whole number is never shorter than a digit and its point.
        if (pointEntered == 0) {
            if (textLength > 2) {
                // The last digit before the trailing point goes: 123. becomes 12.
                text.resize(lastCharacter(textLength - 1));
                text += '.';
            } else {
                // 7. becomes 0. (built anew: g++ 12 -O3 misreads replace() here)
                text = '0' + text.substr(utf8::characterOffset(text, 1));
            }
        } else if (text.ends_with('.')) {
            pointEntered = 0;
        } else {
            text.resize(lastCharacter(textLength));
        }
        showNumberText(std::move(text));
        entryValue = std::fabs(leadingNumber(numberBuffer));
    }
    enableAllUnitKeys();
}

void CQuibraDlg::OnButtonClr()
{
    pressFeedback(KeyId::clearKey);
    clearCalculation();
    showNumberText(formatNumber(0));
    feetKeyUsed = 0;
    enableAllUnitKeys();
}
