// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>

namespace {

bool tryInstall(const QLocale& locale, const QString& name, const QString& directory)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), directory))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}

} // namespace

void installTranslations(const QString& directory)
{
    // Qt's own QTranslator::load(QLocale::system(), ...) would pass over a
    // Japanese that comes first, as in LANGUAGE=ja:en, for the English after it.
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::Japanese) {
            tryInstall(locale, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
        if (tryInstall(locale, QStringLiteral("quibra"), directory))
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
