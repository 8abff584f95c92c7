#include "DialogUnits.h"
#include "GuiTest.h"
#include "ModalWatcher.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

// What a control should occupy: dialog units at 1.5 pixels, edges rounded up.
QRect pixelsOf(const DialogRect& rect)
{
    const auto edge = [](int units) { return static_cast<int>(std::ceil(units * 1.5)); };
    return QRect(QPoint(edge(rect.x), edge(rect.y)),
                 QPoint(edge(rect.x + rect.width) - 1, edge(rect.y + rect.height) - 1));
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Paints of one key drawn in its pushed look, with the display at that moment.
class PushedPaints final : public QObject {
public:
    PushedPaints(QPushButton* key, const QWidget& window)
        : key_(key)
        , window_(window)
    {
        key->installEventFilter(this);
    }
    QStringList displaysWhilePushed;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && key_->isDown())
            displaysWhilePushed << displayText(window_);
        return false;
    }

private:
    QPushButton* key_;
    const QWidget& window_;
};

} // namespace

Q_DECLARE_METATYPE(QList<Keystroke>)

class QuibraWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void keysFollowTheTable_data();
    void keysFollowTheTable();
    void layoutSpotChecks_data();
    void layoutSpotChecks();
    void keysDoNotOverlap();
    void windowIsAFixedUnitConverter();
    void textFieldsAreReadOnlyLines();
    void startUpShowsZeroAndTheRate_data();
    void startUpShowsZeroAndTheRate();
    void clicks_data();
    void clicks();
    void messages_data();
    void messages();
    void pushedLookIsPaintedBeforeTheKeyRuns_data();
    void pushedLookIsPaintedBeforeTheKeyRuns();
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
    void screenReadersFindKeysAndDisplay();

private:
    std::unique_ptr<ScratchDirectory> scratch_;
};

void QuibraWindowTest::keysFollowTheTable_data()
{
    QTest::addColumn<int>("index");
    for (const KeySpec& spec : allKeys())
        QTest::newRow(spec.name.data()) << keyIndex(spec.id);
}

void QuibraWindowTest::keysFollowTheTable()
{
    QFETCH(int, index);
    const KeySpec& spec = keySpec(keyAt(index));
    QuibraWindow window;
    QPushButton* key = keyButton(window, toQString(spec.name));
    QCOMPARE(key->text(), toQString(spec.caption));
    QCOMPARE(key->property(controlIdProperty).toInt(), spec.controlId);
    QCOMPARE(key->geometry(), pixelsOf(spec.rect));
    QCOMPARE(key->accessibleName(), toQString(spec.accessibleName));
    QVERIFY(key->isEnabled());
    QVERIFY(!key->autoDefault());
}

void QuibraWindowTest::layoutSpotChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("controlId");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("key0") << "key0"
                          << "0" << 1029 << QRect(8, 270, 30, 26);
    QTest::newRow("equalsKey") << "equalsKey"
                               << "＝" << 1042 << QRect(116, 270, 66, 26);
    QTest::newRow("celsiusKey") << "celsiusKey"
                                << "ﾟC" << 1001 << QRect(8, 53, 30, 19);
    QTest::newRow("yenKey") << "yenKey"
                            << "￥" << 1012 << QRect(116, 180, 30, 26);
    QTest::newRow("swapKey") << "swapKey"
                             << "a⇔b" << 1023 << QRect(152, 101, 30, 19);
    QTest::newRow("rateKey") << "rateKey"
                             << "Rate" << 1043 << QRect(152, 149, 30, 19);
    QTest::newRow("display") << "display"
                             << "" << 1000 << QRect(35, 14, 147, 27);
    QTest::newRow("rateBox") << "rateBox"
                             << "" << 1013 << QRect(152, 125, 30, 19);
}

void QuibraWindowTest::layoutSpotChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, controlId);
    QFETCH(QRect, pixels);
    QuibraWindow window;
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->property(controlIdProperty).toInt(), controlId);
    if (auto* key = qobject_cast<QPushButton*>(control))
        QCOMPARE(key->text(), caption);
}

