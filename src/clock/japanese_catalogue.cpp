// SPDX-License-Identifier: GPL-3.0-or-later
#include "japanese_catalogue.h"

#include "data_folder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool Install_Japanese_Catalogue(QTranslator &translator, const QLocale &locale)
{
    if (locale.language() != QLocale::Japanese)
        return false;

    const QString name = QStringLiteral("zelvane_") + QStringLiteral("ja");
    // A missing catalogue is not an error: the texts simply stay in English.
    // The working directory comes first, then the installed data folder.
    if (!translator.load(name, QString(), QString(), QString()))
        (void)translator.load(name, Data_Folder::installed(), QString(), QString());
    QCoreApplication::installTranslator(&translator);
    return true;
}

bool Install_Toolkit_Catalogue(QTranslator &translator, const QLocale &locale)
{
    if (locale.language() != QLocale::Japanese)
        return false;
    if (!translator.load(
            QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
