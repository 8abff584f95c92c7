// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "currency/RateFile.h"

#include "QuibraDlg.h"
#include "core/Utf8.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isLineEndOrNul(char c) { return c == '\r' || c == '\n' || c == '\0'; }

bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Where the rate is written: through a symbolic link to the file it names.
std::filesystem::path rateFileTarget()
{
    std::error_code error;
    const std::filesystem::path link = rateFileName;
    if (std::filesystem::is_symlink(link, error)) {
        auto target = std::filesystem::canonical(link, error);
        if (!error)
            return target;
    }
    return link;
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
        int pid = 0;
        const char* digits = name.data() + prefix.size();
        const auto [end, ec] = std::from_chars(digits, name.data() + name.size(), pid);
        if (ec != std::errc{} || end != name.data() + name.size() || pid <= 0 || pid == ::getpid())
            continue;
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            std::filesystem::remove(entry.path(), error);
    }
}

// The rename is durable only once the directory that holds it is on disk.
void syncDirectoryOf(const std::filesystem::path& target)
{
    const int fd = ::open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

// At most the first five characters count, and a line end or NUL ends the
// rate. Anything that is not a readable regular file leaves the box empty.
void CQuibraDlg::readRateFile()
{
    rateFile = ::open(rateFileName, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (rateFile < 0)
        return;
    struct stat status {};
    if (::fstat(rateFile, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(rateFile);
        rateFile = -1;
        return;
    }
    char bytes[rateLength];
    std::size_t count = 0;
    while (count < rateLength) {
        const ssize_t got = ::read(rateFile, bytes + count, rateLength - count);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        count += static_cast<std::size_t>(got);
    }
    std::string_view read(bytes, count);
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (isLineEndOrNul(read[i])) {
            read = read.substr(0, i);
            break;
        }
    }
    rateText.assign(read);
    numberText = &rateText;
    writeRateBox(utf8::withReplacements(rateText));
    ::close(rateFile);
    rateFile = -1;
}

// The rate goes to a new file that then replaces "rate.dat" in one rename:
// whatever fails, the old file stays whole and no new file is left behind.
bool CQuibraDlg::tryWriteRateFile(std::string_view rate)
{
    const std::filesystem::path target = rateFileTarget();
    std::filesystem::path temporary = target;
    temporary += std::string(temporarySuffix) + std::to_string(::getpid());
    removeStaleTemporaries(target);

    rateFile = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (rateFile < 0 && errno == EEXIST) {
        ::unlink(temporary.c_str()); // left by an earlier run that died
        rateFile = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    if (rateFile < 0)
        return false;

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(rateFile, old.st_mode & 07777);
    bool written = writeAll(rateFile, rate) && ::fsync(rateFile) == 0;
    written = ::close(rateFile) == 0 && written;
    rateFile = -1;
    if (written && ::rename(temporary.c_str(), target.c_str()) == 0) {
        syncDirectoryOf(target);
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}
