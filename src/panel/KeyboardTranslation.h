// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QuibraDlg.h"

#include <QString>

#include <optional>
#include <vector>

class QKeyEvent;

// What a Qt key event is in the converter's keyboard tables: a Qt key event
// carries the key press and the character it types together.

// The key presses of the keyboard table: Enter and keypad Enter, Right, Delete.
std::optional<KeyboardMessage> keyPressMessage(const QKeyEvent& event);
// The characters the event types. The numeric keypad types like the main
// keyboard, and its decimal key types the point also where the layout
// reports a comma. With Ctrl, Alt or Meta held nothing is typed.
std::vector<KeyboardMessage> characterMessages(const QKeyEvent& event);

// The keys that run a key of the panel, as its tooltip and accessible
// description tell them: its characters and key of the keyboard tables,
// then the way every key can be pressed.
QString shortcutText(const KeySpec& key);
