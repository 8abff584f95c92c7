// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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
