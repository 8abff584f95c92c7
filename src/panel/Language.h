// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

// The user's language as Qt finds it, QLocale::system().uiLanguages() (on
// Unix the languages of LANGUAGE, or else the one of LC_ALL, LC_MESSAGES or
// LANG), and of them the first for which the directory holds a translation
// of the program (quibra_en.qm) or that is Japanese. Japanese is the
// program's own: it then brings only Qt's own Japanese texts. Without
// either, the program's Japanese stays, and Qt's English.
void installTranslations(const QString& directory);

// Where the program's translations are: installed, the path that the build
// wrote from the bin directory to the data directory, or else beside the
// program, as in the build tree.
QString translationsDirectory();

// A text of the converter (Translatable.h) as the window shows it.
QString translated(const char* context, std::string_view text);
