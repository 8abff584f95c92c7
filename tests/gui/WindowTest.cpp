// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpDlg.h"
#include "HelpText.h"
#include "KeyButton.h"
#include "Messages.h"
#include "PanelLook.h"
#include "QuibraWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
// Contrast of two colours as the accessibility guidelines define it.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A part of the window as another process reads it from the X server
// (ImageMagick's import), so that what Qt merely queued does not count.
QImage grabFromOutside(const QWidget& window, const QRect& area)
{
    const QString file = QDir::current().filePath(QStringLiteral("grab.png"));
    const QStringList arguments{"-window", QString::number(window.winId()), file};
    if (QProcess::execute(QStringLiteral("import"), arguments) != 0)
        return {};
    return QImage(file).copy(area);
}

} // namespace

// What only the pixels show; the rest of the windows is in the GUI traces.
// Run on the offscreen platform, and once more on a real X server.
class WindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QDir::setCurrent(scratch_.path());
        window_ = std::make_unique<QuibraWindow>();
        window_->initDialog();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup()
    {
        qApp->setStyleSheet({});
        window_.reset();
    }

    void rateKeyCaptionSurvivesAStyleSheet();
    void focusFrameStandsOut();
    void waitingKeyLooksPressedIn();
    void pushedLookReachesTheScreenAtOnce();
    void shippedHelpFileCoversTheProgram();
    void iconIsSharpOnADenserScreen();
    void windowsAreLaidOutAndNamed();
    void pushedLookLastsItsTime();
    void tabFollowsTheRows();

private:
    QTemporaryDir scratch_;
    std::unique_ptr<QuibraWindow> window_;
};

void WindowTest::rateKeyCaptionSurvivesAStyleSheet()
{
    // A theme's or a user's rule for every widget: the Rate key's edge must
    // not cover its caption.
    auto* rate = window_->findChild<QPushButton*>("rateKey");
    qApp->setStyleSheet(QStringLiteral("QWidget { background: white; color: black; }"));
    const QImage styled = rate->grab().toImage();
    int dark = 0;
    for (int y = 4; y < styled.height() - 4; ++y)
        for (int x = 4; x < styled.width() - 4; ++x)
            dark += qGray(styled.pixel(x, y)) < 128;
    QVERIFY2(dark > 20, qPrintable(QStringLiteral("%1 caption pixels").arg(dark)));
}

void WindowTest::focusFrameStandsOut()
{
    auto* key = window_->findChild<QPushButton*>("key5");
    const QImage plain = key->grab().toImage();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    key->setFocus();
    const QImage focused = key->grab().toImage();
    // Along the middle row, from the edge inwards: where the focused key
    // differs, its frame must stand out from the key's own pixels there.
    const int y = plain.height() / 2;
    double best = 1;
    for (int x = 0; x < plain.width() / 3; ++x)
        best = std::max(best, contrast(plain.pixelColor(x, y), focused.pixelColor(x, y)));
    QVERIFY2(best >= 3, qPrintable(QStringLiteral("contrast %1").arg(best)));
}

void WindowTest::waitingKeyLooksPressedIn()
{
    auto* key = window_->findChild<KeyButton*>("mmKey");
    const QImage plain = key->grab().toImage();
    key->setWaiting(true);
    QVERIFY(key->grab().toImage() != plain);
}

void WindowTest::pushedLookReachesTheScreenAtOnce()
{
    // What setKeyPushed draws is on the screen when it returns, before the
    // pause that follows holds the event loop.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a real X server");
    QTest::qWait(300);
    const QRect key = window_->findChild<QWidget*>(QStringLiteral("key5"))->geometry();
    const QImage normal = grabFromOutside(*window_, key);
    QVERIFY(!normal.isNull());
    // No event loop runs between these calls, as none runs during the pause.
    window_->setKeyPushed(KeyId::key5, true);
    const QImage pushed = grabFromOutside(*window_, key);
    window_->setKeyPushed(KeyId::key5, false);
    QVERIFY(pushed != normal);
    QCOMPARE(grabFromOutside(*window_, key), normal);
}

