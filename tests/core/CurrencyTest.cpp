#include "Messages.h"
#include "RecordingPanel.h"
#include "TemporaryDirectory.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

struct RateEntry {
    const char* keys;
    std::vector<RecordedMessage> messages;
    const char* rateBox; // after the keys
    const char* file;    // "rate.dat" after the keys
    const char* display;
};

TEST(RateKey, AcceptsRefusesCompletesAndCuts)
{
    const RecordedMessage notEntered{std::string(message::rateNotEntered),
                                     MessageIcon::exclamation};
    const RecordedMessage wrongForm{std::string(message::rateWrongForm), MessageIcon::exclamation};
    const RecordedMessage completed{std::string(message::rateCompletedWithZero),
                                    MessageIcon::information};
    const RecordedMessage cut{std::string(message::rateCut), MessageIcon::information};
    const RateEntry table[] = {
        {"key1 key1 key0 pointKey key5 rateKey", {}, "110.5", "110.5", "0."},
        {"key1 key1 key0 rateKey", {completed}, "110.0", "110.0", "0."},
        {"key1 key1 key0 pointKey key5 key6 rateKey", {cut}, "110.5", "110.5", "0."},
        {"key1 key2 key1 pointKey key3 char:114", {}, "121.3", "121.3", "0."},
        {"key9 key9 pointKey key5 rateKey", {wrongForm}, "98.7", "98.7", "99.5"},
        {"key1 key0 key0 key0 rateKey", {wrongForm}, "98.7", "98.7", "1000."},
        {"key1 key2 pointKey key5 signKey rateKey", {}, "-12.5", "-12.5", "0."},
        {"key1 key2 key0 signKey rateKey", {wrongForm}, "98.7", "98.7", "-120."},
        {"rateKey", {notEntered}, "98.7", "98.7", "0."},
        {"key1 key1 key0 addKey rateKey", {notEntered}, "98.7", "98.7", "110."},
        {"key1 key1 key0 equalsKey rateKey", {notEntered}, "98.7", "98.7", "110."},
        {"key1 key1 key0 pointKey key5 rateKey rateKey", {notEntered}, "110.5", "110.5", "0."},
        // 999.95 rounds to 16 digits first: its text is 999.95, cut to 999.9.
        {"key9 key9 key9 pointKey key9 key5 rateKey", {cut}, "999.9", "999.9", "0."},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.keys);
        TemporaryDirectory directory;
        directory.write("rate.dat", "98.7");
        Converter converter;
        converter.run(row.keys);
        EXPECT_EQ(converter.panel.messages, row.messages);
        EXPECT_EQ(converter.panel.rateBox, row.rateBox);
        EXPECT_EQ(directory.read("rate.dat"), row.file);
        EXPECT_EQ(converter.panel.display, row.display);
        EXPECT_EQ(converter.dialog.numberBuffer, converter.panel.display);
        EXPECT_EQ(directory.listing(), "rate.dat");
    }
}

TEST(RateKey, RefusedRateLeavesTheNumberAsShown)
{
    // The refused text must not become the text that later digits extend.
    TemporaryDirectory directory;
    Converter converter;
    converter.run("pointKey key0 key0 key0 key0 key0 key1 rateKey key5");
    EXPECT_EQ(converter.panel.display, "0.0000015");
}

TEST(RateKey, RateSurvivesARestart)
{
    TemporaryDirectory directory;
    {
        Converter first;
        first.run("key1 key1 key0 pointKey key5 rateKey");
    }
    Converter second;
    EXPECT_EQ(second.panel.rateBox, "110.5");
    second.run("key1 key0 dollarKey yenKey");
    EXPECT_EQ(second.panel.display, "1105.");
}

TEST(RateKey, FailedWriteKeepsTheOldFile)
{
    TemporaryDirectory directory;
    std::filesystem::create_directory(directory.path() / "rate.dat");
    directory.write("rate.dat/keep", "old");
    Converter converter;
    converter.run("key1 key1 key0 pointKey key5 rateKey");
    const std::vector<RecordedMessage> expected{
        {std::string(message::rateNotSaved), MessageIcon::exclamation}};
    EXPECT_EQ(converter.panel.messages, expected);
    EXPECT_EQ(converter.panel.rateBox, "110.5"); // kept for this run
    EXPECT_EQ(converter.panel.display, "0.");
    EXPECT_EQ(directory.read("rate.dat/keep"), "old");
    EXPECT_EQ(directory.listing(), "rate.dat"); // no temporary file left
    converter.run("key1 key0 dollarKey yenKey");
    EXPECT_EQ(converter.panel.display, "1105.");
}

