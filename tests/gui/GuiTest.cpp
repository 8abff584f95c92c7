// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuiTest.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::unique_ptr<QuibraWindow> openWindow()
{
    auto window = std::make_unique<QuibraWindow>();
    window->initDialog();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the window was not exposed");
    return window;
}

QPushButton* keyButton(const QWidget& window, const QString& name)
{
    auto* button = window.findChild<QPushButton*>(name);
    if (button == nullptr)
        qFatal("no key named %s", qPrintable(name));
    return button;
}

QLineEdit* textField(const QWidget& window, const QString& name)
{
    return window.findChild<QLineEdit*>(name);
}

QString displayText(const QWidget& window)
{
    return textField(window, QStringLiteral("display"))->text();
}

void clickKeys(const QWidget& window, const QString& names)
{
    for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QTest::mouseClick(keyButton(window, name), Qt::LeftButton);
}

Keystroke typed(char character)
{
    const char upper = static_cast<char>(QChar::toUpper(static_cast<char32_t>(character)));
    return {upper, {}, QString(QLatin1Char(character))};
}

Keystroke keypad(char character)
{
    Keystroke keystroke = typed(character);
    keystroke.modifiers = Qt::KeypadModifier;
    return keystroke;
}

Keystroke pressed(int key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    return {key, modifiers, text};
}

void strike(const QWidget& window, const Keystroke& keystroke)
{
    QWidget* target =
        window.focusWidget() != nullptr ? window.focusWidget() : const_cast<QWidget*>(&window);
    QKeyEvent press(QEvent::KeyPress, keystroke.key, keystroke.modifiers, keystroke.text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, keystroke.key, keystroke.modifiers, keystroke.text);
    QApplication::sendEvent(target, &release);
}