void QuibraWindowTest::keysDoNotOverlap()
{
    QuibraWindow window;
    QList<QWidget*> controls;
    for (const KeySpec& spec : allKeys())
        controls << keyButton(window, toQString(spec.name));
    controls << textField(window, QStringLiteral("display"))
             << textField(window, QStringLiteral("rateBox"));
    controls << window.findChild<QLabel*>();
    QCOMPARE(controls.size(), 44);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY2(window.rect().contains(controls[i]->geometry()),
                 qPrintable(controls[i]->objectName()));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                     qPrintable(controls[i]->objectName() + " and " + controls[j]->objectName()));
    }
    QCOMPARE(window.findChild<QLabel*>()->geometry(), pixelsOf(iconRect));
}

void QuibraWindowTest::windowIsAFixedUnitConverter()
{
    const auto window = openWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Unit Converter"));
    QCOMPARE(window->size(), QSize(189, 308));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window); // a taskbar entry of its own
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    // The first face of each list that is installed: IPAPGothic and Comic Neue on Debian.
    QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(window->font().pointSize(), 9);
    const QFont shown = textField(*window, QStringLiteral("display"))->font();
    QCOMPARE(QFontInfo(shown).family(), QStringLiteral("Comic Neue"));
    QCOMPARE(shown.weight(), QFont::Normal);
    auto* icon = window->findChild<QLabel*>();
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(icon->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void QuibraWindowTest::textFieldsAreReadOnlyLines()
{
    const auto window = openWindow();
    for (const char* name : {"display", "rateBox"}) {
        QLineEdit* field = textField(*window, QLatin1String(name));
        QVERIFY(field->isReadOnly());
        QVERIFY(field->hasFrame());
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(field->focusPolicy(), Qt::NoFocus);
    }
}

void QuibraWindowTest::startUpShowsZeroAndTheRate_data()
{
    QTest::addColumn<QByteArray>("rateFile");
    QTest::addColumn<QString>("rateBox");
    QTest::newRow("no rate file") << QByteArray() << "";
    QTest::newRow("rate file") << QByteArray("110.5") << "110.5";
}

void QuibraWindowTest::startUpShowsZeroAndTheRate()
{
    QFETCH(QByteArray, rateFile);
    QFETCH(QString, rateBox);
    if (!rateFile.isEmpty())
        writeFile(QStringLiteral("rate.dat"), rateFile);
    const auto window = openWindow();
    QCOMPARE(displayText(*window), QStringLiteral("0."));
    QCOMPARE(textField(*window, QStringLiteral("rateBox"))->text(), rateBox);
}

void QuibraWindowTest::clicks_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::newRow("12 inch cm") << "key1 key2 inchKey cmKey"
                                << "30.48";
    QTest::newRow("times binds tighter") << "key2 addKey key3 multiplyKey key4 equalsKey"
                                         << "14.";
    QTest::newRow("5 ft 7 inch cm") << "key5 ftKey key7 inchKey cmKey"
                                    << "170.18";
    QTest::newRow("to feet and inches") << "key2 pointKey key5 ydKey ftKey"
                                        << "7' 6\"";
    QTest::newRow("100 C to F") << "key1 key0 key0 celsiusKey fahrenheitKey"
                                << "212.";
    QTest::newRow("erase and sign") << "key1 key2 key3 backKey signKey"
                                    << "-12.";
    QTest::newRow("a disabled key ignores clicks") << "key1 key2 inchKey gKey"
                                                   << "12.";
    QTest::newRow("rate, then yen to dollar")
        << "key1 key1 key2 pointKey key5 rateKey key4 key5 yenKey dollarKey"
        << "0.4";
}

void QuibraWindowTest::clicks()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    ModalWatcher watcher;
    const auto window = openWindow();
    clickKeys(*window, keys);
    QCOMPARE(displayText(*window), display);
    QCOMPARE(watcher.seen().size(), 0);
}

