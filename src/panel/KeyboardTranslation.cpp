// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardTranslation.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <array>

namespace {

struct KeyCode {
    int qtKey;
    char32_t code;
};

constexpr std::array<KeyCode, 4> keyCodes{{
    {Qt::Key_Return, enterKeyCode},
    {Qt::Key_Enter, enterKeyCode},
    {Qt::Key_Right, rightKeyCode},
    {Qt::Key_Delete, deleteKeyCode},
}};

QString characterName(char32_t character)
{
    switch (character) {
    case U'\b':
        return QCoreApplication::translate("KeyboardTranslation", "BackSpace");
    case U' ':
        return QCoreApplication::translate("KeyboardTranslation", "Space");
    case U'\'':
        return QStringLiteral("'");
    default:
        return QString::fromUcs4(&character, 1);
    }
}

} // namespace

QString shortcutText(const KeySpec& key)
{
    QStringList keys;
    if (key.keyCode == enterKeyCode)
        keys << QCoreApplication::translate("KeyboardTranslation", "Enter");
    if (key.keyCode == rightKeyCode)
        keys << QCoreApplication::translate("KeyboardTranslation", "→") << QStringLiteral("'");
    if (key.keyCode == deleteKeyCode)
        keys << QCoreApplication::translate("KeyboardTranslation", "Delete");
    for (const char32_t character : key.characters)
        if (character != 0)
            keys << characterName(character);
    keys << QCoreApplication::translate("KeyboardTranslation", "フォーカスして Ctrl+Enter");
    return QCoreApplication::translate("KeyboardTranslation", "キーボード: %1")
        .arg(keys.join(QStringLiteral(", ")));
}

std::optional<KeyboardMessage> keyPressMessage(const QKeyEvent& event)
{
    for (const KeyCode& key : keyCodes)
        if (key.qtKey == event.key())
            return KeyboardMessage{KeyboardMessage::Kind::keyPress, key.code};
    return std::nullopt;
}

std::vector<KeyboardMessage> characterMessages(const QKeyEvent& event)
{
    std::vector<KeyboardMessage> messages;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return messages;
    QString text = event.text();
    // German and other layouts label the keypad's decimal key with a comma.
    if ((event.modifiers() & Qt::KeypadModifier) && text == QLatin1String(","))
        text = QStringLiteral(".");
    for (const char32_t character : text.toUcs4())
        messages.push_back({KeyboardMessage::Kind::character, character});
    return messages;
}
