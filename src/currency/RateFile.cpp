// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency/RateFile.h"

#include "QuibraDlg.h"
#include "core/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::string_view_literals;

namespace {

// Where the rate is written: through a symbolic link, the file it names.
std::filesystem::path rateFileTarget()
{
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(rateFileName, error);
    return error ? std::filesystem::path(rateFileName) : target;
}

constexpr std::string_view temporarySuffix = ".new-";

std::filesystem::path directoryOf(const std::filesystem::path& file)
{
    return file.parent_path().empty() ? "." : file.parent_path();
}

// Temporary files that a run which died between writing and renaming left
// beside the target. Those of a process still alive may be another
// Quibra's write under way, so they stay.
void removeStaleTemporaries(const std::filesystem::path& target)
{
    std::error_code error;
    const std::string prefix = target.filename().string() + std::string(temporarySuffix);
    for (const auto& entry : std::filesystem::directory_iterator(directoryOf(target), error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix))
            continue;
        const std::string_view digits = std::string_view(name).substr(prefix.size());
        const char* last = std::to_address(digits.end());
        int pid{};
        const auto [end, ec] = std::from_chars(digits.data(), last, pid);
        // A process that has ended has no directory in /proc.
        if (ec == std::errc{} && end == last &&
            !std::filesystem::exists("/proc/" + std::to_string(pid), error))
            std::filesystem::remove(entry.path(), error);
    }
}

// The rename is durable only once the directory that holds it is on disk.
// (Should the directory not open, both calls fail harmlessly.)
void syncDirectoryOf(const std::filesystem::path& target)
{
    const int fd = ::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(fd);
    ::close(fd);
}

} // namespace

// At most the first five bytes count, and a line end or NUL ends the
// rate. Anything that is not a readable regular file leaves the box empty
// (a descriptor that did not open fails fstat). A regular file gives all
// of the five bytes it has in one read.
void CQuibraDlg::readRateFile()
{
    rateFile = ::open(rateFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat status = {};
    if (::fstat(rateFile, &status) == 0 && S_ISREG(status.st_mode)) {
        char bytes[rateLength]{};
        const ssize_t got = ::read(rateFile, bytes, rateLength);
        std::string_view read(bytes, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        read = read.substr(0, read.find_first_of("\r\n\0"sv));
        rateText.assign(read);
        writeRateBox(utf8::withReplacements(rateText));
    }
    ::close(rateFile);
}

// The rate goes to a new file that then replaces "rate.dat" in one rename:
// whatever fails, the old file stays whole and no new file is left behind.
// A failed step leaves the descriptor at -1, on which the rest fail too.
bool CQuibraDlg::tryWriteRateFile(std::string_view rate)
{
    const std::filesystem::path target = rateFileTarget();
    // A rate.dat that the user may not write keeps its rate: the rename,
    // which needs only the directory's permission, would replace it.
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        return false;
    std::filesystem::path temporary = target;
    temporary += std::string(temporarySuffix) + std::to_string(::getpid());
    removeStaleTemporaries(target);

    // A file of this name can only be one that an earlier process of the
    // same number left; a link of this name is not followed.
    rateFile =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    struct stat old = {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(rateFile, old.st_mode & 07777);
    const bool written =
        ::write(rateFile, rate.data(), rate.size()) == static_cast<ssize_t>(rate.size()) &&
        ::fsync(rateFile) == 0;
    const bool closed = ::close(rateFile) == 0;
    if (written && closed && ::rename(temporary.c_str(), target.c_str()) == 0) {
        syncDirectoryOf(target);
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}
