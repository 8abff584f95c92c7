// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "QuibraWindow.h"

#include <QByteArray>
#include <QDir>
#include <QKeyEvent>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QLineEdit;
class QPushButton;

// A fresh, empty working directory for one test: the program reads and
// writes "rate.dat" and "QuibraHelp.txt" in the working directory.
class ScratchDirectory {
public:
    ScratchDirectory()
        : previous_(QDir::currentPath())
    {
        QDir::setCurrent(directory_.path());
    }
    ~ScratchDirectory() { QDir::setCurrent(previous_); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
    QTemporaryDir directory_;
    QString previous_;
};

void writeFile(const QString& name, const QByteArray& bytes);

// The window after its initialisation, shown and exposed.
std::unique_ptr<QuibraWindow> openWindow();

QPushButton* keyButton(const QWidget& window, const QString& name);
QLineEdit* textField(const QWidget& window, const QString& name);
QString displayText(const QWidget& window);
// Clicks the keys named in `names`, separated by blanks, with the mouse.
void clickKeys(const QWidget& window, const QString& names);

// A key as the keyboard reports it: key, modifiers and the text it types.
struct Keystroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};
Keystroke typed(char character); // a key of the main keyboard
Keystroke keypad(char character);
Keystroke pressed(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {});
// Sends the press and release to the widget that has the focus, through
// the whole event delivery, as the window system would.
void strike(const QWidget& window, const Keystroke& keystroke);
