// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"
#include "RecordingPanel.h"
#include "TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace std::string_literals;

struct RateFileCase {
    const char* what;
    std::string bytes;
    std::string rateBox;
};

TEST(RateFile, ReadAtStartUp)
{
    const RateFileCase table[] = {
        {"0 bytes", "", ""},
        {"a rate", "110.5", "110.5"},
        {"a hand-written rate", "98.", "98."},
        {"a line end", "110.5\n", "110.5"},
        {"CR LF", "98.\r\n", "98."},
        {"a long file", "123456789\n", "12345"},
        {"a NUL in the first five",
         "12\0"
         "45"s,
         "12"},
        {"garbage", "abc", "abc"},
        {"binary bytes",
         "\xff\xfe"
         "12"s,
         "\uFFFD\uFFFD12"},
        {"Shift-JIS digits", "\x82\x50\x82\x51\x82", "\uFFFDP\uFFFDQ\uFFFD"},
        {"UTF-8 cut in the middle", "1\xe5\x86\x86\xe5", "1円\uFFFD"},
        {"one byte", "7", "7"},
        {"six bytes", "110.55", "110.5"},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.what);
        TemporaryDirectory directory;
        directory.write("rate.dat", c.bytes);
        Converter converter;
        EXPECT_EQ(converter.panel.rateBox, c.rateBox);
        EXPECT_EQ(converter.panel.display, "0.");
        EXPECT_TRUE(converter.panel.messages.empty());
        EXPECT_EQ(directory.read("rate.dat"), c.bytes); // never touched by reading
    }
}

TEST(RateFile, NoRateFromWhatIsNotAFile)
{
    const auto noFile = [](const TemporaryDirectory&) {};
    const auto directoryNamedRateDat = [](const TemporaryDirectory& d) {
        std::filesystem::create_directory(d.path() / "rate.dat");
    };
    const auto danglingLink = [](const TemporaryDirectory& d) {
        std::filesystem::create_symlink("nowhere.dat", d.path() / "rate.dat");
    };
    const auto pipe = [](const TemporaryDirectory& d) {
        ASSERT_EQ(mkfifo((d.path() / "rate.dat").c_str(), 0600), 0); // must not block start-up
    };
    for (const auto& make : {+noFile, +directoryNamedRateDat, +danglingLink, +pipe}) {
        TemporaryDirectory directory;
        make(directory);
        Converter converter;
        EXPECT_EQ(converter.panel.rateBox, "");
        EXPECT_EQ(converter.panel.events.front(), "display 0.");
        EXPECT_TRUE(converter.panel.messages.empty());
    }
}

// Bytes this process has read so far.
long long bytesRead()
{
    std::ifstream io("/proc/self/io");
    for (std::string key; io >> key;) {
        long long value = 0;
        io >> value;
        if (key == "rchar:")
            return value;
    }
    return -1;
}

TEST(RateFile, HugeFileIsReadOnlyAtItsStart)
{
    TemporaryDirectory directory;
    directory.write("rate.dat", "110.5");
    std::filesystem::resize_file(directory.path() / "rate.dat", 100'000'000);
    const long long before = bytesRead();
    Converter converter;
    EXPECT_LT(bytesRead() - before, 4096);
    EXPECT_EQ(converter.panel.rateBox, "110.5");
}

// Gives the directory the permissions and runs `body`: as the unprivileged
// user "nobody" in a child process when the tests run as root, for whom
// permissions would not hold.
template <typename Body>
void asUnprivilegedUser(const TemporaryDirectory& directory, std::filesystem::perms permissions,
                        Body body)
{
    std::filesystem::permissions(directory.path(), permissions);
    if (geteuid() == 0) {
        EXPECT_EXIT(
            {
                if (setgid(65534) != 0 || setuid(65534) != 0)
                    std::_Exit(3);
                body();
                std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
            },
            ::testing::ExitedWithCode(0), "");
    } else {
        body();
    }
}

TEST(RateFile, UnreadableFileLeavesTheBoxEmpty)
{
    TemporaryDirectory directory;
    directory.write("rate.dat", "110.5");
    std::filesystem::permissions(directory.path() / "rate.dat", std::filesystem::perms::none);
    asUnprivilegedUser(directory, std::filesystem::perms::all, [] {
        Converter converter;
        EXPECT_EQ(converter.panel.rateBox, "");
        EXPECT_TRUE(converter.panel.messages.empty());
    });
}

TEST(RateFile, ReadOnlyDirectoryKeepsTheOldRate)
{
    TemporaryDirectory directory;
    directory.write("rate.dat", "98.7");
    std::filesystem::permissions(directory.path() / "rate.dat", std::filesystem::perms(0644));
    asUnprivilegedUser(directory, std::filesystem::perms(0555), [&directory] {
        Converter converter;
        EXPECT_EQ(converter.panel.rateBox, "98.7");
        converter.run("key1 key1 key0 pointKey key5 rateKey");
        ASSERT_EQ(converter.panel.messages.size(), 1u);
        EXPECT_EQ(converter.panel.messages[0].text, message::rateNotSaved);
        EXPECT_EQ(converter.panel.rateBox, "110.5");
        EXPECT_EQ(directory.read("rate.dat"), "98.7");
        EXPECT_EQ(directory.listing(), "rate.dat");
    });
}

} // namespace
