// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuiTest.h"

#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// On a real X server: the pushed look that setKeyPushed draws is on the
// screen when it returns, before the pause that follows holds the event
// loop. The screen is read by another process (ImageMagick's import), so
// what Qt merely queued in its own connection does not count.
class PushedLookX11Test final : public QObject {
    Q_OBJECT

private slots:
    void pushedLookReachesTheScreenAtOnce();
};

namespace {

QImage grabFromOutside(const QWidget& window, const QRect& area)
{
    const QString file = QDir::current().filePath(QStringLiteral("grab.png"));
    const int status =
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QString::number(window.winId()), file});
    if (status != 0)
        return {};
    return QImage(file).copy(area);
}

} // namespace

void PushedLookX11Test::pushedLookReachesTheScreenAtOnce()
{
    ScratchDirectory scratch;
    QuibraWindow window;
    window.initDialog();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(300);
    const QRect key = window.findChild<QWidget*>(QStringLiteral("key5"))->geometry();

    const QImage normal = grabFromOutside(window, key);
    QVERIFY(!normal.isNull());
    // No event loop runs between these calls, as none runs during the pause.
    window.setKeyPushed(KeyId::key5, true);
    const QImage pushed = grabFromOutside(window, key);
    window.setKeyPushed(KeyId::key5, false);
    const QImage released = grabFromOutside(window, key);

    QVERIFY(pushed != normal);
    QCOMPARE(released, normal);
}

QTEST_MAIN(PushedLookX11Test)
#include "PushedLookX11Test.moc"
