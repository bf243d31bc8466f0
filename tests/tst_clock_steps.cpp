// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "date_time_screen.h"
#include "output_capture.h"
#include "program_run.h"
#include "time_source.h"
#include "x_display.h"

#include <QtTest>

// The clock's own timers run for real; the wall clock is the system's plus an
// offset, stepped back and forth across full hours as a user or NTP might.
// Then the program installed into a scratch prefix and started from an empty
// folder finds its chimes, help pages and catalogue; the build's own program,
// with no data beside it, says on standard error where it looked.
class Tst_Clock_Steps : public QObject
{
    Q_OBJECT

private slots:
    void every_hour_shown_strikes_once_whatever_the_clock_does();
    void installed_program_runs_from_an_empty_folder();
};

void Tst_Clock_Steps::every_hour_shown_strikes_once_whatever_the_clock_does()
{
    qint64 offset_ms = 0;
    Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset_ms); });
    Output_Capture output;
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    Date_Time_Screen screen;
    QStringList seen;
    QTimer watch; // what the clock shows, as it changes
    connect(&watch, &QTimer::timeout, [&] { seen << screen.text(); });
    watch.start(5);
    // Steps the clock by whole seconds to hh:59:59 on 5 March 2009 (or the day
    // before) and waits until hh+1:00:00.3 (or later): an hour comes and goes.
    const auto cross = [&](int hour, int day = 5, int until_ms = 300) {
        seen = QStringList {screen.text()};
        const QDateTime real = QDateTime::currentDateTime(),
                        end(QDate(2009, 3, day), QTime(hour, 59, 59));
        offset_ms = real.msecsTo(end) + real.time().msec();
        QTRY_VERIFY_WITH_TIMEOUT(Time_Source::now() >= end.addMSecs(1000 + until_ms), 4000);
    };

    cross(11); // noon passes before the time was ever shown: silent
    QTest::mouseClick(&screen, Qt::LeftButton);
    QTest::mouseClick(&screen, Qt::LeftButton);
    cross(12, 5, 2300); // every second shown once, from the first of the hour
    seen.removeDuplicates();
    QCOMPARE(seen.mid(seen.indexOf("13:0:00")), QStringList({"13:0:00", "13:0:01", "13:0:02"}));
    cross(12); // set back: 13:00 again
    cross(10); // further back: 11:00, never struck yet
    cross(12); // forward again: 13:00 once more
    cross(23, 4); // a day back: midnight
    QCOMPARE(rung, QList<QVariantList>({{1}, {11}, {12}}));
    QCOMPARE(output.text().count(QStringLiteral("jiho check ok")), 3);
}

void Tst_Clock_Steps::installed_program_runs_from_an_empty_folder()
{
    X_Display display;
    QVERIFY2(display.start(), qPrintable(display.error()));
    QTemporaryDir prefix, empty;
    const QStringList install {"--install", ZELVANE_BUILD_DIR, "--prefix", prefix.path()};
    QCOMPARE(QProcess::execute(CMAKE_COMMAND, install), 0);
    for (const QString &program : {prefix.filePath("bin/zelvane"), Program_Run::program_path()}) {
        const bool installed = program.startsWith(prefix.path());
        QProcessEnvironment env = display.environment();
        env.insert("LC_ALL", "ja_JP.UTF-8");
        QProcess run;
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(empty.path());
        run.start(program, {});
        QVERIFY(display.wait_for_window(installed ? "ゼルヴァーネ(時計+)" : "Zelvane(Clock+)"));
        run.kill();
        run.waitForFinished();
        const QString missing = "zelvane_ja.qm not found in " + empty.path();
        QCOMPARE(QString(run.readAllStandardError()).contains(missing), !installed);
    }
}

QTEST_MAIN(Tst_Clock_Steps)
#include "tst_clock_steps.moc"