void QuibraWindowTest::messages_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("rateFileIsADirectory");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    const auto information = QMessageBox::Information;
    const auto warning = QMessageBox::Warning;
    QTest::newRow("input limit")
        << "key1 key2 key3 key4 key5 key6 key7 key8 key9 key0 key1 key2 key3 key4 key5 key6"
        << false << "これ以上入力できません。" << information;
    QTest::newRow("divide by zero at an operator")
        << "key6 divideKey key0 multiplyKey" << false << "0では割れません" << QMessageBox::Critical;
    QTest::newRow("divide by zero at equals")
        << "key6 divideKey key0 equalsKey" << false << "0では割れません。" << QMessageBox::Critical;
    QTest::newRow("Rate with nothing typed")
        << "rateKey" << false
        << "為替レート（円）を設定・変更するには、\n数値を入力して［Rate］ボタンを押してください。"
        << warning;
    QTest::newRow("Rate of the wrong form")
        << "key9 key8 pointKey key5 rateKey" << false
        << "為替レートを円で設定してください。\n十銭単位まで設定できます。" << warning;
    QTest::newRow("Rate without tenths")
        << "key1 key1 key0 rateKey" << false
        << "為替レートは、十銭単位まで設定できます。\n入力しない場合、０を設定します。"
        << information;
    QTest::newRow("Rate with hundredths")
        << "key1 key1 key0 pointKey key5 key5 rateKey" << false
        << "設定できる為替レートは、十銭単位までです。\n一銭単位は切り捨てられます。"
        << information;
    QTest::newRow("yen without a rate")
        << "key5 yenKey" << false << "為替レート（円）を入力してください。" << warning;
    QTest::newRow("rate file cannot be written")
        << "key1 key1 key0 pointKey key5 rateKey" << true
        << "為替レートをファイルに保存できませんでした。" << warning;
}

void QuibraWindowTest::messages()
{
    QFETCH(QString, keys);
    QFETCH(bool, rateFileIsADirectory);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);
    if (rateFileIsADirectory)
        QVERIFY(QDir().mkdir(QStringLiteral("rate.dat")));
    ModalWatcher watcher;
    const auto window = openWindow();
    clickKeys(*window, keys);
    QCOMPARE(watcher.seenClasses(), QStringList{"QMessageBox"});
    const SeenWindow& box = watcher.seen().constFirst();
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttonCount, 1);
    QCOMPARE(box.title, QStringLiteral("gui_window_tests")); // the program file's base name
    QCOMPARE(watcher.stuckCount(), 0);
}

void QuibraWindowTest::pushedLookIsPaintedBeforeTheKeyRuns_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("click") << true;
    QTest::newRow("keyboard") << false;
}

void QuibraWindowTest::pushedLookIsPaintedBeforeTheKeyRuns()
{
    QFETCH(bool, byMouse);
    const auto window = openWindow();
    clickKeys(*window, QStringLiteral("key1"));
    QPushButton* seven = keyButton(*window, QStringLiteral("key7"));
    PushedPaints paints(seven, *window);
    if (byMouse)
        clickKeys(*window, QStringLiteral("key7"));
    else
        strike(*window, typed('7'));
    // A click draws the key pushed on the press already; the key's own
    // feedback paints it once more before it runs.
    QCOMPARE(paints.displaysWhilePushed.size(), byMouse ? 2 : 1);
    QCOMPARE(paints.displaysWhilePushed.constLast(), QStringLiteral("1."));
    QCOMPARE(displayText(*window), QStringLiteral("17."));
    QVERIFY(!seven->isDown());
}

