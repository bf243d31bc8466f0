// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_time_screen.h"
#include "japanese_catalogue.h"
#include "program_windows.h"

#include <QtTest>
#include <QtWidgets>

// The Japanese catalogue is read on a Japanese system only (what it shows
// there, see tst_japanese), and every text has a finished Japanese entry.
class Tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete_program_windows(); }
    void other_systems_and_missing_catalogue_stay_english();
    void every_text_has_a_finished_japanese_entry();
};

void Tst_Catalogue::other_systems_and_missing_catalogue_stay_english()
{
    QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR));
    for (QLocale::Language language : {QLocale::English, QLocale::German, QLocale::Chinese}) {
        QTranslator translator;
        QVERIFY(!Install_Japanese_Catalogue(translator, QLocale(language)));
        QVERIFY(translator.isEmpty());
    }
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    QTranslator translator;
    QVERIFY(Install_Japanese_Catalogue(translator, QLocale(QLocale::Japanese)));
    QCOMPARE(Date_Time_Screen().windowTitle(), QStringLiteral("Zelvane(Clock+)"));
    QCoreApplication::removeTranslator(&translator);
    QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR));
}

void Tst_Catalogue::every_text_has_a_finished_japanese_entry()
{
    // lupdate over the sources into a scratch copy: a text without a finished
    // Japanese entry shows up as unfinished there.
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("zelvane_ja.ts"));
    QVERIFY(QFile::copy(QStringLiteral(ZELVANE_SOURCE_DIR "/translations/zelvane_ja.ts"), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(QProcess::execute(QStringLiteral(LUPDATE_PROGRAM),
                 {"-locations", "none", "-silent", ZELVANE_SOURCE_DIR "/src", "-ts", copy}),
        0);
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString catalogue = QString::fromUtf8(file.readAll());
    const QRegularExpression unfinished(QStringLiteral(
        R"(<source>([^<]*)</source>(?:\s*<comment>[^<]*</comment>)?\s*<translation type="unfinished">)"));
    QStringList missing;
    for (const QRegularExpressionMatch &m : unfinished.globalMatch(catalogue))
        missing << m.captured(1);
    QVERIFY2(missing.isEmpty(), qPrintable("without Japanese: " + missing.join(" | ")));
    QVERIFY(catalogue.count(QStringLiteral("<translation>")) > 300);
}

QTEST_MAIN(Tst_Catalogue)
#include "tst_catalogue.moc"
