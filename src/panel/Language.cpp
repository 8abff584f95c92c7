// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>

void installTranslations(const QString& directory)
{
    // Qt's own QTranslator::load(QLocale::system(), ...) would pass over a
    // Japanese that comes first, as in LANGUAGE=ja:en, for the English after it.
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        const bool japanese = locale.language() == QLocale::Japanese;
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (japanese ? translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                     : translator->load(locale, QStringLiteral("quibra"), QStringLiteral("_"),
                                        directory)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
        delete translator;
        if (japanese)
            return;
    }
}

QString translationsDirectory()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString installed = QStringLiteral(QUIBRA_TRANSLATIONS);
    return here.filePath(here.exists(installed) ? installed : QStringLiteral("translations"));
}

QString translated(const char* context, std::string_view text)
{
    return QCoreApplication::translate(context, std::string(text).c_str());
}
