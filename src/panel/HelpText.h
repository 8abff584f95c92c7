// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

class QPlainTextEdit;

// Read from the working directory each time the help window loads it.
inline constexpr char helpFileName[] = "QuibraHelp.txt";

// Decodes Shift-JIS as code page 932 has it. A byte that does not decode
// becomes U+FFFD and decoding goes on with the next byte.
QString decodeShiftJis(QByteArrayView bytes);

// The most of a help file that is shown; a larger file is shown to its last
// line end within this size, followed by a note that it was cut.
inline constexpr qsizetype helpFileCap = 16 * 1024 * 1024;

// The help file decoded, or nothing when it cannot be read or is not a
// regular file (a directory, a FIFO or a device counts as missing). Its
// line ends stay as they are: the text area breaks lines at LF, CR LF and
// CR alike.
std::optional<QString> tryLoadHelpText(const char* path, qsizetype cap = helpFileCap);

// Shows a text in a text area: its first part at once, the rest appended
// part by part from the event loop. A text area takes some microseconds a
// line, so a help file of megabytes would otherwise hold the window closed
// for a second or more. A later call, or the area's end, stops the parts
// still to come. Each part is an event posted to the area by the one before.
void showInParts(QPlainTextEdit& area, const QString& text);
