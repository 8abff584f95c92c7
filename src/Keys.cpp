// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Keys.h"

#include "QuibraDlg.h"
#include "Translatable.h"

#include <algorithm>

namespace {

// Keypad rows: the upper block's keys are 13 high, the lower block's 17.
constexpr int smallKey = 13;
constexpr int largeKey = 17;
constexpr DialogRect at(int x, int y) { return {x, y, 20, y < 120 ? smallKey : largeKey}; }

using D = CQuibraDlg;
using C = std::array<char32_t, 2>;
constexpr C none{};

// Accessible names, and captions in Japanese forms (the full-width signs and
// the half-width kana mark before C and F), are translated by the window
// under the context "Keys".
// clang-format off
constexpr std::array<KeySpec, keyCount> table{{
    {KeyId::key0, "key0", "0", "0", at(5, 180), &D::OnButton0, 0, C{U'0'}},
    {KeyId::key1, "key1", "1", "1", at(5, 160), &D::OnButton1, 0, C{U'1'}},
    {KeyId::key2, "key2", "2", "2", at(29, 160), &D::OnButton2, 0, C{U'2'}},
    {KeyId::key3, "key3", "3", "3", at(53, 160), &D::OnButton3, 0, C{U'3'}},
    {KeyId::key4, "key4", "4", "4", at(5, 140), &D::OnButton4, 0, C{U'4'}},
    {KeyId::key5, "key5", "5", "5", at(29, 140), &D::OnButton5, 0, C{U'5'}},
    {KeyId::key6, "key6", "6", "6", at(53, 140), &D::OnButton6, 0, C{U'6'}},
    {KeyId::key7, "key7", "7", "7", at(5, 120), &D::OnButton7, 0, C{U'7'}},
    {KeyId::key8, "key8", "8", "8", at(29, 120), &D::OnButton8, 0, C{U'8'}},
    {KeyId::key9, "key9", "9", "9", at(53, 120), &D::OnButton9, 0, C{U'9'}},
    {KeyId::pointKey, "pointKey", translatable("Keys", "．"), translatable("Keys", "小数点"), at(29, 180), &D::OnButtonPeriod, 0, C{U'.'}},
    {KeyId::signKey, "signKey", "+/-", translatable("Keys", "符号反転"), at(53, 180), &D::OnButtonSign, 0, C{U' '}},
    {KeyId::backKey, "backKey", "→", translatable("Keys", "一文字消去"), at(101, 51), &D::OnButtonBack, rightKeyCode, C{U'\b'}},
    {KeyId::clearKey, "clearKey", "CLR", translatable("Keys", "クリア"), at(101, 35), &D::OnButtonClr, deleteKeyCode, none},
    {KeyId::addKey, "addKey", translatable("Keys", "＋"), translatable("Keys", "足す"), at(77, 160), &D::OnButtonAdd, 0, C{U'+'}},
    {KeyId::subtractKey, "subtractKey", translatable("Keys", "－"), translatable("Keys", "引く"), at(101, 160), &D::OnButtonSub, 0, C{U'-'}},
    {KeyId::multiplyKey, "multiplyKey", "×", translatable("Keys", "掛ける"), at(77, 140), &D::OnButtonMulti, 0, C{U'*'}},
    {KeyId::divideKey, "divideKey", "÷", translatable("Keys", "割る"), at(101, 140), &D::OnButtonDiv, 0, C{U'/'}},
    {KeyId::equalsKey, "equalsKey", translatable("Keys", "＝"), translatable("Keys", "イコール"), {77, 180, 44, largeKey}, &D::OnButtonEqual, enterKeyCode, C{U'='}},
    {KeyId::swapKey, "swapKey", "a⇔b", translatable("Keys", "入れ替え"), at(101, 67), &D::OnButtonSwap, 0, none},
    {KeyId::celsiusKey, "celsiusKey", translatable("Keys", "ﾟC"), translatable("Keys", "摂氏"), at(5, 35), &D::OnButtonCelsius, 0, C{U'C', U'c'}},
    {KeyId::fahrenheitKey, "fahrenheitKey", translatable("Keys", "ﾟF"), translatable("Keys", "華氏"), at(29, 35), &D::OnButtonFahrenheit, 0, C{U'F', U'f'}},
    {KeyId::mmKey, "mmKey", "mm", translatable("Keys", "ミリメートル"), at(5, 51), &D::OnButtonMm, 0, none},
    {KeyId::cmKey, "cmKey", "cm", translatable("Keys", "センチメートル"), at(29, 51), &D::OnButtonCm, 0, none},
    {KeyId::mKey, "mKey", "m", translatable("Keys", "メートル"), at(53, 51), &D::OnButtonM, 0, none},
    {KeyId::kmKey, "kmKey", "km", translatable("Keys", "キロメートル"), at(77, 51), &D::OnButtonKm, 0, none},
    {KeyId::inchKey, "inchKey", "inch", translatable("Keys", "インチ"), at(5, 67), &D::OnButtonInch, 0, none},
    {KeyId::ftKey, "ftKey", "ft", translatable("Keys", "フィート"), at(29, 67), &D::OnButtonFt, 0, none},
    {KeyId::ydKey, "ydKey", "yd", translatable("Keys", "ヤード"), at(53, 67), &D::OnButtonYd, 0, none},
    {KeyId::mileKey, "mileKey", "mile", translatable("Keys", "マイル"), at(77, 67), &D::OnButtonMile, 0, none},
    {KeyId::gKey, "gKey", "g", translatable("Keys", "グラム"), at(5, 83), &D::OnButtonG, 0, none},
    {KeyId::kgKey, "kgKey", "kg", translatable("Keys", "キログラム"), at(29, 83), &D::OnButtonKg, 0, none},
    {KeyId::ozKey, "ozKey", "oz", translatable("Keys", "オンス"), at(53, 83), &D::OnButtonOz, 0, none},
    {KeyId::lbKey, "lbKey", "lb", translatable("Keys", "ポンド"), at(77, 83), &D::OnButtonLb, 0, none},
    {KeyId::mlKey, "mlKey", "ml", translatable("Keys", "ミリリットル"), at(5, 99), &D::OnButtonMl, 0, none},
    {KeyId::lKey, "lKey", "l", translatable("Keys", "リットル"), at(29, 99), &D::OnButtonL, 0, none},
    {KeyId::flOzKey, "flOzKey", "fl oz", translatable("Keys", "液量オンス"), at(53, 99), &D::OnButtonFloz, 0, none},
    {KeyId::galKey, "galKey", "gal", translatable("Keys", "ガロン"), at(77, 99), &D::OnButtonGal, 0, none},
    // 92 is the yen key of Japanese keyboards; some report it as U+00A5.
    {KeyId::yenKey, "yenKey", translatable("Keys", "￥"), translatable("Keys", "円"), at(77, 120), &D::OnButtonYen, 0, C{U'\\', U'\u00A5'}},
    {KeyId::dollarKey, "dollarKey", "$", translatable("Keys", "ドル"), at(101, 120), &D::OnButtonDollar, 0, C{U'$'}},
    {KeyId::rateKey, "rateKey", "Rate", translatable("Keys", "為替レート設定"), at(101, 99), &D::OnButtonRate, 0, C{U'R', U'r'}},
}};
// clang-format on

static_assert(std::all_of(table.begin(), table.end(),
                          [](const KeySpec& key) {
                              return &key == &table[static_cast<std::size_t>(keyIndex(key.id))];
                          }),
              "the key table is indexed by KeyId");

template <typename Match>
std::optional<KeyId> findKey(Match match)
{
    const auto found = std::find_if(table.begin(), table.end(), match);
    if (found == table.end())
        return std::nullopt;
    return found->id;
}

} // namespace

std::span<const KeySpec, keyCount> allKeys() { return table; }

const KeySpec& keySpec(KeyId key) { return table[static_cast<std::size_t>(keyIndex(key))]; }

std::optional<KeyId> keyByName(std::string_view name)
{
    return findKey([name](const KeySpec& key) { return key.name == name; });
}

std::optional<KeyId> keyForKeyCode(int keyCode)
{
    if (keyCode == 0)
        return std::nullopt;
    return findKey([keyCode](const KeySpec& key) { return key.keyCode == keyCode; });
}

std::optional<KeyId> keyForCharacter(char32_t character)
{
    if (character == 0)
        return std::nullopt;
    return findKey([character](const KeySpec& key) {
        return std::find(key.characters.begin(), key.characters.end(), character) !=
               key.characters.end();
    });
}
