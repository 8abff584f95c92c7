// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

class CQuibraDlg;

// The 41 keys of the panel. The twenty unit and currency keys form one run,
// celsiusKey to dollarKey, in the order in which every listing shows them.
// clang-format off
enum class KeyId : std::uint8_t {
    key0, key1, key2, key3, key4, key5, key6, key7, key8, key9,
    pointKey, signKey, backKey, clearKey,
    addKey, subtractKey, multiplyKey, divideKey, equalsKey, swapKey,
    celsiusKey, fahrenheitKey,
    mmKey, cmKey, mKey, kmKey, inchKey, ftKey, ydKey, mileKey,
    gKey, kgKey, ozKey, lbKey,
    mlKey, lKey, flOzKey, galKey,
    yenKey, dollarKey,
    rateKey,
};
// clang-format on

inline constexpr int keyCount = 41;
inline constexpr int unitKeyCount = 20;

constexpr int keyIndex(KeyId key) { return static_cast<int>(key); }
constexpr KeyId keyAt(int index) { return static_cast<KeyId>(index); }
constexpr KeyId digitKey(int digit) { return keyAt(keyIndex(KeyId::key0) + digit); }
constexpr bool isUnitKey(KeyId key) { return key >= KeyId::celsiusKey && key <= KeyId::dollarKey; }
// Position among the twenty unit keys, 0 for celsiusKey.
constexpr int unitKeyIndex(KeyId key) { return keyIndex(key) - keyIndex(KeyId::celsiusKey); }
constexpr KeyId unitKeyAt(int index) { return keyAt(keyIndex(KeyId::celsiusKey) + index); }
// The twenty unit keys in listing order.
inline constexpr std::array<KeyId, unitKeyCount> unitKeys = [] {
    std::array<KeyId, unitKeyCount> keys{};
    for (int i = 0; i < unitKeyCount; ++i)
        keys[static_cast<std::size_t>(i)] = unitKeyAt(i);
    return keys;
}();

// Positions and sizes in dialog units of the panel's layout.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

using KeyHandler = void (CQuibraDlg::*)();

struct KeySpec {
    KeyId id;
    std::string_view name;           // objectName in the window, token in quibra-replay
    std::string_view caption;        // UTF-8, exactly as the key shows it in Japanese
    std::string_view accessibleName; // what a screen reader speaks, in Japanese
    DialogRect rect;
    KeyHandler handler;
    int keyCode;                        // key-press code that runs it, 0 for none
    std::array<char32_t, 2> characters; // typed characters that run it, 0 for none
};

std::span<const KeySpec, keyCount> allKeys();
const KeySpec& keySpec(KeyId key);
std::optional<KeyId> keyByName(std::string_view name);
// The key codes of the keyboard table's key presses.
inline constexpr int enterKeyCode = 13;
inline constexpr int rightKeyCode = 39;
inline constexpr int deleteKeyCode = 46;

// The keyboard tables: a key press by its code, a typed character by its code.
std::optional<KeyId> keyForKeyCode(int keyCode);
std::optional<KeyId> keyForCharacter(char32_t character);

// The panel's other controls.
inline constexpr DialogRect clientArea{0, 0, 126, 205};
inline constexpr DialogRect displayRect{23, 9, 98, 18};
inline constexpr DialogRect rateBoxRect{101, 83, 20, 13};
inline constexpr DialogRect iconRect{3, 8, 20, 20};
