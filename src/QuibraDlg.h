// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Keys.h"
#include "Panel.h"
#include "core/NumberText.h"

#include <optional>
#include <string>
#include <string_view>

// A keyboard message as the window's keyboard filter sees it.
struct KeyboardMessage {
    enum class Kind { keyPress, character };
    Kind kind;
    char32_t code; // key code for a key press, character code for a character
};

// The whole converter: calculator, unit selection and currency. It reaches
// the screen only through its Panel. Only the key handlers change its
// fields.
class CQuibraDlg {
public:
    explicit CQuibraDlg(Panel& panel);
    CQuibraDlg& operator=(const CQuibraDlg&) = delete;

    // Window initialisation: the first display, then the rate file.
    void initDialog();
    // A click on a key: runs its handler (the window ignores clicks on
    // disabled keys before they get here).
    void press(KeyId key);
    // Runs the key that a keyboard message maps to, whether or not the key
    // is enabled; returns whether the message was handled.
    bool keyboardFilter(const KeyboardMessage& message);
    // A number pasted from the clipboard (UTF-8): typed on the keys, digit by
    // digit, then the sign key if it is negative, all at once (without the
    // keys' pushed look). Anything that is not one
    // number, or a number that the keys would not take whole, brings a
    // message and changes nothing.
    void paste(std::string_view text);
    // The unit key whose unit waits for its target, if one does.
    std::optional<KeyId> waitingKey() const;

    // Key handlers.
    void OnButton0();
    void OnButton1();
    void OnButton2();
    void OnButton3();
    void OnButton4();
    void OnButton5();
    void OnButton6();
    void OnButton7();
    void OnButton8();
    void OnButton9();
    void OnButtonPeriod();
    void OnButtonSign();
    void OnButtonBack();
    void OnButtonClr();
    void OnButtonAdd();
    void OnButtonSub();
    void OnButtonMulti();
    void OnButtonDiv();
    void OnButtonEqual();
    void OnButtonSwap();
    void OnButtonCelsius();
    void OnButtonFahrenheit();
    void OnButtonMm();
    void OnButtonCm();
    void OnButtonM();
    void OnButtonKm();
    void OnButtonInch();
    void OnButtonFt();
    void OnButtonYd();
    void OnButtonMile();
    void OnButtonG();
    void OnButtonKg();
    void OnButtonOz();
    void OnButtonLb();
    void OnButtonMl();
    void OnButtonL();
    void OnButtonFloz();
    void OnButtonGal();
    void OnButtonYen();
    void OnButtonDollar();
    void OnButtonRate();

    // Room of the number text, terminator included: no text longer than
    // numberCapacity - 1 characters is ever made (only point mode, which
    // the digit keys guard, makes texts longer than the display's 17).
    static constexpr int numberCapacity = 38;
    static constexpr int rateTextCapacity = 6;

    // The converter state.
    const std::string* numberText = nullptr; // numberBuffer once a number is shown
    std::string scratchText;                 // transient inside one key
    std::string numberBuffer;                // what the display shows
    std::string rateText;                    // "rate.dat" as read at start-up
    double entryValue = 0;                   // magnitude of the whole number being typed
    double unitValue = 0;
    double accumulator = 0;
    double operand = 0;
    double yenPerDollar = 0;
    double remainderInches = 0;
    int wholeFeet = 0;
    int textLength = 0;
    int pendingOperator = 0;
    int precision = displayPrecision;
    int entering = 0;
    int pointEntered = 0;
    int entrySign = 1;
    int unitCode = 0;
    int operatorPending = 0;
    int lengthLimit = 0;
    int feetKeyUsed = 0;
    int rateFile = -1; // descriptor, open only inside one read or write
    std::string displayText = " ";
    std::string rateBoxText;

private:
    // A copy on which a paste is tried out (Paste.cpp).
    CQuibraDlg(const CQuibraDlg&) = default;

    // Shared operations.
    void pressFeedback(KeyId key);
    std::string formatNumber(double value) const;
    void showValue(double value);
    void resetEntry();
    void enableAllUnitKeys();
    void readDisplay();
    void writeDisplay(std::string_view text);
    void readRateBox();
    void writeRateBox(std::string_view text);
    // The text becomes the number text and the display's.
    void showNumberText(std::string text);
    void showMessage(std::string_view text, MessageIcon icon);

    // Number entry.
    void enterDigit(int digit);
    void readLengthLimit();

    // Arithmetic.
    void operatorKey(KeyId key, void (CQuibraDlg::*routine)(), int code);
    std::optional<double> completeCalculation(double x, std::string_view divideByZero);
    void applyAddSub();
    void applyMulDiv();
    void endTypedNumber();
    void clearCalculation();

    // Unit selection.
    void unitKey(KeyId key);
    void firstUnitPress(KeyId key);
    void feetKey();
    void showFeetAndInches();
    bool tryTakeRate();

    // Currency.
    void readRateFile();
    void writeRateFile(std::string_view rate);
    bool tryWriteRateFile(std::string_view rate);

    Panel* panel_;
};
