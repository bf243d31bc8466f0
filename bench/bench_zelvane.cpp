// SPDX-License-Identifier: GPL-3.0-or-later
// How much the gadget costs while it sits on the desktop all day: the refresh
// it runs every second, the chime check, and building the whole window tree
// at start-up. Run: QT_QPA_PLATFORM=offscreen build/bench/bench_zelvane
#include "clock/date_time_screen.h"
#include "core/time_source.h"

#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

// The program's trace lines go nowhere while the object lives.
struct Quiet
{
    const int saved = dup(STDOUT_FILENO);
    Quiet()
    {
        std::fflush(stdout);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        close(nowhere);
    }
    ~Quiet()
    {
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
    }
};

class Bench_Zelvane : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Time_Source::set_reader({}); }
    void refresh_data();
    void refresh();
    void chime_check();
    void start_up_window_tree();
};

void Bench_Zelvane::refresh_data()
{
    QTest::addColumn<int>("left_clicks");
    QTest::newRow("date") << 0;
    QTest::newRow("month name") << 1;
    QTest::newRow("time") << 2;
    QTest::newRow("period name") << 3;
}

void Bench_Zelvane::refresh()
{
    QFETCH(int, left_clicks);
    QDateTime moment(QDate(2009, 3, 5), QTime(9, 5, 7, 100));
    Time_Source::set_reader([&moment] { return moment; });
    Quiet quiet;
    Date_Time_Screen screen;
    screen.show();
    for (int i = 0; i < left_clicks; ++i)
        QTest::mousePress(&screen, Qt::LeftButton);
    // A refresh as the clock runs it: the new text and its paint.
    QBENCHMARK
    {
        moment = moment.addSecs(1);
        screen.change_time();
        screen.repaint();
    }
}

void Bench_Zelvane::chime_check()
{
    QDateTime moment(QDate(2009, 3, 5), QTime(9, 5, 7, 100));
    Time_Source::set_reader([&moment] { return moment; });
    Quiet quiet;
    Date_Time_Screen screen;
    QBENCHMARK
    {
        moment = moment.addSecs(1);
        screen.jiho_check();
    }
}

void Bench_Zelvane::start_up_window_tree()
{
    Quiet quiet;
    QBENCHMARK_ONCE
    {
        Date_Time_Screen screen;
    }
}

QTEST_MAIN(Bench_Zelvane)
#include "bench_zelvane.moc"