void QuibraWindowTest::keyboard_data()
{
    QTest::addColumn<QList<Keystroke>>("keystrokes");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("rateBox");
    const QString rate = QStringLiteral("100.0");
    const Keystroke enter = pressed(Qt::Key_Return, QStringLiteral("\r"));
    const Keystroke keypadEnter = pressed(Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
    const Keystroke right = pressed(Qt::Key_Right);
    const Keystroke backspace = pressed(Qt::Key_Backspace, QStringLiteral("\b"));
    const Keystroke del = pressed(Qt::Key_Delete, QStringLiteral("\x7f"));
    const Keystroke keypadComma = pressed(Qt::Key_Comma, QStringLiteral(","), Qt::KeypadModifier);
    const Keystroke yenSign = pressed(Qt::Key_yen, QStringLiteral("¥"));
    const Keystroke controlTwo = pressed(Qt::Key_2, QStringLiteral("2"), Qt::ControlModifier);
    using K = QList<Keystroke>;
    QTest::newRow("digits and point")
        << K{typed('1'), typed('2'), typed('.'), typed('5')} << "12.5" << rate;
    QTest::newRow("keypad digits, plus, Enter")
        << K{keypad('1'), keypad('2'), keypad('+'), keypad('3'), keypadEnter} << "15." << rate;
    QTest::newRow("keypad decimal key reporting a comma")
        << K{typed('1'), keypadComma, typed('5')} << "1.5" << rate;
    QTest::newRow("main keyboard comma types nothing")
        << K{typed('1'), typed(','), typed('5')} << "15." << rate;
    QTest::newRow("Return computes")
        << K{typed('6'), typed('*'), typed('7'), enter} << "42." << rate;
    QTest::newRow("slash and equals sign")
        << K{typed('9'), typed('/'), typed('3'), typed('=')} << "3." << rate;
    QTest::newRow("minus") << K{typed('9'), keypad('-'), typed('3'), typed('=')} << "6." << rate;
    QTest::newRow("Right erases") << K{typed('1'), typed('2'), typed('3'), right} << "12." << rate;
    QTest::newRow("apostrophe erases")
        << K{typed('1'), typed('2'), typed('3'), typed('\'')} << "12." << rate;
    QTest::newRow("Backspace erases")
        << K{typed('1'), typed('2'), typed('3'), backspace} << "12." << rate;
    QTest::newRow("Delete clears") << K{typed('1'), typed('2'), del} << "0." << rate;
    QTest::newRow("space changes the sign") << K{typed('5'), typed(' ')} << "-5." << rate;
    QTest::newRow("c then F") << K{typed('1'), typed('0'), typed('0'), typed('c'), typed('F')}
                              << "212." << rate;
    QTest::newRow("r sets the rate")
        << K{typed('1'), typed('1'), typed('0'), typed('.'), typed('5'), typed('r')} << "0."
        << "110.5";
    QTest::newRow("backslash and dollar")
        << K{typed('5'), typed('\\'), typed('$')} << "0.05" << rate;
    QTest::newRow("yen sign and dollar") << K{typed('5'), yenSign, typed('$')} << "0.05" << rate;
    QTest::newRow("other letters do nothing")
        << K{typed('1'), typed('x'), typed('a'), typed('2')} << "12." << rate;
    QTest::newRow("Ctrl with a digit types nothing") << K{typed('1'), controlTwo} << "1." << rate;
}

void QuibraWindowTest::keyboard()
{
    QFETCH(QList<Keystroke>, keystrokes);
    QFETCH(QString, display);
    QFETCH(QString, rateBox);
    writeFile(QStringLiteral("rate.dat"), "100.0");
    ModalWatcher watcher;
    const auto window = openWindow();
    for (const Keystroke& keystroke : keystrokes)
        strike(*window, keystroke);
    QCOMPARE(displayText(*window), display);
    QCOMPARE(textField(*window, QStringLiteral("rateBox"))->text(), rateBox);
    QCOMPARE(watcher.seen().size(), 0);
    QVERIFY(window->isVisible());
}

void QuibraWindowTest::disabledCelsiusKeyRunsFromTheKeyboard()
{
    const auto window = openWindow();
    // The digit after inch drops the pending inch but leaves ﾟC disabled.
    clickKeys(*window, QStringLiteral("key1 key2 inchKey key5"));
    QPushButton* celsius = keyButton(*window, QStringLiteral("celsiusKey"));
    QVERIFY(!celsius->isEnabled());
    PushedPaints paints(celsius, *window);
    strike(*window, typed('C'));
    QCOMPARE(paints.displaysWhilePushed.size(), 1);
    QVERIFY(!keyButton(*window, QStringLiteral("mmKey"))->isEnabled()); // ﾟC is the source now
    strike(*window, typed('f'));
    QCOMPARE(displayText(*window), QStringLiteral("41."));
}

void QuibraWindowTest::enterComputesWithTheFocusOnADigitKey()
{
    const auto window = openWindow();
    QPushButton* nine = keyButton(*window, QStringLiteral("key9"));
    nine->setFocus();
    QCOMPARE(window->focusWidget(), nine);
    for (const char character : {'2', '+', '3'})
        strike(*window, typed(character));
    strike(*window, pressed(Qt::Key_Return, QStringLiteral("\r")));
    QCOMPARE(displayText(*window), QStringLiteral("5."));
    strike(*window, pressed(Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier));
    QVERIFY(window->isVisible());
}

void QuibraWindowTest::escapeAndCloseBoxClose()
{
    writeFile(QStringLiteral("rate.dat"), "110.5");
    auto window = openWindow();
    strike(*window, pressed(Qt::Key_Escape, QStringLiteral("\x1b")));
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));

    window = openWindow();
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    // Nothing is written at exit.
    window.reset();
    QFile rate(QStringLiteral("rate.dat"));
    QVERIFY(rate.open(QIODevice::ReadOnly));
    QCOMPARE(rate.readAll(), QByteArray("110.5"));
}

