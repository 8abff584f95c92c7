// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuiTest.h"
#include "ModalWatcher.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

// Where a control belongs: dialog units at 1.5 pixels, edges rounded up.
QRect pixelsOf(const DialogRect& rect)
{
    const auto edge = [](int units) { return static_cast<int>(std::ceil(units * 1.5)); };
    return QRect(QPoint(edge(rect.x), edge(rect.y)),
                 QPoint(edge(rect.x + rect.width) - 1, edge(rect.y + rect.height) - 1));
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The display as it was each time a key was painted in its pushed look.
class PushedPaints final : public QObject {
public:
    PushedPaints(QPushButton* key, const QWidget& window)
        : key_(key)
        , window_(window)
    {
        key->installEventFilter(this);
    }
    QStringList displays;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && key_->isDown())
            displays << displayText(window_);
        return false;
    }

private:
    QPushButton* key_;
    const QWidget& window_;
};

} // namespace

// The window as the key table lays it out, clicks through its real keys,
// and its message boxes.
class WindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void controlsFollowTheTable();
    void windowIsAFixedUnitConverter();
    void startUpShowsZeroAndTheRate_data();
    void startUpShowsZeroAndTheRate();
    void clicks_data();
    void clicks();
    void messages_data();
    void messages();
    void pushedLookIsPaintedBeforeTheKeyRuns_data();
    void pushedLookIsPaintedBeforeTheKeyRuns();
    void screenReadersFindKeysAndDisplay();

private:
    std::unique_ptr<ScratchDirectory> scratch_;
};

void WindowTest::controlsFollowTheTable()
{
    QuibraWindow window;
    QList<QWidget*> controls;
    for (const KeySpec& spec : allKeys()) {
        QPushButton* key = keyButton(window, text(spec.name));
        QCOMPARE(key->text(), text(spec.caption));
        QCOMPARE(key->property(controlIdProperty).toInt(), spec.controlId);
        QCOMPARE(key->geometry(), pixelsOf(spec.rect));
        QCOMPARE(key->accessibleName(), text(spec.accessibleName));
        controls << key;
    }
    // A few by hand, against a slip in the table or in the conversion.
    QCOMPARE(keyButton(window, "key0")->geometry(), QRect(8, 270, 30, 26));
    QCOMPARE(keyButton(window, "equalsKey")->geometry(), QRect(116, 270, 66, 26));
    QCOMPARE(keyButton(window, "celsiusKey")->text(), QStringLiteral("ﾟC"));
    QCOMPARE(keyButton(window, "swapKey")->text(), QStringLiteral("a⇔b"));
    for (const auto& [name, id, rect] : {std::tuple{"display", displayControlId, displayRect},
                                         std::tuple{"rateBox", rateBoxControlId, rateBoxRect}}) {
        QLineEdit* field = textField(window, QLatin1String(name));
        QCOMPARE(field->property(controlIdProperty).toInt(), id);
        QCOMPARE(field->geometry(), pixelsOf(rect));
        QVERIFY(field->isReadOnly() && field->hasFrame());
        QCOMPARE(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(field->focusPolicy(), Qt::NoFocus);
        controls << field;
    }
    auto* icon = window.findChild<QLabel*>();
    QCOMPARE(icon->geometry(), pixelsOf(iconRect));
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(icon->testAttribute(Qt::WA_TransparentForMouseEvents)); // the help spot is over it
    controls << icon;

    QCOMPARE(controls.size(), 44);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY(window.rect().contains(controls[i]->geometry()));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(
                !controls[i]->geometry().intersects(controls[j]->geometry()),
                qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
    }
}

void WindowTest::windowIsAFixedUnitConverter()
{
    const auto window = openWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Unit Converter"));
    QCOMPARE(window->size(), QSize(189, 308));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window); // a taskbar entry of its own
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    // The first face of each list that is installed: IPAPGothic and Comic Neue on Debian.
    QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(window->font().pointSize(), 9);
    const QFont shown = textField(*window, "display")->font();
    QCOMPARE(QFontInfo(shown).family(), QStringLiteral("Comic Neue"));
    QCOMPARE(shown.weight(), QFont::Normal);
}

void WindowTest::startUpShowsZeroAndTheRate_data()
{
    QTest::addColumn<QByteArray>("rateFile");
    QTest::newRow("no rate file") << QByteArray();
    QTest::newRow("rate file") << QByteArray("110.5");
}

