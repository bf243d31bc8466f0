// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

std::unique_ptr<QTranslator> install_test_catalogue(
    const char *context, const QList<QPair<QString, QString>> &entries)
{
    QTemporaryDir folder;
    const QString ts_path = folder.filePath(QStringLiteral("test.ts"));
    const QString qm_path = folder.filePath(QStringLiteral("test.qm"));
    QFile ts(ts_path);
    if (!ts.open(QIODevice::WriteOnly))
        return nullptr;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                     "<TS version=\"2.1\" language=\"ja_JP\">\n<context>\n<name>";
    xml += QByteArray(context) + "</name>\n";
    for (const auto &entry : entries)
        xml += "<message><source>" + entry.first.toUtf8() + "</source><translation>"
            + entry.second.toUtf8() + "</translation></message>\n";
    xml += "</context>\n</TS>\n";
    ts.write(xml);
    ts.close();

    if (QProcess::execute(QStringLiteral(LRELEASE_PROGRAM),
            {QStringLiteral("-silent"), ts_path, QStringLiteral("-qm"), qm_path})
        != 0)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(qm_path))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
