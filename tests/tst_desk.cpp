// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"
#include "core/settings.h"
#include "support/zelvane_test.h"

#include <QSoundEffect>

// Pressed, moved in four steps and released.
static void drag(QWidget *clock, const QPoint &by)
{
    const QPoint start = clock->mapToGlobal(QPoint(20, 20));
    QTest::mousePress(clock, Qt::LeftButton, {}, QPoint(20, 20));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(clock, clock->mapFromGlobal(start + by * step / 4));
    QTest::mouseRelease(clock, Qt::LeftButton, {}, clock->mapFromGlobal(start + by));
}

// The windows on the screen, the clock moved and remembered, and the settings
// file and window, through real clicks, drags and keys. CTest runs this on
// screens of 1280x1024 (every window at its designed place), 1024x768,
// 800x600 and 1280x1024 at QT_SCALE_FACTOR=2.
class Tst_Desk : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    // Window, the menu's button that opens it (none: the right click), title,
    // place (none: where the window system puts it), size (none: its own),
    // kept on top. Opened twice, it lies wholly on the screen, at its place
    // where it fits.
    void menu_windows_data()
    {
        table_data(R"(
Right_Menu||Right click menu|660,475|260x168|1
Calender_Show|calender_button||900,120||1
Main_Maxim_Screen|maxim_button|Select maxim menu|560,400||0
Alarm_Timer|timer_button|Alrm Timer screen|660,545|200x60|1
Config_Mini_Omikuji|omikuji_button|Zelvane Uranai Config|500,420|400x200|0
Help_Screen|help_button|How to use screen||460x560|1
Version_Screen|version_button|Version screen|530,460|400x210|0
Settings_Screen|settings_button|Settings|560,380||0)");
    }
    void menu_windows()
    {
        QFETCH(QStringList, row);
        const QStringList place = row[3].split(','), size = row[4].split('x');
        Date_Time_Screen *clock = nullptr;
        for (int visit = 1; visit <= 2; ++visit) {
            QWidget *menu = open_menu(clock);
            if (!row[1].isEmpty()) {
                press(menu, row[1]);
                QVERIFY(!window_of("Right_Menu"));
            }
            QWidget *window = window_of(qPrintable(row[0]));
            QVERIFY2(window, qPrintable(QStringLiteral("visit %1").arg(visit)));
            QCOMPARE(window->windowTitle(), row[2]);
            QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), row[5] == "1");
            check_place(window, clock, QPoint(place.value(0).toInt(), place.value(1).toInt()),
                QSize(size.value(0).toInt(), size.value(1, "-1").toInt()));
            window->close();
        }
    }

    // A damaged file gives the defaults and one line. A press and a release,
    // even with a move shorter than the drag distance, step the display; a
    // longer move drags the clock, which then leads the windows. Every change
    // is saved at once; a folder that cannot be written loses the saving, said
    // once.
    void the_settings_file_and_window()
    {
        Output_Capture output, errors(2);
        QTemporaryDir config; // the user's configuration folder
        const QString file = config.filePath("zelvane/zelvane.conf");
        write_file(file,
            "[clock]\nposition=banana\n[chime]\nenabled=maybe\nvolume=110\nquiet_from=25:00\n"
            "quiet_to=\n\x01\xff[chime\n"); // no end of the quiet hours is a value too
        Settings settings(config.path());
        QCOMPARE(errors.lines("zelvane:").join('|').count('"'), 8); // four values named, one line
        for (const char *fault : {"position \"banana\"", "enabled \"maybe\"", "volume \"110\"",
                 "quiet_from \"25:00\"", "not in INI form"})
            QVERIFY2(errors.lines("zelvane:").value(0).contains(fault), fault);
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        qint64 offset = 0;
        Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset); });
        const auto stand_at = [&](int day, int hour, int minute, int second) {
            offset = QDateTime::currentDateTime().msecsTo(
                QDateTime(QDate(2009, 3, day), QTime(hour, minute, second)));
        };
        stand_at(5, 12, 20, 0);
        const auto take_down = qScopeGuard(take_down_clocks); // before the settings go
        auto *clock = new Date_Time_Screen;
        clock->show();
        const QPoint home = clock_home(), dragged = home - QPoint(300, 200);
        QCOMPARE(clock->pos(), home);
        QTest::mouseClick(clock, Qt::LeftButton);
        drag(clock, {5, 4});
        QCOMPARE(
            output.lines("^buf_click_flag"), QStringList({"buf_click_flag=1", "buf_click_flag=2"}));
        drag(clock, {-300, -200});
        QCOMPARE(output.lines("^buf_click_flag").size(), 2);
        QCOMPARE(clock->pos(), dragged);
        QVERIFY(read_file(file).contains(
            QStringLiteral("[clock]\nposition=%1, %2\n").arg(dragged.x()).arg(dragged.y())));
        press(open_menu(clock), "settings_button");
        QWidget *window = window_of("Settings_Screen");
        const auto open_again
            = [&] { window->close(), press(open_menu(clock), "settings_button"); };
        open_again(), check_place(window, clock, {560, 380}); // the second opening, too
        const auto *on = window->findChild<QCheckBox *>("chime_check"); // the chime
        QVERIFY(on->isChecked() && !window->findChild<QCheckBox *>("quiet_check")->isChecked());

        auto *volume = window->findChild<QSlider *>("volume_slider");
        QCOMPARE(volume->value(), 100);
        press(window, "test_button"); // twelve o'clock: twelve strokes
        QTest::keyClick(volume, Qt::Key_Home);
        QCOMPARE(Settings(config.path()).chime_volume(), 0); // read back as saved
        press(window, "test_button");
        QCOMPARE(rung, QList<QVariantList>({{12}, {12}}));
        QCOMPARE(chimes.sound(12)->volume(), 0.0);
        QTest::keyClick(volume, Qt::Key_PageUp);
        press(window, "test_button");
        QVERIFY(chimes.sound(12)->volume() > 0.0 && chimes.sound(12)->volume() < 0.1);
        press(window, "chime_check");
        press(window, "quiet_check");
        QTest::keyClick(window->findChild<QTimeEdit *>("quiet_to_edit"), Qt::Key_Up); // 08:00
        QVERIFY(read_file(file).contains(
            "[chime]\nenabled=false\nquiet_from=22:00\nquiet_to=08:00\nvolume=10\n"));
        press(window, "chime_check");
        // Quiet from 22:00 to 08:00: 23:00 is struck but not heard, 08:00 rings.
        rung.clear(), stand_at(5, 22, 59, 58);
        WAIT_COMPARE(output.lines("^jiho check ok").size(), 1);
        stand_at(6, 7, 59, 58);
        WAIT_COMPARE(output.lines("^jiho check ok").size(), 2);
        QCOMPARE(rung, QList<QVariantList>({{8}}));

        press(window, "put_back_button");
        // Where it does not fit at (790, 640), the time display's right end
        // lies where the date display's lay.
        QCOMPARE(clock->pos(), home + QPoint(home.x() == 790 ? 0 : 220 - clock->width(), 0));
        QVERIFY(read_file(file).contains("position=790, 640\n"));

        // Nothing can be written under /proc, not even by root.
        {
            Settings unwritable("/proc/zelvane");
            open_again();
            press(window, "chime_check");
            QTest::keyClick(volume, Qt::Key_Home);
            QCOMPARE(
                errors.lines("^zelvane: cannot save the settings in /proc/zelvane/").size(), 1);
            open_again();
            QVERIFY(!on->isChecked() && volume->value() == 0);
        }

        // Started with the desktop: the entry names this program, and goes.
        open_again();
        const QString entry = config.filePath("autostart/org.zelvane.Zelvane.desktop");
        press(window, "autostart_check");
        const QString program = QFile::symLinkTarget("/proc/self/exe");
        QVERIFY(
            read_file(entry).contains("\nExec=" + program + "\nPath=" + QFileInfo(program).path()));
        const QString made = config.filePath("org.zelvane.Zelvane.desktop");
        QVERIFY(QFile::copy(entry, made));
        press(window, "autostart_check");
        QVERIFY(!QFile::exists(entry));
        if (tools_missing({"desktop-file-validate"}))
            return;
        QCOMPARE(QProcess::execute("desktop-file-validate", {made}), 0);
    }
};

QTEST_MAIN(Tst_Desk)
#include "tst_desk.moc"
