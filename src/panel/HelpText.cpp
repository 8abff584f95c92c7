// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HelpText.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSysInfo>
#include <QTextCursor>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t replacementCharacter = u'\uFFFD';

// glibc's CP932 module is the code page's own table (① at 87 40, ～ at
// 81 60, the IBM extensions); Qt 6.4's decoder turns bad bytes into U+001A.
const char* utf16Name()
{
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
}

// About 25 ms of work for the text area, ending at a line end.
constexpr qsizetype partLength = 256 * 1024;
constexpr char showingProperty[] = "helpTextShowing";

qsizetype partEnd(const QString& text, qsizetype start)
{
    const qsizetype end =
        text.indexOf(QLatin1Char('\n'), std::min(start + partLength, text.size()));
    return end < 0 ? text.size() : end + 1;
}

void appendParts(QPlainTextEdit& area, const QString& text, qsizetype start, int showing)
{
    if (start >= text.size())
        return;
    // Posted to the area: the area's end drops what is still to come.
    QMetaObject::invokeMethod(
        &area,
        [&area, text, start, showing] {
            if (area.property(showingProperty).toInt() != showing)
                return;
            const qsizetype end = partEnd(text, start);
            QTextCursor cursor(area.document());
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(text.sliced(start, end - start));
            appendParts(area, text, end, showing);
        },
        Qt::QueuedConnection);
}

} // namespace

QString decodeShiftJis(QByteArrayView bytes)
{
    // Every character of code page 932 lies in the BMP and takes at least
    // one byte, so the text never has more UTF-16 units than the file bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    const iconv_t opened = iconv_open(utf16Name(), "CP932");
    if (opened == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    const std::unique_ptr<void, int (*)(iconv_t)> converter(opened, iconv_close);

    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outLeft = static_cast<std::size_t>(text.size()) * sizeof(char16_t);
    while (inLeft > 0) {
        if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte that starts no character, or a lead byte without its trail
        // byte: the trail byte, if any, is read again as a character of its own.
        const char16_t replacement = replacementCharacter;
        std::memcpy(out, &replacement, sizeof replacement);
        out += sizeof replacement;
        outLeft -= sizeof replacement;
        ++in;
        --inLeft;
    }
    text.truncate((out - reinterpret_cast<char*>(text.data())) / qsizetype(sizeof(char16_t)));
    return text;
}

std::optional<QString> tryLoadHelpText(const char* path, qsizetype cap)
{
    // Opened without blocking, so that a FIFO of that name cannot hold the
    // window; only a regular file is read, and never beyond the cap. The
    // file closes the descriptor, whichever way this returns.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    QFile file;
    struct stat status = {};
    if (fd < 0 ||
        !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle) ||
        ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // One read to the end or one byte past the cap. The buffer costs address
    // space only: the pages the file fills are the ones the process uses.
    QByteArray bytes(cap + 1, Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got < 0)
        return std::nullopt;
    bytes.truncate(got);
    if (bytes.size() <= cap)
        return decodeShiftJis(bytes);
    bytes.truncate(bytes.lastIndexOf('\n', cap - 1) + 1);
    return decodeShiftJis(bytes) + QLatin1Char('\n') +
           QCoreApplication::translate(
               "HelpText", "（ヘルプファイルが大きすぎるため、ここまでを表示しています。）");
}

void showInParts(QPlainTextEdit& area, const QString& text)
{
    const int showing = area.property(showingProperty).toInt() + 1;
    area.setProperty(showingProperty, showing);
    const qsizetype end = partEnd(text, 0);
    area.setPlainText(text.first(end));
    appendParts(area, text, end, showing);
}
