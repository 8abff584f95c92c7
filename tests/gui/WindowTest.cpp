// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpDlg.h"
#include "HelpText.h"
#include "KeyButton.h"
#include "Messages.h"
#include "PanelLook.h"
#include "QuibraWindow.h"

#include <QTest>
#include <QtWidgets>

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
    return QProcess::execute(QStringLiteral("import"), arguments) ? QImage()
                                                                  : QImage(file).copy(area);
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

    void rateKeyCaptionSurvivesAStyleSheet()
    {
        // A theme's or a user's rule for every widget: the Rate key's edge must
        // not cover its caption.
        auto* rate = button("rateKey");
        qApp->setStyleSheet(QStringLiteral("QWidget { background: white; color: black; }"));
        const QImage styled = rate->grab().toImage();
        int dark = 0;
        for (int y = 4; y < styled.height() - 4; ++y)
            for (int x = 4; x < styled.width() - 4; ++x)
                dark += qGray(styled.pixel(x, y)) < 128;
        QVERIFY2(dark > 20, qPrintable(QStringLiteral("%1 caption pixels").arg(dark)));
    }

    void focusFrameStandsOut()
    {
        auto* key = button("key5");
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

    void waitingKeyLooksPressedIn()
    {
        auto* key = button("mmKey");
        const QImage plain = key->grab().toImage();
        key->setWaiting(true);
        QVERIFY(key->grab().toImage() != plain);
    }

    void pushedLookReachesTheScreenAtOnce()
    {
        // What setKeyPushed draws is on the screen when it returns, before the
        // pause that follows holds the event loop.
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server");
        QTest::qWait(300);
        const QRect key = button("key5")->geometry();
        const QImage normal = grabFromOutside(*window_, key);
        QVERIFY(!normal.isNull());
        // No event loop runs between these calls, as none runs during the pause.
        window_->setKeyPushed(KeyId::key5, true);
        const QImage pushed = grabFromOutside(*window_, key);
        window_->setKeyPushed(KeyId::key5, false);
        QVERIFY(pushed != normal);
        QCOMPARE(grabFromOutside(*window_, key), normal);
    }

    void shippedHelpFileCoversTheProgram()
    {
        QFile file(QStringLiteral(QUIBRA_SOURCE_DIR "/res/QuibraHelp.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = decodeShiftJis(file.readAll());
        QVERIFY(!text.contains(QChar(0xFFFD)));
        for (const KeySpec& key : allKeys())
            QVERIFY2(text.contains(fromUtf8(key.caption)), key.name.data());
        for (const std::string_view message :
             {message::rateNotEntered, message::rateWrongForm, message::rateCompletedWithZero,
              message::rateCut, message::rateNotSaved, message::rateMissing,
              message::pasteNotANumber})
            QVERIFY2(text.contains(fromUtf8(message).remove(QLatin1Char('\n'))), message.data());
    }

    void iconIsSharpOnADenserScreen()
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

    void windowsAreLaidOutAndNamed()
    {
        QVERIFY(QFile::copy(QStringLiteral(QUIBRA_SOURCE_DIR "/res/QuibraHelp.txt"), helpFileName));
        CHelpDlg help;
        CVersionDlg version;
        for (QWidget* window : std::initializer_list<QWidget*>{window_.get(), &help, &version}) {
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            controls.removeIf(
                [](const QWidget* c) { return c->isHidden() || c->size().isEmpty(); });
            for (qsizetype i = 0; i < controls.size(); ++i) {
                const QRect r = controls[i]->geometry();
                QVERIFY2(window->rect().contains(r), qPrintable(controls[i]->objectName()));
                for (qsizetype j = 0; j < i; ++j)
                    QVERIFY2(
                        !r.intersects(controls[j]->geometry()),
                        qPrintable(controls[i]->objectName() + " " + controls[j]->objectName()));
            }
        }
        QCOMPARE(window_->size(), QSize(189, 308));
        QCOMPARE(window_->findChild<QLineEdit*>("display")->font().family(),
                 displayFont().family());
        for (const KeySpec& spec : allKeys()) {
            QCOMPARE(button(spec.name)->text(), fromUtf8(spec.caption));
            QCOMPARE(button(spec.name)->accessibleName(), fromUtf8(spec.accessibleName));
            QVERIFY(
                button(spec.name)->accessibleDescription().endsWith(QStringLiteral("Ctrl+Enter")));
            QCOMPARE(button(spec.name)->toolTip(), button(spec.name)->accessibleDescription());
        }
        // Every character that presses a key, as the keyboard filter finds it,
        // is named in that key's tooltip.
        for (char32_t c = U'!'; c <= U'~'; ++c)
            if (const auto id = keyForCharacter(c) ? keyForCharacter(c) : keyForKeyCode(int(c)))
                QVERIFY2(button(keySpec(*id).name)->toolTip().contains(QChar(c)),
                         keySpec(*id).name.data());
    }

    void pushedLookLastsItsTime()
    {
        QElapsedTimer timer;
        timer.start();
        button("key5")->click();
        QVERIFY(timer.elapsed() >= 20);
    }

    void tabFollowsTheRows()
    {
        // From the display, Tab visits every key and the rate box once, along
        // each row and then down, and comes back to the display.
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QWidget* key = window_->findChild<QLineEdit*>("display");
        key->setFocus();
        for (std::size_t visited = 1; visited <= allKeys().size() + 2; ++visited) {
            QTest::keyClick(key, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            const QRect a = key->geometry();
            const QRect b = next->geometry();
            if (visited < allKeys().size() + 2)
                QVERIFY2(b.y() == a.y() ? b.x() > a.x() : b.y() > a.y(),
                         qPrintable(key->objectName() + " then " + next->objectName()));
            key = next;
        }
        QCOMPARE(key->objectName(), QStringLiteral("display"));
    }

private:
    KeyButton* button(std::string_view name) const
    {
        return window_->findChild<KeyButton*>(fromUtf8(name));
    }

    QTemporaryDir scratch_;
    std::unique_ptr<QuibraWindow> window_;
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
