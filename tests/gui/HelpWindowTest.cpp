#include "DialogUnits.h"
#include "GuiTest.h"
#include "HelpDlg.h"
#include "HelpText.h"
#include "Messages.h"
#include "PanelLook.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

// The help file's text and the help and version windows as they are built;
// how they open and close is in the traces (help.txt).
class HelpWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { scratch_ = std::make_unique<ScratchDirectory>(); }
    void cleanup() { scratch_.reset(); }

    void decodesShiftJis_data();
    void decodesShiftJis();
    void largeFileIsCutAtALineEnd();
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
    QTest::newRow("hiragana") << QByteArray("\x82\xa0\x82\xa2") << "あい";
    QTest::newRow("half-width katakana") << QByteArray("\xb1\xdf") << "ｱﾟ";
    QTest::newRow("full-width yen and minus") << QByteArray("\x81\x8f\x81\x7c") << "￥－";
    QTest::newRow("NEC circled digit") << QByteArray("\x87\x40") << "①";
    QTest::newRow("wave dash as code page 932 has it") << QByteArray("\x81\x60") << "～";
    QTest::newRow("byte 0x80") << QByteArray("A\x80" "B") << "A\uFFFDB";
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

void HelpWindowTest::largeFileIsCutAtALineEnd()
{
    writeFile("help", "line 1\nline 2\nline 3\n");
    QCOMPARE(tryLoadHelpText("help", 21).value(), QStringLiteral("line 1\nline 2\nline 3\n"));
    const QString cut = tryLoadHelpText("help", 16).value();
    QVERIFY2(cut.startsWith(QStringLiteral("line 1\nline 2\n\n（")), qPrintable(cut));
    QVERIFY(cut.endsWith(QStringLiteral("表示しています。）")));
}

void HelpWindowTest::windowsFollowTheirTemplates()
{
    writeFile(QLatin1String(helpFileName), "A");
    CHelpDlg help;
    QCOMPARE(help.size(), QSize(332, 248));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    auto* text = help.findChild<QPlainTextEdit*>();
    QCOMPARE(text->geometry(), toPixels(DialogRect{7, 9, 208, 128}));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(help.findChild<QPushButton*>("okButton")->isDefault());
    CVersionDlg version;
    QCOMPARE(version.size(), QSize(341, 71));
    for (QDialog* window : {static_cast<QDialog*>(&help), static_cast<QDialog*>(&version)})
        for (const QLabel* label : window->findChildren<QLabel*>())
            QVERIFY(!label->text().isEmpty() || !label->pixmap().isNull());
}

void HelpWindowTest::largeHelpFileIsShownWhole()
{
    // Ten megabytes of short Japanese lines: the window opens with the first
    // part and fills from the event loop while it is open.
    const QByteArray line("\x83\x77\x83\x8b\x83\x76\x82\xcc\x8d\x73\x81\x42 Quibra 0123456789\r\n");
    const int lines = 10 * 1024 * 1024 / int(line.size());
    writeFile(QLatin1String(helpFileName), line.repeated(lines) + "end");
    QElapsedTimer timer;
    timer.start();
    CHelpDlg help;
    help.show();
    const qint64 opened = timer.elapsed();
    const QTextDocument* text = help.findChild<QPlainTextEdit*>()->document();
    QVERIFY(text->blockCount() > 1 && text->blockCount() < lines / 10);
    QTRY_COMPARE_WITH_TIMEOUT(text->blockCount(), lines + 1, 60000);
    qInfo("10 MB help file: window open after %lld ms, filled after %lld ms", opened,
          timer.elapsed());
    QCOMPARE(text->firstBlock().text(), QStringLiteral("ヘルプの行。 Quibra 0123456789"));
    QCOMPARE(text->lastBlock().text(), QStringLiteral("end"));
}

void HelpWindowTest::shippedHelpFileCoversTheProgram()
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
    for (const char* topic : {"5 ft 7 inch", "Enter", "Delete", "BackSpace", "Ctrl+C", "Ctrl+V",
                              "Shift+Insert", "Ctrl+Enter", "Tab", "F1", "Esc", "Shift+F10",
                              ".local/state/quibra", "15"})
        QVERIFY2(text.contains(QLatin1String(topic)), topic);
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