TEST(RateKey, WritesThroughALinkAndKeepsTheMode)
{
    TemporaryDirectory directory;
    directory.write("kept.dat", "98.7");
    std::filesystem::permissions(directory.path() / "kept.dat", std::filesystem::perms(0640));
    std::filesystem::create_symlink("kept.dat", directory.path() / "rate.dat");
    Converter converter;
    converter.run("key1 key1 key0 pointKey key5 rateKey");
    EXPECT_TRUE(std::filesystem::is_symlink(directory.path() / "rate.dat"));
    EXPECT_EQ(directory.read("kept.dat"), "110.5");
    EXPECT_EQ(std::filesystem::status(directory.path() / "kept.dat").permissions(),
              std::filesystem::perms(0640));
    EXPECT_EQ(directory.listing(), "kept.dat,rate.dat");
}

struct Exchange {
    const char* rateFile;
    const char* keys;
    const char* display;
    const char* disabled;
    int messages;
};

TEST(Currency, Conversions)
{
    const Exchange table[] = {
        {"110.5", "key1 key0 key0 key0 yenKey dollarKey", "9.049773755656108", "-", 0},
        {"110.5", "key1 key0 dollarKey yenKey", "1105.", "-", 0},
        {"110.5", "key1 key0 char:36 char:92", "1105.", "-", 0},
        {"110.5", "key1 key0 dollarKey char:165", "1105.", "-", 0},
        {"110.5", "key1 key0 yenKey yenKey", "10.",
         "celsiusKey,fahrenheitKey,mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,mileKey,gKey,kgKey,"
         "ozKey,lbKey,mlKey,lKey,flOzKey,galKey",
         0},
        {"110.5", "key5 mmKey char:36", "5.",
         "celsiusKey,fahrenheitKey,gKey,kgKey,ozKey,lbKey,mlKey,lKey,flOzKey,galKey,yenKey,"
         "dollarKey",
         0},
        // A rate set while yen is pending converts at the second press.
        {"", "key1 key1 key0 pointKey key5 yenKey", "110.5", "-", 1},
        {"98.7", "key1 key1 key0 pointKey key5 yenKey rateKey dollarKey", "1.", "-", 0},
        {"", "key5 dollarKey", "5.", "-", 1},
        {"", "key5 mmKey char:36", "5.",
         "celsiusKey,fahrenheitKey,gKey,kgKey,ozKey,lbKey,mlKey,lKey,flOzKey,galKey,yenKey,"
         "dollarKey",
         1},
        // Rates read from a hand-edited file.
        {"abc", "key5 yenKey dollarKey", "オーバーフロー", "-", 0},
        {"0", "key0 yenKey dollarKey", "エラー", "-", 0},
        {"0", "key5 dollarKey yenKey", "0.", "-", 0},
        {"-12.5", "key5 dollarKey yenKey", "-62.5", "-", 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::string(row.rateFile) + ": " + row.keys);
        TemporaryDirectory directory;
        directory.write("rate.dat", row.rateFile);
        Converter converter;
        converter.run(row.keys);
        EXPECT_EQ(converter.panel.display, row.display);
        EXPECT_EQ(converter.panel.disabledUnitKeys(), row.disabled);
        ASSERT_EQ(converter.panel.messages.size(), static_cast<std::size_t>(row.messages));
        for (const auto& shown : converter.panel.messages)
            EXPECT_EQ(shown, (RecordedMessage{std::string(message::rateMissing),
                                              MessageIcon::exclamation}));
    }
}

TEST(Currency, EmptyRateBoxChangesNothing)
{
    TemporaryDirectory directory;
    Converter converter;
    converter.run("key5 yenKey");
    const CQuibraDlg& d = converter.dialog;
    EXPECT_EQ(d.unitCode, 0);
    EXPECT_EQ(d.entering, 1);
    EXPECT_EQ(d.entryValue, 5); // no resetEntry either
    converter.run("key3");
    EXPECT_EQ(converter.panel.display, "53.");
}

} // namespace
