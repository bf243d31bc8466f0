// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

QString Data_Folder::installed()
{
    const QString program_folder = QCoreApplication::applicationDirPath();
    if (program_folder.isEmpty())
        return QString();
    return QDir::cleanPath(program_folder + QStringLiteral("/../share/zelvane"));
}

QStringList Data_Folder::folders()
{
    QStringList list {QDir::currentPath()};
    const QString data = installed();
    if (!data.isEmpty() && !list.contains(data))
        list.append(data);
    return list;
}

QString Data_Folder::locate(const QString &relative_path)
{
    for (const QString &folder : folders()) {
        const QString path = QDir(folder).absoluteFilePath(relative_path);
        if (QFileInfo::exists(path))
            return path;
    }
    return QDir::current().absoluteFilePath(relative_path);
}

bool Data_Folder::report_missing(bool want_catalogue)
{
    // Each item with what the program lacks without it.
    struct Wanted
    {
        const char *path;
        const char *without_it;
    };
    static const Wanted items[] = {{"wave/", "silent chimes"}, {"html/index.html", "no help pages"},
        {"zelvane_ja.qm", "texts in English"}};
    QStringList missing, consequences;
    for (const Wanted &item : items) {
        const QString path = QLatin1String(item.path);
        if ((want_catalogue || !path.endsWith(QLatin1String(".qm")))
            && !QFileInfo::exists(locate(path))) {
            missing.append(path);
            consequences.append(QLatin1String(item.without_it));
        }
    }
    if (missing.isEmpty())
        return true;
    const QString line
        = QStringLiteral("zelvane: %1 not found in %2; running without %3 (%4)\n")
              .arg(missing.join(QStringLiteral(", ")), folders().join(QStringLiteral(" or ")),
                  missing.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                  consequences.join(QStringLiteral(", ")));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return false;
}
