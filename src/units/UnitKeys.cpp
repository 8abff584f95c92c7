// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraDlg.h"
#include "core/NumberText.h"
#include "units/Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

void CQuibraDlg::OnButtonCelsius() { unitKey(KeyId::celsiusKey); }
void CQuibraDlg::OnButtonFahrenheit() { unitKey(KeyId::fahrenheitKey); }
void CQuibraDlg::OnButtonMm() { unitKey(KeyId::mmKey); }
void CQuibraDlg::OnButtonCm() { unitKey(KeyId::cmKey); }
void CQuibraDlg::OnButtonM() { unitKey(KeyId::mKey); }
void CQuibraDlg::OnButtonKm() { unitKey(KeyId::kmKey); }
void CQuibraDlg::OnButtonInch() { unitKey(KeyId::inchKey); }
void CQuibraDlg::OnButtonFt() { feetKey(); }
void CQuibraDlg::OnButtonYd() { unitKey(KeyId::ydKey); }
void CQuibraDlg::OnButtonMile() { unitKey(KeyId::mileKey); }
void CQuibraDlg::OnButtonG() { unitKey(KeyId::gKey); }
void CQuibraDlg::OnButtonKg() { unitKey(KeyId::kgKey); }
void CQuibraDlg::OnButtonOz() { unitKey(KeyId::ozKey); }
void CQuibraDlg::OnButtonLb() { unitKey(KeyId::lbKey); }
void CQuibraDlg::OnButtonMl() { unitKey(KeyId::mlKey); }
void CQuibraDlg::OnButtonL() { unitKey(KeyId::lKey); }
void CQuibraDlg::OnButtonFloz() { unitKey(KeyId::flOzKey); }
void CQuibraDlg::OnButtonGal() { unitKey(KeyId::galKey); }
void CQuibraDlg::OnButtonYen() { unitKey(KeyId::yenKey); }
void CQuibraDlg::OnButtonDollar() { unitKey(KeyId::dollarKey); }

std::optional<KeyId> CQuibraDlg::waitingKey() const
{
    const auto waiting = std::find_if(unitKeys.begin(), unitKeys.end(),
                                      [this](KeyId key) { return unitCodeOf(key) == unitCode; });
    return waiting == unitKeys.end() ? std::nullopt : std::optional(*waiting);
}

// Every unit and currency key but ft: the first press names the source,
// a press of another key of the same quantity converts, any other press
// shows the kept value again.
void CQuibraDlg::unitKey(KeyId key)
{
    pressFeedback(key);
    readDisplay();
    const Quantity quantity = quantityOfKey(key);
    if (quantity == Quantity::money && !tryTakeRate())
        return;

    const int code = unitCodeOf(key);
    if (unitCode == unit::none) {
        firstUnitPress(key);
    } else if (quantityOf(unitCode) == quantity && unitCode != code) {
        if (code == unit::inch && unitCode == unit::feet && entering == 1) {
            // Feet and inches typed as 5 ft 7 inch: the inches join the
            // feet, and inch becomes the pending source.
            unitValue = (unitValue * 12.0) + leadingNumber(displayText);
            unitCode = unit::inch;
        } else {
            unitValue = convert(unitCode, code, unitValue, yenPerDollar);
            unitCode = unit::none;
            enableAllUnitKeys();
        }
    } else if (unitCode == code && (key == KeyId::mileKey || key == KeyId::lbKey)) {
        enableAllUnitKeys();
    }
    showValue(unitValue);
    resetEntry();
}

void CQuibraDlg::firstUnitPress(KeyId key)
{
    const Quantity quantity = quantityOfKey(key);
    for (const KeyId other : unitKeys)
        if (quantityOfKey(other) != quantity)
            panel_->setKeyEnabled(other, false);
    unitValue = leadingNumber(displayText);
    unitCode = unitCodeOf(key);
}

void CQuibraDlg::feetKey()
{
    pressFeedback(KeyId::ftKey);
    readDisplay();
    if (unitCode == unit::none) {
        firstUnitPress(KeyId::ftKey);
        // The next figure typed is the inches of a feet-and-inches entry.
        entering = 0;
    } else if (unitCode == unit::inch) {
        // From inches, ft shows decimal feet.
        unitValue = convert(unitCode, unit::feet, unitValue);
        showValue(unitValue);
        unitCode = unit::none;
        resetEntry();
        enableAllUnitKeys();
        return;
    } else if (quantityOf(unitCode) == Quantity::length && unitCode != unit::feet) {
        unitValue = convert(unitCode, unit::feet, unitValue);
        unitCode = unit::none;
        enableAllUnitKeys();
    }
    feetKeyUsed = 1;
    if (unitCode != unit::none) {
        showNumberText(formatNumber(unitValue));
    } else {
        showFeetAndInches();
    }
    resetEntry();
}

// 7.5 ft shows as 7' 6", -4.5 ft as -4' -6".
void CQuibraDlg::showFeetAndInches()
{
    const double feet = std::trunc(unitValue);
    constexpr double intMin = std::numeric_limits<int>::min();
    constexpr double intMax = std::numeric_limits<int>::max();
    if (!(feet >= intMin && feet <= intMax)) {
        // Beyond two thousand million feet (or not a number at all) the
        // inches say nothing, and whole feet fit no int: show the decimal
        // feet with the foot mark.
        std::string text = formatForDisplay(unitValue);
        if (std::isfinite(unitValue)) {
            if (text.ends_with('.'))
                text.pop_back();
            text += '\'';
        }
        showNumberText(std::move(text));
        return;
    }
    wholeFeet = static_cast<int>(feet);
    remainderInches = (unitValue - wholeFeet) * 12.0;

    // A whole number of feet always formats with a trailing point.
    scratchText = formatNumber(wholeFeet);
    scratchText.back() = '\'';
    scratchText += ' ';
    std::string inches = formatNumber(remainderInches);
    if (inches.ends_with('.'))
        inches.back() = '"';
    else
        inches += '"';
    std::string text = scratchText + inches;
    if (text.size() > 18) {
        text.resize(16);
        text += '"';
    }
    showNumberText(std::move(text));
}
