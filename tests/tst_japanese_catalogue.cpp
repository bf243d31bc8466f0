// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_time_screen.h"
#include "fake_clock.h"
#include "japanese_catalogue.h"
#include "output_capture.h"
#include "program_run.h"
#include "working_directory.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QDateTime fixed_moment(QDate(2009, 3, 5), QTime(9, 5, 7));

QString catalogue_in_run_folder()
{
    return QDir(Program_Run::run_folder()).absoluteFilePath(QStringLiteral("zelvane_ja.qm"));
}

} // namespace

class Tst_Japanese_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void japanese_system_with_catalogue_is_translated();
    void japanese_system_without_catalogue_stays_english_and_quiet();
    void other_language_loads_nothing();
    void every_text_has_a_finished_japanese_entry();
};

void Tst_Japanese_Catalogue::japanese_system_with_catalogue_is_translated()
{
    QTemporaryDir folder;
    QVERIFY(
        QFile::copy(catalogue_in_run_folder(), folder.filePath(QStringLiteral("zelvane_ja.qm"))));
    Working_Directory here(folder.path());
    Fake_Clock clock(fixed_moment);

    QTranslator translator;
    QVERIFY(Install_Japanese_Catalogue(translator, QLocale(QLocale::Japanese, QLocale::Japan)));
    QVERIFY(!translator.isEmpty());
    {
        Date_Time_Screen screen;
        QCOMPARE(screen.windowTitle(), QStringLiteral("ゼルヴァーネ(時計+)"));
        QCOMPARE(screen.toolTip(), QStringLiteral("卯の月"));
        QTest::mousePress(&screen, Qt::LeftButton);
        QCOMPARE(screen.text(), QStringLiteral("卯の月"));
        QCOMPARE(screen.toolTip(), QStringLiteral("三月"));
        QTest::mousePress(&screen, Qt::LeftButton);
        QCOMPARE(screen.toolTip(), QStringLiteral("巳の刻"));
        QTest::mousePress(&screen, Qt::LeftButton);
        QCOMPARE(screen.text(), QStringLiteral("巳の刻"));
        QCOMPARE(screen.toolTip(), QStringLiteral("9時5分"));
    }
    QCoreApplication::removeTranslator(&translator);
}

void Tst_Japanese_Catalogue::japanese_system_without_catalogue_stays_english_and_quiet()
{
    QTemporaryDir empty_folder;
    Working_Directory here(empty_folder.path());
    Fake_Clock clock(fixed_moment);
    Output_Capture output(stdout);
    Output_Capture errors(stderr);

    QTranslator translator;
    QVERIFY(Install_Japanese_Catalogue(translator, QLocale(QLocale::Japanese, QLocale::Japan)));
    QVERIFY(translator.isEmpty());
    QCOMPARE(output.text(), QString());
    {
        Date_Time_Screen screen;
        // Building the window tree prints its own trace lines; they are not this test's matter.
        output.take_lines();
        QCOMPARE(screen.windowTitle(), QStringLiteral("Zelvane(Clock+)"));
        QCOMPARE(screen.toolTip(), QStringLiteral("U no Tuki"));
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(output.text(), QString());
    QCOMPARE(errors.text(), QString());
}

void Tst_Japanese_Catalogue::other_language_loads_nothing()
{
    QTemporaryDir folder;
    QVERIFY(
        QFile::copy(catalogue_in_run_folder(), folder.filePath(QStringLiteral("zelvane_ja.qm"))));
    Working_Directory here(folder.path());
    Fake_Clock clock(fixed_moment);

    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates),
             QLocale(QLocale::German), QLocale(QLocale::Chinese)}) {
        QTranslator translator;
        QVERIFY(!Install_Japanese_Catalogue(translator, locale));
        QVERIFY(translator.isEmpty());
        Date_Time_Screen screen;
        QCOMPARE(screen.windowTitle(), QStringLiteral("Zelvane(Clock+)"));
    }
}

void Tst_Japanese_Catalogue::every_text_has_a_finished_japanese_entry()
{
    // lupdate over the sources into a scratch copy of the catalogue: any text
    // handed to translation that has no finished Japanese entry shows up as
    // unfinished.
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("zelvane_ja.ts"));
    QVERIFY(QFile::copy(QStringLiteral(CATALOGUE_SOURCE), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE_PROGRAM),
        {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-silent"),
            QStringLiteral(ZELVANE_SOURCE_DIR "/src"), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QStringList missing;
    int finished = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            if (type == QLatin1String("unfinished") || text.isEmpty())
                missing.append(context + QStringLiteral(": \"") + source + QLatin1Char('"'));
            else
                ++finished;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(missing.isEmpty(),
        qPrintable(QStringLiteral("texts without a Japanese entry:\n  ")
            + missing.join(QStringLiteral("\n  "))));
    QVERIFY(finished > 0);
}

QTEST_MAIN(Tst_Japanese_Catalogue)
#include "tst_japanese_catalogue.moc"
