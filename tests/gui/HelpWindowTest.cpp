// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogUnits.h"
#include "GuiTest.h"
#include "HelpDlg.h"
#include "HelpText.h"
#include "Messages.h"
#include "ModalWatcher.h"
#include "PanelLook.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace {

const QString helpMissing = QStringLiteral("Helpファイルが見つかりません。");
const QString helpTitle = QStringLiteral("About Quibra");
const QString versionTitle = QStringLiteral("Quibraのﾊﾞｰｼﾞｮﾝ情報");

QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QLatin1String(name));
}

QString shippedHelpText()
{
    QFile file(QStringLiteral(QUIBRA_SOURCE_DIR "/res/QuibraHelp.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeShiftJis(file.readAll());
}

} // namespace

class HelpWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void decodesShiftJis_data();
    void decodesShiftJis();
    void lineEndsBreakLines_data();
    void lineEndsBreakLines();
    void missingHelpFile_data();
    void missingHelpFile();
    void versionClosesHelpAndOpensVersion_data();
    void versionClosesHelpAndOpensVersion();
    void windowsFollowTheirTemplates();
    void largeHelpFileIsShownWhole();
    void shippedHelpFileCoversTheProgram();

private:
    std::unique_ptr<ScratchDirectory> scratch_;
};

void HelpWindowTest::decodesShiftJis_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Rate 110.5") << "Rate 110.5";
    QTest::newRow("hiragana") << QByteArray("\x82\xa0\x82\xa2") << "あい";
    QTest::newRow("half-width katakana") << QByteArray("\xb1\xdf") << "ｱﾟ";
    QTest::newRow("full-width yen and minus") << QByteArray("\x81\x8f\x81\x7c") << "￥－";
    QTest::newRow("NEC circled digit") << QByteArray("\x87\x40") << "①";
    QTest::newRow("wave dash as code page 932 has it") << QByteArray("\x81\x60") << "～";
    QTest::newRow("byte 0x80") << QByteArray("A\x80"
                                             "B")
                               << "A\uFFFDB";
    QTest::newRow("byte 0xFF") << QByteArray("\xff") << "\uFFFD";
    QTest::newRow("lead byte before a blank") << QByteArray("\x82 A") << "\uFFFD A";
    QTest::newRow("lead byte at the end") << QByteArray("A\x82") << "A\uFFFD";
    QTest::newRow("unassigned pair") << QByteArray("\x85\x40") << "\uFFFD@";
    QTest::newRow("NUL goes on") << QByteArray("A\0B", 3) << QString::fromUtf16(u"A\0B", 3);
}

void HelpWindowTest::decodesShiftJis()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeShiftJis(bytes), text);
}

void HelpWindowTest::lineEndsBreakLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF") << QByteArray("A\nB") << QStringList{"A", "B"};
    QTest::newRow("CR LF") << QByteArray("A\r\nB") << QStringList{"A", "B"};
    QTest::newRow("CR LF and LF mixed")
        << QByteArray("A\r\nB\nC\r\n") << QStringList{"A", "B", "C", ""};
    QTest::newRow("empty") << QByteArray() << QStringList{""};
    QTest::newRow("Japanese") << QByteArray("\x83\x77\x83\x8b\x83\x76\r\n\x81\x69\x88\xea\x81\x6a")
                              << QStringList{"ヘルプ", "（一）"};
}

void HelpWindowTest::lineEndsBreakLines()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    writeFile(QLatin1String(helpFileName), file);
    ModalWatcher watcher;
    QStringList shown;
    watcher.onWindow(QStringLiteral("CHelpDlg"), [&shown](QWidget* help) {
        const QTextDocument* text = help->findChild<QPlainTextEdit*>()->document();
        for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
            shown << block.text();
        help->close();
    });
    const auto window = openWindow();
    window->openHelp();
    QCOMPARE(watcher.seenClasses(), QStringList{"CHelpDlg"});
    QCOMPARE(shown, lines);
}

void HelpWindowTest::missingHelpFile_data()
{
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<bool>("directory");
    const QStringList again{"QMessageBox", "CHelpDlg", "QMessageBox"};
    const QStringList once{"QMessageBox", "CHelpDlg"};
    QTest::newRow("OK") << "OK" << again << false;
    QTest::newRow("Enter") << "Enter" << again << false;
    QTest::newRow("close box") << "close" << once << false;
    QTest::newRow("Escape") << "Escape" << once << false;
    QTest::newRow("a directory of that name, OK") << "OK" << again << true;
}