void WindowTest::startUpShowsZeroAndTheRate()
{
    QFETCH(QByteArray, rateFile);
    if (!rateFile.isEmpty())
        writeFile("rate.dat", rateFile);
    const auto window = openWindow();
    QCOMPARE(displayText(*window), QStringLiteral("0."));
    QCOMPARE(textField(*window, "rateBox")->text(), QString::fromLatin1(rateFile));
}

void WindowTest::clicks_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::newRow("12 inch cm") << "key1 key2 inchKey cmKey"
                                << "30.48";
    QTest::newRow("a disabled key ignores clicks") << "key1 key2 inchKey gKey"
                                                   << "12.";
}

void WindowTest::clicks()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    ModalWatcher watcher;
    const auto window = openWindow();
    clickKeys(*window, keys);
    QCOMPARE(displayText(*window), display);
    QCOMPARE(watcher.seen().size(), 0);
}

void WindowTest::messages_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    const auto information = QMessageBox::Information;
    const auto warning = QMessageBox::Warning;
    QTest::newRow("input limit") << "key1 key2 key3 key4 key5 key6 key7 key8 key9 key0 key1 key2 "
                                    "key3 key4 key5 key6"
                                 << "これ以上入力できません。" << information;
    QTest::newRow("divide by zero at equals") << "key6 divideKey key0 equalsKey"
                                              << "0では割れません。" << QMessageBox::Critical;
    QTest::newRow("Rate of the wrong form")
        << "key9 key8 pointKey key5 rateKey"
        << "為替レートを円で設定してください。\n十銭単位まで設定できます。" << warning;
    QTest::newRow("yen without a rate") << "key5 yenKey"
                                        << "為替レート（円）を入力してください。" << warning;
    // rate.dat made a directory below, so that it cannot be written.
    QTest::newRow("rate file cannot be written")
        << "key1 key1 key0 pointKey key5 rateKey"
        << "為替レートをファイルに保存できませんでした。" << warning;
}

void WindowTest::messages()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);
    if (QByteArray(QTest::currentDataTag()) == "rate file cannot be written")
        QVERIFY(QDir().mkdir("rate.dat"));
    ModalWatcher watcher;
    const auto window = openWindow();
    clickKeys(*window, keys);
    QCOMPARE(watcher.seenClasses(), QStringList{"QMessageBox"});
    const SeenWindow& box = watcher.seen().constFirst();
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.buttonCount, 1);
    QCOMPARE(box.title, QStringLiteral("gui_window_tests")); // the program file's base name
}

void WindowTest::pushedLookIsPaintedBeforeTheKeyRuns_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("click") << true;
    QTest::newRow("keyboard") << false;
}

void WindowTest::pushedLookIsPaintedBeforeTheKeyRuns()
{
    QFETCH(bool, byMouse);
    const auto window = openWindow();
    clickKeys(*window, "key1");
    QPushButton* seven = keyButton(*window, "key7");
    PushedPaints paints(seven, *window);
    if (byMouse)
        clickKeys(*window, "key7");
    else
        strike(*window, typed('7'));
    // A click draws the key pushed on the press already; the key's own
    // feedback paints it once more before the key runs.
    QCOMPARE(paints.displays.size(), byMouse ? 2 : 1);
    QCOMPARE(paints.displays.constLast(), QStringLiteral("1."));
    QCOMPARE(displayText(*window), QStringLiteral("17."));
    QVERIFY(!seven->isDown());
}

void WindowTest::screenReadersFindKeysAndDisplay()
{
    // The offscreen platform has no accessibility bridge, so the events Qt
    // sends as the display changes cannot be watched here; what a screen
    // reader asks for can.
    const auto window = openWindow();
    const auto spoken = [&window](const char* name, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget*>(name))->text(kind);
    };
    QCOMPARE(spoken("celsiusKey", QAccessible::Name), QStringLiteral("摂氏"));
    QCOMPARE(spoken("backKey", QAccessible::Name), QStringLiteral("一文字消去"));
    QCOMPARE(spoken("display", QAccessible::Name), QStringLiteral("表示"));
    clickKeys(*window, "key4 key2");
    QCOMPARE(spoken("display", QAccessible::Value), QStringLiteral("42."));
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
