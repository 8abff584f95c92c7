// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"
#include "QuibraDlg.h"
#include "core/NumberText.h"
#include "currency/RateFile.h"

// The currency keys' step before the unit protocol: no rate, no conversion.
bool CQuibraDlg::tryTakeRate()
{
    readRateBox();
    if (rateBoxText.empty()) {
        showMessage(message::rateMissing, MessageIcon::exclamation);
        return false;
    }
    // Taken afresh at every press: the rate may have changed since.
    yenPerDollar = leadingNumber(rateBoxText);
    return true;
}

// The number just typed becomes the rate, in yen to one decimal: three
// digits, a point and one digit (or a minus sign and two digits).
void CQuibraDlg::OnButtonRate()
{
    pressFeedback(KeyId::rateKey);
    if (entering != 1) {
        showMessage(message::rateNotEntered, MessageIcon::exclamation);
        return;
    }
    readDisplay();
    // Made aside: a refused rate leaves the number text as the display shows it.
    std::string rate = formatNumber(leadingNumber(displayText));
    if (rate.size() < 4 || rate[3] != '.') {
        showMessage(message::rateWrongForm, MessageIcon::exclamation);
        return;
    }
    if (rate.size() == 4) {
        showMessage(message::rateCompletedWithZero, MessageIcon::information);
        rate += '0';
    } else if (rate.size() > rateLength) {
        showMessage(message::rateCut, MessageIcon::information);
        rate.resize(rateLength);
    }
    writeRateBox(rate);
    writeRateFile(rate);
    entryValue = 0;
    showNumberText(formatNumber(entryValue));
    entering = 0;
    resetEntry();
}

void CQuibraDlg::writeRateFile(std::string_view rate)
{
    // The rate box keeps the new rate for this run either way.
    if (!tryWriteRateFile(rate))
        showMessage(message::rateNotSaved, MessageIcon::exclamation);
}