void HelpWindowTest::missingHelpFile()
{
    QFETCH(QString, leaveBy);
    QFETCH(QStringList, windows);
    QFETCH(bool, directory);
    if (directory)
        QVERIFY(QDir().mkdir(QLatin1String(helpFileName)));
    ModalWatcher watcher;
    watcher.onWindow(QStringLiteral("CHelpDlg"), [leaveBy](QWidget* help) {
        QCOMPARE(help->findChild<QPlainTextEdit*>()->toPlainText(), QString());
        if (leaveBy == QLatin1String("OK"))
            button(help, "okButton")->click();
        else if (leaveBy == QLatin1String("close"))
            help->close();
        else
            QTest::keyClick(help,
                            leaveBy == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
    });
    const auto window = openWindow();
    window->openHelp();
    QCOMPARE(watcher.seenClasses(), windows);
    const SeenWindow& first = watcher.seen().at(0);
    QCOMPARE(first.text, helpMissing);
    QCOMPARE(first.icon, QMessageBox::Warning);
    QVERIFY(!first.otherWindows.contains(helpTitle)); // shown before the help window
    if (windows.size() == 3)
        QVERIFY(watcher.seen().at(2).otherWindows.contains(helpTitle));
    QCOMPARE(watcher.stuckCount(), 0);
}

void HelpWindowTest::versionClosesHelpAndOpensVersion_data()
{
    QTest::addColumn<bool>("helpFile");
    QTest::addColumn<QStringList>("windows");
    QTest::newRow("with a help file") << true << QStringList{"CHelpDlg", "CVersionDlg"};
    QTest::newRow("without one") << false
                                 << QStringList{"QMessageBox", "CHelpDlg", "QMessageBox",
                                                "CVersionDlg"};
}

void HelpWindowTest::versionClosesHelpAndOpensVersion()
{
    QFETCH(bool, helpFile);
    QFETCH(QStringList, windows);
    if (helpFile)
        writeFile(QLatin1String(helpFileName), "A");
    ModalWatcher watcher;
    watcher.onWindow(QStringLiteral("CHelpDlg"),
                     [](QWidget* help) { button(help, "versionButton")->click(); });
    const auto window = openWindow();
    window->openHelp();
    QCOMPARE(watcher.seenClasses(), windows);
    const SeenWindow& version = watcher.seen().constLast();
    QCOMPARE(version.title, versionTitle);
    QVERIFY(!version.otherWindows.contains(helpTitle)); // the help window is gone
    QVERIFY(version.otherWindows.contains(QStringLiteral("Unit Converter")));
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(top == window.get() || !top->isVisible(), qPrintable(top->windowTitle()));
    QTRY_COMPARE(QApplication::activeWindow(), window.get());
}

void HelpWindowTest::windowsFollowTheirTemplates()
{
    writeFile(QLatin1String(helpFileName), "A");
    CHelpDlg help;
    QCOMPARE(help.windowTitle(), helpTitle);
    QCOMPARE(help.size(), QSize(332, 248));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    auto* text = help.findChild<QPlainTextEdit*>();
    QCOMPARE(text->geometry(), toPixels(DialogRect{7, 9, 208, 128}));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(button(&help, "versionButton")->text(), QStringLiteral("Version"));
    QCOMPARE(button(&help, "okButton")->text(), QStringLiteral("OK"));
    QVERIFY(button(&help, "okButton")->isDefault());
    for (const QLabel* label : help.findChildren<QLabel*>())
        QVERIFY(!label->text().isEmpty() || !label->pixmap().isNull()); // the help icon

    CVersionDlg version;
    QCOMPARE(version.windowTitle(), versionTitle);
    QCOMPARE(version.size(), QSize(341, 71));
    QStringList labels;
    for (const QLabel* label : version.findChildren<QLabel*>())
        labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("Quibra Version 1.22")));
    QVERIFY(button(&version, "okButton")->isDefault());
}

void HelpWindowTest::largeHelpFileIsShownWhole()
{
    // Ten megabytes of short Japanese lines, far beyond any buffer of a few
    // thousand places: the window opens at once and fills while it is open.
    const QByteArray line("\x83\x77\x83\x8b\x83\x76\x82\xcc\x8d\x73\x81\x42 Quibra 0123456789\r\n");
    const int lines = 10 * 1024 * 1024 / int(line.size());
    writeFile(QLatin1String(helpFileName), line.repeated(lines) + "end");
    QElapsedTimer timer;
    timer.start();
    CHelpDlg help;
    help.show();
    const qint64 opened = timer.elapsed();
    const QTextDocument* text = help.findChild<QPlainTextEdit*>()->document();
    // It opens with the first part only; the rest follows from the event loop.
    QVERIFY(text->blockCount() > 1);
    QVERIFY(text->blockCount() < lines / 10);
    QTRY_COMPARE_WITH_TIMEOUT(text->blockCount(), lines + 1, 60000);
    qInfo("10 MB help file: window open after %lld ms, filled after %lld ms", opened,
          timer.elapsed());
    QCOMPARE(text->firstBlock().text(), QStringLiteral("ヘルプの行。 Quibra 0123456789"));
    QCOMPARE(text->lastBlock().text(), QStringLiteral("end"));
}

void HelpWindowTest::shippedHelpFileCoversTheProgram()
{
    const QString text = shippedHelpText();
    QVERIFY(text.size() > 1000);
    QVERIFY(!text.contains(QChar(0xFFFD)));
    for (const KeySpec& key : allKeys())
        QVERIFY2(text.contains(fromUtf8(key.caption)), key.name.data());
    for (const std::string_view message :
         {message::rateNotEntered, message::rateWrongForm, message::rateCompletedWithZero,
          message::rateCut, message::rateNotSaved, message::rateMissing})
        QVERIFY2(text.contains(fromUtf8(message).remove(QLatin1Char('\n'))), message.data());
    for (const char* topic :
         {"5 ft 7 inch", "Enter", "Delete", "BackSpace", "Ctrl+C", "Esc", "Shift+F10"})
        QVERIFY2(text.contains(QLatin1String(topic)), topic);
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