void WindowTest::shippedHelpFileCoversTheProgram()
{
    QFile file(QStringLiteral(QUIBRA_SOURCE_DIR "/res/QuibraHelp.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = decodeShiftJis(file.readAll());
    QVERIFY(!text.contains(QChar(0xFFFD)));
    for (const KeySpec& key : allKeys())
        QVERIFY2(text.contains(fromUtf8(key.caption)), key.name.data());
    for (const std::string_view message :
         {message::rateNotEntered, message::rateWrongForm, message::rateCompletedWithZero,
          message::rateCut, message::rateNotSaved, message::rateMissing, message::pasteNotANumber})
        QVERIFY2(text.contains(fromUtf8(message).remove(QLatin1Char('\n'))), message.data());
    for (const char* topic :
         {"5 ft 7 inch", "Enter", "Delete", "BackSpace", "Ctrl+C", "Ctrl+V", "Shift+Insert",
          "Ctrl+Enter", "Tab", "F1", "Esc", "Shift+F10", ".local/state/quibra", "15"})
        QVERIFY2(text.contains(QLatin1String(topic)), topic);
}

void WindowTest::iconIsSharpOnADenserScreen()
{
    // Run with QT_SCALE_FACTOR=2: the icon's 60 device pixels must be the
    // 64-pixel art scaled down, not the 32-pixel one blown up.
    if (window_->devicePixelRatioF() != 2)
        QSKIP("needs a device pixel ratio of 2");
    auto* label = window_->findChild<QLabel*>();
    const QImage shown = label->grab().toImage();
    const auto distance = [&](int artSize) {
        QImage art(shown.size(), QImage::Format_ARGB32);
        art.fill(label->palette().color(QPalette::Window));
        QPainter(&art).drawImage(
            0, 0,
            iconImage("quibra", artSize)
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        qint64 sum = 0;
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x)
                sum += qAbs(qGray(art.pixel(x, y)) - qGray(shown.pixel(x, y)));
        return sum;
    };
    QCOMPARE(shown.size(), QSize(60, 60));
    QVERIFY2(distance(64) * 2 < distance(32),
             qPrintable(QStringLiteral("%1 against %2").arg(distance(64)).arg(distance(32))));
}

void WindowTest::windowsAreLaidOutAndNamed()
{
    QVERIFY(QFile::copy(QStringLiteral(QUIBRA_SOURCE_DIR "/res/QuibraHelp.txt"), helpFileName));
    CHelpDlg help;
    CVersionDlg version;
    for (QWidget* window : {static_cast<QWidget*>(window_.get()), static_cast<QWidget*>(&help),
                            static_cast<QWidget*>(&version)}) {
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        controls.removeIf([](const QWidget* c) { return c->isHidden() || c->size().isEmpty(); });
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect r = controls[i]->geometry();
            QVERIFY2(window->rect().contains(r), qPrintable(controls[i]->objectName()));
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!r.intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + " " + controls[j]->objectName()));
        }
    }
    QCOMPARE(window_->size(), QSize(189, 308));
    QCOMPARE(window_->findChild<QLineEdit*>("display")->font().family(), displayFont().family());
    for (const KeySpec& spec : allKeys()) {
        const auto* key = window_->findChild<QPushButton*>(fromUtf8(spec.name));
        QCOMPARE(key->text(), fromUtf8(spec.caption));
        QCOMPARE(key->accessibleName(), fromUtf8(spec.accessibleName));
        QVERIFY(key->accessibleDescription().endsWith(QStringLiteral("Ctrl+Enter")));
        QCOMPARE(key->toolTip(), key->accessibleDescription());
    }
    // Every character that presses a key, as the keyboard filter finds it,
    // is named in that key's tooltip.
    for (char32_t c = U'!'; c <= U'~'; ++c) {
        const std::optional<KeyId> id =
            keyForCharacter(c) ? keyForCharacter(c) : keyForKeyCode(int(c));
        if (id)
            QVERIFY2(window_->findChild<QPushButton*>(fromUtf8(keySpec(*id).name))
                         ->toolTip()
                         .contains(QChar(c)),
                     keySpec(*id).name.data());
    }
}

void WindowTest::pushedLookLastsItsTime()
{
    QElapsedTimer timer;
    timer.start();
    window_->findChild<QPushButton*>("key5")->click();
    QVERIFY(timer.elapsed() >= 20);
}

void WindowTest::tabFollowsTheRows()
{
    // From °C, Tab visits every key once, along each row and then down,
    // and comes back to °C.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QWidget* key = window_->findChild<QWidget*>("celsiusKey");
    key->setFocus();
    for (std::size_t visited = 1; visited <= allKeys().size(); ++visited) {
        QTest::keyClick(key, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        const QRect a = key->geometry();
        const QRect b = next->geometry();
        if (visited < allKeys().size())
            QVERIFY2(b.y() == a.y() ? b.x() > a.x() : b.y() > a.y(),
                     qPrintable(key->objectName() + " then " + next->objectName()));
        key = next;
    }
    QCOMPARE(key->objectName(), QStringLiteral("celsiusKey"));
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
