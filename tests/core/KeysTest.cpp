// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuibraDlg.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(KeyTable, NamesIdsAndPlacesAreUnique)
{
    std::set<std::string_view> names;
    std::set<int> ids;
    std::set<std::pair<int, int>> places;
    for (const auto& key : allKeys()) {
        names.insert(key.name);
        ids.insert(key.controlId);
        places.insert({key.rect.x, key.rect.y});
        EXPECT_EQ(keyByName(key.name), key.id);
        EXPECT_EQ(keyByControlId(key.controlId), key.id);
        EXPECT_NE(key.handler, nullptr);
        EXPECT_FALSE(key.caption.empty());
        EXPECT_FALSE(key.accessibleName.empty());
        // Inside the client area, clear of the display row.
        EXPECT_GE(key.rect.y, displayRect.y + displayRect.height);
        EXPECT_LE(key.rect.x + key.rect.width, clientArea.width);
        EXPECT_LE(key.rect.y + key.rect.height, clientArea.height);
    }
    EXPECT_EQ(names.size(), 41u);
    EXPECT_EQ(ids.size(), 41u);
    EXPECT_EQ(places.size(), 41u);
    EXPECT_FALSE(ids.contains(1007));
    EXPECT_FALSE(keyByName("display"));
}

TEST(KeyTable, KeyboardTables)
{
    const std::pair<int, KeyId> keyCodes[] = {
        {13, KeyId::equalsKey}, {39, KeyId::backKey}, {46, KeyId::clearKey}};
    for (const auto& [code, key] : keyCodes)
        EXPECT_EQ(keyForKeyCode(code), key) << code;
    for (const int code : {0, 8, 27, 37, 48, 65, 112})
        EXPECT_FALSE(keyForKeyCode(code)) << code;

    const std::pair<char32_t, KeyId> characters[] = {
        {8, KeyId::backKey},      {32, KeyId::signKey},       {36, KeyId::dollarKey},
        {42, KeyId::multiplyKey}, {43, KeyId::addKey},        {45, KeyId::subtractKey},
        {46, KeyId::pointKey},    {47, KeyId::divideKey},     {48, KeyId::key0},
        {57, KeyId::key9},        {61, KeyId::equalsKey},     {67, KeyId::celsiusKey},
        {99, KeyId::celsiusKey},  {70, KeyId::fahrenheitKey}, {102, KeyId::fahrenheitKey},
        {82, KeyId::rateKey},     {114, KeyId::rateKey},      {92, KeyId::yenKey},
        {0xA5, KeyId::yenKey},
    };
    for (const auto& [code, key] : characters)
        EXPECT_EQ(keyForCharacter(code), key) << static_cast<int>(code);
    for (const char32_t code : {U'a', U'A', U'x', U'm', U'g', U',', U'%', U'(', U'\r', U'\''})
        EXPECT_FALSE(keyForCharacter(code)) << static_cast<int>(code);
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(keyForCharacter(U'0' + static_cast<char32_t>(digit)), keyAt(digit));
}

TEST(KeyTable, UnitKeysInListingOrder)
{
    const char* names[] = {"celsiusKey", "fahrenheitKey", "mmKey",  "cmKey",  "mKey",
                           "kmKey",      "inchKey",       "ftKey",  "ydKey",  "mileKey",
                           "gKey",       "kgKey",         "ozKey",  "lbKey",  "mlKey",
                           "lKey",       "flOzKey",       "galKey", "yenKey", "dollarKey"};
    for (int i = 0; i < unitKeyCount; ++i) {
        EXPECT_EQ(keySpec(unitKeyAt(i)).name, names[i]);
        EXPECT_TRUE(isUnitKey(unitKeyAt(i)));
    }
    EXPECT_FALSE(isUnitKey(KeyId::rateKey));
    EXPECT_FALSE(isUnitKey(KeyId::swapKey));
}

} // namespace
