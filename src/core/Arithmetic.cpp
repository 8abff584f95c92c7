// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"
#include "QuibraDlg.h"
#include "core/NumberText.h"

namespace {

constexpr int noOperator = 0;
constexpr int addOperator = 1;
constexpr int subtractOperator = 2;
constexpr int multiplyOperator = 3;
constexpr int divideOperator = 4;

// The sum in front of a chain of x and /, joined with the chain's value.
double joinChain(int operatorPending, double accumulator, double chain)
{
    switch (operatorPending) {
    case addOperator:
        return accumulator + chain;
    case subtractOperator:
        return accumulator - chain;
    default:
        return chain;
    }
}

} // namespace

void CQuibraDlg::OnButtonAdd()
{
    operatorKey(KeyId::addKey, &CQuibraDlg::applyAddSub, addOperator);
}
void CQuibraDlg::OnButtonSub()
{
    operatorKey(KeyId::subtractKey, &CQuibraDlg::applyAddSub, subtractOperator);
}
void CQuibraDlg::OnButtonMulti()
{
    operatorKey(KeyId::multiplyKey, &CQuibraDlg::applyMulDiv, multiplyOperator);
}
void CQuibraDlg::OnButtonDiv()
{
    operatorKey(KeyId::divideKey, &CQuibraDlg::applyMulDiv, divideOperator);
}

void CQuibraDlg::operatorKey(KeyId key, void (CQuibraDlg::*routine)(), int code)
{
    pressFeedback(key);
    // With no number typed since the last operator, the display value
    // starts afresh: a second operator key replaces the first.
    if (entering != 1)
        pendingOperator = noOperator;
    // The routine ends the typed number.
    (this->*routine)();
    pendingOperator = code;
}

// The pending calculation completed with x as its last number, or nothing
// when that would divide by zero (the refusal is shown).
std::optional<double> CQuibraDlg::completeCalculation(double x, std::string_view divideByZero)
{
    switch (pendingOperator) {
    case addOperator:
        return operand + x;
    case subtractOperator:
        return operand - x;
    case multiplyOperator:
        return joinChain(operatorPending, accumulator, x * operand);
    case divideOperator:
        if (x == 0) {
            showMessage(divideByZero, MessageIcon::stop);
            return std::nullopt;
        }
        return joinChain(operatorPending, accumulator, operand / x);
    default:
        return x;
    }
}

void CQuibraDlg::applyAddSub()
{
    readDisplay();
    const double x = leadingNumber(displayText);
    operand = completeCalculation(x, message::divideByZeroAtOperator).value_or(operand);
    showValue(operand);
    endTypedNumber();
}

void CQuibraDlg::applyMulDiv()
{
    readDisplay();
    const double x = leadingNumber(displayText);
    switch (pendingOperator) {
    case noOperator:
        operand = x;
        operatorPending = noOperator;
        break;
    case addOperator:
    case subtractOperator:
        accumulator = operand;
        operand = x;
        operatorPending = pendingOperator;
        break;
    case multiplyOperator:
        operand = x * operand;
        break;
    case divideOperator:
        if (x == 0)
            showMessage(message::divideByZeroAtOperator, MessageIcon::stop);
        else
            operand = operand / x;
    }
    showValue(operand);
    endTypedNumber();
}

// The next digit or point starts a new number, and gives it its sign.
void CQuibraDlg::endTypedNumber()
{
    entering = 0;
    pointEntered = 0;
    entryValue = 0;
}

void CQuibraDlg::OnButtonEqual()
{
    pressFeedback(KeyId::equalsKey);
    if (entering == 1) {
        readDisplay();
        const double x = leadingNumber(displayText);
        if (pendingOperator == noOperator && feetKeyUsed == 1) {
            // Once the ft key has been used, equals leaves the typed text on
            // the display as it is, and the unit keys as they are.
            clearCalculation();
            return;
        }
        accumulator = completeCalculation(x, message::divideByZeroAtEquals).value_or(accumulator);
        showValue(accumulator);
    }
    clearCalculation();
    enableAllUnitKeys();
}

// What equals and CLR both reset: the calculation, the entry and the waiting
// unit. The entry's sign stays (the next number sets it), and so do the unit
// value and feetKeyUsed (which CLR alone clears).
void CQuibraDlg::clearCalculation()
{
    entering = 0;
    pointEntered = 0;
    unitCode = 0;
    pendingOperator = noOperator;
    operatorPending = noOperator;
    operand = 0;
    accumulator = 0;
    entryValue = 0;
}

void CQuibraDlg::OnButtonSwap()
{
    if (pendingOperator == noOperator || entering != 1)
        return;
    readDisplay();
    const std::string typed = displayText;
    showValue(operand);
    operand = leadingNumber(typed);
}
