// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's keyboard: the keyboard tables, through the converter's
// filter, and the keys beyond them.

#include "KeyButton.h"
#include "KeyNavigation.h"
#include "KeyboardTranslation.h"
#include "QuibraWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

bool QuibraWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    return handleKey(*static_cast<QKeyEvent*>(event));
}

bool QuibraWindow::handleKey(const QKeyEvent& event)
{
    if (handleConvenienceKey(event))
        return true;
    bool handled = false;
    const std::vector<KeyboardMessage> characters = characterMessages(event);
    // A screen reader echoes the digit or point typed; the number it extends
    // need not be said again.
    const std::optional<KeyId> typed =
        characters.size() == 1 ? keyForCharacter(characters[0].code) : std::nullopt;
    const bool echoed = typed && keyIndex(*typed) <= keyIndex(KeyId::pointKey);
    runConverter(
        [&] {
            if (const auto message = keyPressMessage(event))
                handled = dlg_.keyboardFilter(*message);
            if (!handled)
                for (const KeyboardMessage& message : characters)
                    handled = dlg_.keyboardFilter(message) || handled;
        },
        !echoed);
    return handled;
}

// The keys beyond the keyboard tables: none of them types a character that
// the tables take.
bool QuibraWindow::handleConvenienceKey(const QKeyEvent& event)
{
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int pressed = event.key();
    if (event.matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(display_->text());
    } else if (event.matches(QKeySequence::Paste)) {
        const QString text = QGuiApplication::clipboard()->text();
        runConverter([&] { dlg_.paste(text.toStdString()); });
    } else if (pressed == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        openHelp();
    } else if (pressed == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        // The X11 platform turns the Menu key into a context-menu event itself.
        openSystemMenu(mapToGlobal(QPoint(0, 0)), true);
    } else if ((pressed == Qt::Key_Return || pressed == Qt::Key_Enter) &&
               modifiers == Qt::ControlModifier) {
        // Space, which presses a focused button elsewhere, is the sign key.
        if (auto* focused = qobject_cast<KeyButton*>(focusWidget());
            focused && focused->isEnabled())
            runConverter([&] { dlg_.press(keyOf(focused)); });
    } else if ((pressed == Qt::Key_Up || pressed == Qt::Key_Down || pressed == Qt::Key_Left) &&
               modifiers == Qt::NoModifier) {
        // Right is the erase key.
        if (focusWidget() != nullptr)
            if (QWidget* next = neighbour({keys_.begin(), keys_.end()}, focusWidget(), pressed))
                next->setFocus(Qt::TabFocusReason);
    } else {
        return false;
    }
    return true;
}
