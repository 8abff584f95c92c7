// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuiTest.h"
#include "ModalWatcher.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(QList<Keystroke>)

// The keyboard tables, Enter, Esc and Ctrl+C; the help pointer, the help
// spot and the window's menu.
class InputTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void keyboard_data();
    void keyboard();
    void disabledCelsiusKeyRunsFromTheKeyboard();
    void enterComputesWithTheFocusOnADigitKey();
    void escapeAndCloseBoxClose();
    void controlCCopiesTheDisplay();
    void helpPointer_data();
    void helpPointer();
    void releaseOverTheIconOpensHelp_data();
    void releaseOverTheIconOpensHelp();
    void aboutEntryOpensHelp_data();
    void aboutEntryOpensHelp();

private:
    std::unique_ptr<ScratchDirectory> scratch_;
};

void InputTest::keyboard_data()
{
    QTest::addColumn<QList<Keystroke>>("keystrokes");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("rateBox");
    const QString rate = QStringLiteral("100.0"); // from rate.dat
    const Keystroke enter = pressed(Qt::Key_Return, "\r");
    const Keystroke keypadEnter = pressed(Qt::Key_Enter, "\r", Qt::KeypadModifier);
    const Keystroke keypadComma = pressed(Qt::Key_Comma, ",", Qt::KeypadModifier);
    using K = QList<Keystroke>;
    QTest::newRow("keypad digits, plus, Enter")
        << K{keypad('1'), keypad('2'), keypad('+'), keypad('3'), keypadEnter} << "15." << rate;
    QTest::newRow("keypad decimal key reporting a comma")
        << K{typed('1'), keypadComma, typed('5')} << "1.5" << rate;
    QTest::newRow("main keyboard comma types nothing")
        << K{typed('1'), typed(','), typed('5')} << "15." << rate;
    QTest::newRow("Return computes")
        << K{typed('6'), typed('*'), typed('7'), enter} << "42." << rate;
    QTest::newRow("keypad minus") << K{typed('9'), keypad('-'), typed('3'), typed('=')} << "6."
                                  << rate;
    QTest::newRow("Right erases") << K{typed('1'), typed('2'), pressed(Qt::Key_Right)} << "1."
                                  << rate;
    QTest::newRow("apostrophe erases") << K{typed('1'), typed('2'), typed('\'')} << "1." << rate;
    QTest::newRow("Backspace erases")
        << K{typed('1'), typed('2'), pressed(Qt::Key_Backspace, "\b")} << "1." << rate;
    QTest::newRow("Delete clears")
        << K{typed('1'), typed('2'), pressed(Qt::Key_Delete, "\x7f")} << "0." << rate;
    QTest::newRow("space changes the sign") << K{typed('5'), typed(' ')} << "-5." << rate;
    QTest::newRow("r sets the rate")
        << K{typed('1'), typed('1'), typed('0'), typed('.'), typed('5'), typed('r')} << "0."
        << "110.5";
    QTest::newRow("backslash and dollar")
        << K{typed('5'), typed('\\'), typed('$')} << "0.05" << rate;
    QTest::newRow("yen sign and dollar")
        << K{typed('5'), pressed(Qt::Key_yen, "¥"), typed('$')} << "0.05" << rate;
    QTest::newRow("Ctrl with a digit types nothing")
        << K{typed('1'), pressed(Qt::Key_2, "2", Qt::ControlModifier)} << "1." << rate;
}

void InputTest::keyboard()
{
    QFETCH(QList<Keystroke>, keystrokes);
    QFETCH(QString, display);
    QFETCH(QString, rateBox);
    writeFile("rate.dat", "100.0");
    ModalWatcher watcher;
    const auto window = openWindow();
    for (const Keystroke& keystroke : keystrokes)
        strike(*window, keystroke);
    QCOMPARE(displayText(*window), display);
    QCOMPARE(textField(*window, "rateBox")->text(), rateBox);
    QCOMPARE(watcher.seen().size(), 0);
    QVERIFY(window->isVisible());
}

void InputTest::disabledCelsiusKeyRunsFromTheKeyboard()
{
    const auto window = openWindow();
    // The digit after inch drops the pending inch but leaves ﾟC disabled.
    clickKeys(*window, "key1 key2 inchKey key5");
    QVERIFY(!keyButton(*window, "celsiusKey")->isEnabled());
    strike(*window, typed('C'));
    QVERIFY(!keyButton(*window, "mmKey")->isEnabled()); // ﾟC is the source now
    strike(*window, typed('f'));
    QCOMPARE(displayText(*window), QStringLiteral("41."));
}

