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

bool Data_Folder::report_missing(bool japanese)
{
    QStringList wanted {QStringLiteral("wave/"), QStringLiteral("html/index.html")};
    if (japanese)
        wanted.append(QStringLiteral("zelvane_ja.qm"));
    QStringList missing;
    for (const QString &item : wanted) {
        if (!QFileInfo::exists(locate(item)))
            missing.append(item);
    }
    if (missing.isEmpty())
        return true;
    const QString line
        = QStringLiteral("zelvane: %1 not found in %2; running without them "
                         "(silent chimes, no help pages)\n")
              .arg(missing.join(QStringLiteral(", ")), folders().join(QStringLiteral(" or ")));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return false;
}
