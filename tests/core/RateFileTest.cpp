// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"
#include "TemporaryDirectory.h"
#include "TextPanel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What this process has flushed to disk: "file" or "directory" for each fsync.
std::vector<std::string> syncs;

} // namespace

extern "C" int fsync(int fd)
{
    struct stat status {};
    ::fstat(fd, &status);
    syncs.push_back(S_ISDIR(status.st_mode) ? "directory" : "file");
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

namespace {

using namespace std::string_literals;

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
    TextConverter converter;
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
        TextConverter converter;
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
        TextConverter converter;
        EXPECT_EQ(converter.panel.rateBox, "98.7");
        converter.run("key1 key1 key0 pointKey key5 rateKey");
        ASSERT_EQ(converter.panel.messages.size(), 1u);
        EXPECT_TRUE(converter.panel.messages[0].ends_with(message::rateNotSaved));
        EXPECT_EQ(converter.panel.rateBox, "110.5");
        EXPECT_EQ(directory.read("rate.dat"), "98.7");
        EXPECT_EQ(directory.listing(), "rate.dat");
    });
}

// The temporary file of a process that has ended.
std::string temporaryOfAnEndedProcess(const std::string& target)
{
    const pid_t child = fork();
    if (child == 0)
        std::_Exit(0);
    waitpid(child, nullptr, 0);
    return target + ".new-" + std::to_string(child);
}

TEST(RateFile, WriteReplacesTheTargetOfALinkAndCleansUp)
{
    TemporaryDirectory directory;
    directory.write("kept.dat", "98.7");
    std::filesystem::permissions(directory.path() / "kept.dat", std::filesystem::perms(0640));
    std::filesystem::create_symlink("kept.dat", directory.path() / "rate.dat");
    directory.write(temporaryOfAnEndedProcess("kept.dat"), "1");
    directory.write("kept.dat.new-1", "2"); // init's: a process that is alive
    syncs.clear();
    TextConverter converter;
    converter.run("key1 key1 key0 pointKey key5 rateKey");
    EXPECT_TRUE(std::filesystem::is_symlink(directory.path() / "rate.dat"));
    EXPECT_EQ(directory.read("kept.dat"), "110.5");
    EXPECT_EQ(std::filesystem::status(directory.path() / "kept.dat").permissions(),
              std::filesystem::perms(0640));
    EXPECT_EQ(directory.listing(), "kept.dat,kept.dat.new-1,rate.dat");
    // The file's bytes, then the rename in its directory.
    EXPECT_EQ(syncs, (std::vector<std::string>{"file", "directory"}));
}

} // namespace