void InputTest::enterComputesWithTheFocusOnADigitKey()
{
    const auto window = openWindow();
    QPushButton* nine = keyButton(*window, "key9");
    nine->setFocus();
    QCOMPARE(window->focusWidget(), nine);
    for (const char character : {'2', '+', '3'})
        strike(*window, typed(character));
    strike(*window, pressed(Qt::Key_Return, "\r"));
    QCOMPARE(displayText(*window), QStringLiteral("5.")); // not 39.
    strike(*window, pressed(Qt::Key_Enter, "\r", Qt::KeypadModifier));
    QVERIFY(window->isVisible());
}

void InputTest::escapeAndCloseBoxClose()
{
    writeFile("rate.dat", "110.5");
    auto window = openWindow();
    strike(*window, pressed(Qt::Key_Escape, "\x1b"));
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    window = openWindow();
    QVERIFY(window->close());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    window.reset();
    QFile rate("rate.dat"); // nothing is written at exit
    QVERIFY(rate.open(QIODevice::ReadOnly));
    QCOMPARE(rate.readAll(), QByteArray("110.5"));
}

void InputTest::controlCCopiesTheDisplay()
{
    const auto window = openWindow();
    clickKeys(*window, "key1 key2 inchKey cmKey");
    strike(*window, pressed(Qt::Key_C, "\x03", Qt::ControlModifier));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("30.48"));
    QCOMPARE(displayText(*window), QStringLiteral("30.48"));
}

void InputTest::helpPointer_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("helpPointer");
    QTest::newRow("11, 13") << QPoint(11, 13) << true;
    QTest::newRow("31, 42") << QPoint(31, 42) << true;
    QTest::newRow("10, 13: left bound") << QPoint(10, 13) << false;
    QTest::newRow("11, 12: top bound") << QPoint(11, 12) << false;
    QTest::newRow("32, 42: right bound") << QPoint(32, 42) << false;
    QTest::newRow("31, 43: bottom bound") << QPoint(31, 43) << false;
}

void InputTest::helpPointer()
{
    QFETCH(QPoint, position);
    QFETCH(bool, helpPointer);
    const auto window = openWindow();
    const auto moveTo = [&window](QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, window->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &move);
    };
    // Coming from over the icon and from elsewhere: the pointer follows both ways.
    for (const QPoint start : {QPoint(20, 20), QPoint(100, 5)}) {
        moveTo(start);
        moveTo(position);
        QCOMPARE(window->cursor().shape(), helpPointer ? Qt::WhatsThisCursor : Qt::ArrowCursor);
    }
}

void InputTest::releaseOverTheIconOpensHelp_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left button over the icon") << QPoint(20, 20) << Qt::LeftButton << true;
    QTest::newRow("left button at a bound") << QPoint(10, 20) << Qt::LeftButton << false;
    QTest::newRow("right button over the icon") << QPoint(20, 20) << Qt::RightButton << false;
}

void InputTest::releaseOverTheIconOpensHelp()
{
    QFETCH(QPoint, position);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    writeFile("QuibraHelp.txt", "A");
    ModalWatcher watcher;
    const auto window = openWindow();
    QTest::mouseRelease(window.get(), button, {}, position);
    QCOMPARE(watcher.seenClasses(), opens ? QStringList{"CHelpDlg"} : QStringList{});
}

void InputTest::aboutEntryOpensHelp_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right click outside the keys") << "right click" << true;
    QTest::newRow("right click on a key") << "right click on key5" << false;
    QTest::newRow("right click on a disabled key") << "right click on gKey" << false;
    QTest::newRow("Menu key") << "Menu key" << true;
    QTest::newRow("Shift+F10") << "Shift+F10" << true;
}

void InputTest::aboutEntryOpensHelp()
{
    QFETCH(QString, way);
    QFETCH(bool, opens);
    writeFile("QuibraHelp.txt", "A");
    ModalWatcher watcher;
    const auto window = openWindow();
    clickKeys(*window, "key1 inchKey"); // disables gKey
    if (way.startsWith("right click")) {
        const QString key = way.section(' ', 3);
        QWidget* target =
            key.isEmpty() ? static_cast<QWidget*>(window.get()) : keyButton(*window, key);
        const QPoint at = key.isEmpty() ? QPoint(100, 5) : target->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &click);
    } else if (way == "Menu key") {
        // What the X11 platform makes of the Menu key, for the focus.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(),
                                  window->mapToGlobal(QPoint()));
        QApplication::sendEvent(window->focusWidget(), &menuKey);
    } else {
        strike(*window, pressed(Qt::Key_F10, {}, Qt::ShiftModifier));
    }
    QCOMPARE(watcher.seenClasses(), opens ? QStringList({"QMenu", "CHelpDlg"}) : QStringList());
    if (opens)
        QCOMPARE(watcher.seen().constFirst().text, QStringLiteral("Quibra のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

QTEST_MAIN(InputTest)
#include "InputTest.moc"
