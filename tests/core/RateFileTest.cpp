// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What rate.dat's reading and writing do that no trace sees: how much is
// read, and what is flushed to disk. What the files hold afterwards is in
// the traces (rate-file-*.txt).

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

// A fresh working directory for the life of the object.
struct WorkingDirectory {
    WorkingDirectory()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quibra-XXXXXX").string();
        path = mkdtemp(pattern.data());
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

// Bytes this process has read so far.
long long bytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = -1;
    while (io >> key >> value && key != "rchar:")
        ;
    return value;
}

TEST(RateFile, HugeFileIsReadOnlyAtItsStart)
{
    WorkingDirectory directory;
    std::ofstream("rate.dat") << "110.5";
    std::filesystem::resize_file("rate.dat", 100'000'000);
    const long long before = bytesRead();
    TextConverter converter;
    EXPECT_LT(bytesRead() - before, 4096);
    EXPECT_EQ(converter.panel.rateBox, "110.5");
}

TEST(RateFile, NewFileAndThenTheRenameReachTheDisk)
{
    WorkingDirectory directory;
    syncs.clear();
    TextConverter converter;
    converter.run("key1 key1 key0 pointKey key5 rateKey");
    EXPECT_EQ(syncs, (std::vector<std::string>{"file", "directory"}));
}

} // namespace
