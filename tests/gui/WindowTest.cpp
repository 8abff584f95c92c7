// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpDlg.h"
#include "HelpText.h"
#include "KeyButton.h"
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

} // namespace

// What only the pixels show; the rest of the windows is in the GUI traces.
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
    void cleanup() { window_.reset(); }

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