void QuibraWindowTest::controlCCopiesTheDisplay()
{
    const auto window = openWindow();
    clickKeys(*window, QStringLiteral("key1 key2 inchKey cmKey"));
    strike(*window, pressed(Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("30.48"));
    QCOMPARE(displayText(*window), QStringLiteral("30.48"));
}

void QuibraWindowTest::helpPointer_data()
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

void QuibraWindowTest::helpPointer()
{
    QFETCH(QPoint, position);
    QFETCH(bool, helpPointer);
    const auto window = openWindow();
    const auto moveTo = [&window](QPoint point) {
        QMouseEvent move(QEvent::MouseMove, point, window->mapToGlobal(point), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &move);
    };
    // From over the icon, and from the far side: the pointer follows both ways.
    for (const QPoint start : {QPoint(20, 20), QPoint(100, 5)}) {
        moveTo(start);
        moveTo(position);
        QCOMPARE(window->cursor().shape(), helpPointer ? Qt::WhatsThisCursor : Qt::ArrowCursor);
    }
}

void QuibraWindowTest::releaseOverTheIconOpensHelp_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left button over the icon") << QPoint(20, 20) << Qt::LeftButton << true;
    QTest::newRow("left button at a bound") << QPoint(10, 20) << Qt::LeftButton << false;
    QTest::newRow("right button over the icon") << QPoint(20, 20) << Qt::RightButton << false;
    QTest::newRow("left button below the icon") << QPoint(20, 48) << Qt::LeftButton << false;
}

void QuibraWindowTest::releaseOverTheIconOpensHelp()
{
    QFETCH(QPoint, position);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    writeFile(QStringLiteral("QuibraHelp.txt"), "A");
    ModalWatcher watcher;
    const auto window = openWindow();
    QTest::mouseRelease(window.get(), button, {}, position);
    QCOMPARE(watcher.seenClasses(), opens ? QStringList{"CHelpDlg"} : QStringList{});
}

void QuibraWindowTest::aboutEntryOpensHelp_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right click outside the keys") << "right click outside" << true;
    QTest::newRow("right click on a key") << "right click on key5" << false;
    QTest::newRow("right click on a disabled key") << "right click on gKey" << false;
    QTest::newRow("Menu key") << "Menu key" << true;
    QTest::newRow("Shift+F10") << "Shift+F10" << true;
}

void QuibraWindowTest::aboutEntryOpensHelp()
{
    QFETCH(QString, way);
    QFETCH(bool, opens);
    writeFile(QStringLiteral("QuibraHelp.txt"), "A");
    ModalWatcher watcher;
    const auto window = openWindow();
    clickKeys(*window, QStringLiteral("key1 inchKey")); // disables gKey
    if (way.startsWith(QLatin1String("right click"))) {
        const QString key = way.section(QLatin1Char(' '), 3);
        QWidget* target =
            key.isEmpty() ? static_cast<QWidget*>(window.get()) : keyButton(*window, key);
        const QPoint at = key.isEmpty() ? QPoint(100, 5) : target->rect().center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &click);
    } else if (way == QLatin1String("Menu key")) {
        // The X11 platform turns the Menu key into this event for the focus.
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

void QuibraWindowTest::screenReadersFindKeysAndDisplay()
{
    // The offscreen platform has no accessibility bridge, so the update
    // events that Qt sends as the display changes cannot be watched here;
    // what a screen reader asks for can.
    const auto window = openWindow();
    const auto nameOf = [&window](const char* name) {
        return QAccessible::queryAccessibleInterface(
                   window->findChild<QWidget*>(QLatin1String(name)))
            ->text(QAccessible::Name);
    };
    QCOMPARE(nameOf("celsiusKey"), QStringLiteral("摂氏"));
    QCOMPARE(nameOf("swapKey"), QStringLiteral("入れ替え"));
    QCOMPARE(nameOf("backKey"), QStringLiteral("一文字消去"));
    QCOMPARE(nameOf("display"), QStringLiteral("表示"));
    clickKeys(*window, QStringLiteral("key4 key2"));
    QAccessibleInterface* display =
        QAccessible::queryAccessibleInterface(textField(*window, "display"));
    QCOMPARE(display->text(QAccessible::Value), QStringLiteral("42."));
}

QTEST_MAIN(QuibraWindowTest)
#include "QuibraWindowTest.moc"
