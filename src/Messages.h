// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Translatable.h"

#include <string_view>

// The message boxes of the converter. "\n" is a line break in the box. The
// window shows them translated under the context "Messages".
namespace message {

inline constexpr std::string_view inputLimit = translatable("Messages", "これ以上入力できません。");
// The operator keys and the equals key word the refusal differently.
inline constexpr std::string_view divideByZeroAtOperator =
    translatable("Messages", "0では割れません");
inline constexpr std::string_view divideByZeroAtEquals =
    translatable("Messages", "0では割れません。");

inline constexpr std::string_view rateNotEntered = translatable(
    "Messages",
    "為替レート（円）を設定・変更するには、\n数値を入力して［Rate］ボタンを押してください。");
inline constexpr std::string_view rateWrongForm =
    translatable("Messages", "為替レートを円で設定してください。\n十銭単位まで設定できます。");
inline constexpr std::string_view rateCompletedWithZero = translatable(
    "Messages", "為替レートは、十銭単位まで設定できます。\n入力しない場合、０を設定します。");
inline constexpr std::string_view rateCut = translatable(
    "Messages", "設定できる為替レートは、十銭単位までです。\n一銭単位は切り捨てられます。");
inline constexpr std::string_view rateNotSaved =
    translatable("Messages", "為替レートをファイルに保存できませんでした。");
inline constexpr std::string_view rateMissing =
    translatable("Messages", "為替レート（円）を入力してください。");

inline constexpr std::string_view pasteNotANumber =
    translatable("Messages", "クリップボードの内容は数値ではありません。");

} // namespace message
