// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What rate.dat's writing does that no trace sees: what is flushed to
// disk, a write the disk refuses, descriptors left open. What the files
// hold afterwards is in the trace rate-file.txt.

#include "TextPanel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <dlfcn.h>
#include <sys/stat.h>

namespace {

// What this process has flushed to disk: "file" or "directory" for each fsync.
std::vector<std::string> syncs;
// While set, every write fails as on a full disk.
bool diskFull = false;

} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    static const auto real =
        reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    if (diskFull) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, size);
}

extern "C" int fsync(int fd)
{
    struct stat status = {};
    ::fstat(fd, &status);
    syncs.push_back(S_ISDIR(status.st_mode) ? "directory" : "file");
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

namespace {

// A write the disk refuses keeps the old file; the next one reaches the
// disk, the new file first and then the rename in its directory.
TEST(RateFile, WrittenWholeAndDurablyOrNotAtAll)
{
    std::string directory = (std::filesystem::temp_directory_path() / "quibra-XXXXXX").string();
    std::filesystem::current_path(mkdtemp(directory.data()));
    std::ofstream("rate.dat") << "98.7";
    const auto descriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto rate = [] {
        std::ifstream file("rate.dat");
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const auto before = descriptors();
    TextConverter converter;
    diskFull = true;
    converter.run("key1 key1 key0 pointKey key5 rateKey");
    diskFull = false;
    EXPECT_EQ(converter.panel.messages.size(), 1u);
    EXPECT_EQ(rate(), "98.7");
    syncs.clear();
    converter.run("key1 key2 key0 pointKey key5 rateKey");
    EXPECT_EQ(syncs, (std::vector<std::string>{"file", "directory"}));
    EXPECT_EQ(rate(), "120.5");
    EXPECT_EQ(descriptors(), before);
    std::filesystem::remove_all(directory);
}

} // namespace
