// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/main_maxim_screen.h"
#include "maxim/maxim_word_ja.h"
#include "support/zelvane_test.h"

static QTemporaryDir runtime; // the desktop's XDG_RUNTIME_DIR

// A window of the program, its title in the test's language, once it shows.
static const auto window = [](const char *context, const char *title) {
    return find_window(QCoreApplication::translate(context, title));
};

// Keys typed into the window once it has the keyboard's focus; whether it had.
static bool type(const X_Window &window, const QString &keys)
{
    const qulonglong id = window.id.toULongLong(nullptr, 16);
    const auto focused = [id] {
        return run({"xdotool", "getactivewindow"}).trimmed().toULongLong() == id;
    };
    return QTest::qWaitFor(focused, patience_ms)
        && (run(QStringList {"xdotool", "key", "--delay", "100"} + keys.split(' ')), true);
}

// The program as one of the desktop's own: one copy per display, a notice
// when the countdown ends, an end with its main window, and the keyboard, on
// a private X server with a window manager (openbox), as a user works it.
class Tst_Desktop : public QObject
{
    Q_OBJECT
    Private_Display display;

private slots:
    void initTestCase()
    {
        if (tools_missing({"Xvfb", "openbox", "xdotool", "wmctrl", "xwininfo", "import",
                "dbus-daemon", "dbus-monitor", "dbus-send", "pulseaudio", "parec", "faketime"}))
            return;
        QVERIFY(display.start(true));
        on_display = with(on_display,
            {"QT_QPA_PLATFORM", "XDG_RUNTIME_DIR=" + runtime.path(), "LANG=C.UTF-8", "LC_ALL="});
    }

    // One copy per display, and its end. A second start brings the first
    // clock back from its minimised state,
    // says so and ends; noon is struck once and heard. The Japanese maxims'
    // text areas with nothing selected anywhere: a middle click and Ctrl+V
    // paste nothing (Qt 6.4 itself would crash), and the program carries on. A
    // copy killed leaves its socket, which does not stop the next.
    void one_copy_per_display()
    {
        Sound_Sink sink;
        const auto before_noon
            = with(on_display, faked_time("2026-12-06 11:59:35") << sink.server());
        Program first(before_noon);
        const X_Window clock = window("Date_Time_Screen", "Zelvane(Clock+)");
        const auto shows = [] { return !find_window("Zelvane(Clock+)", 0).id.isEmpty(); };
        click(clock, {110, 20}), click(clock, {110, 20});
        WAIT_FOR(first.output().contains("buf_click_flag=2\n"));
        run({"xdotool", "windowminimize", clock.id});
        WAIT_FOR(!shows());
        Program second(before_noon);
        QVERIFY(second.ends_well());
        QCOMPARE(second.output(),
            "zelvane: already running on this display; its clock is brought to the front\n");
        WAIT_FOR(shows());
        QCOMPARE(run({"wmctrl", "-l"}).count("Zelvane(Clock+)"), 1);
        WAIT_FOR(first.output().contains("jiho check ok"));
        WAIT_FOR(sink.heard());
        menu_press(clock, "maxim_button");
        click_in("Select maxim menu", Main_Maxim_Screen(), "japanese_radio");
        click_in("Select maxim menu", Main_Maxim_Screen(), "select_button");
        const QString maxims = "Todays maxim in Japan";
        click_in(maxims, Maxim_Word_Ja(), "heading_edit", 2);
        click_in(maxims, Maxim_Word_Ja(), "text_edit", 2);
        click_in(maxims, Maxim_Word_Ja(), "text_edit");
        run({"xdotool", "key", "ctrl+v"});
        click_in(maxims, Maxim_Word_Ja(), "next_button");
        WAIT_FOR(first.output().contains("\ni2=1\n"));
        first.kill();
        QVERIFY(first.waitForFinished() && first.output().count("jiho check ok") == 1);

        // The third copy has no session bus and finds its display through the
        // toolkit's -display option; the fourth finds it. Its countdown's bell
        // still rings and the digits blink; closing its clock with the
        // calendar open ends it with status 0.
        QVERIFY(!QDir(runtime.path()).entryList({"zelvane-*"}, QDir::System).isEmpty());
        Sound_Sink bell;
        Program third(with(on_display,
                          {"DISPLAY", bell.server(),
                              "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime.filePath("no-bus")}),
            {"-display", on_display.value("DISPLAY")});
        const X_Window third_clock = window("Date_Time_Screen", "Zelvane(Clock+)");
        Program fourth(on_display);
        QVERIFY(fourth.ends_well());
        menu_press(third_clock, "timer_button");
        click(window("Alarm_Timer", "Alrm Timer screen"), {100, 30}, 3);
        menu_press(third_clock, "calender_button");
        WAIT_FOR(third.output().contains("buf_time = 0,"));
        QVERIFY(!find_window("zelvane").id.isEmpty()); // the calendar, untitled: the program's name
        WAIT_FOR(bell.heard());
        // The digits' colours swap: the window's mean shade is light, then dark.
        const QStringList shade {"import", "-window", window("Alarm_Timer", "Alrm Timer screen").id,
            "-format", "%[fx:mean]", "info:"};
        QSet<bool> light;
        WAIT_FOR((light << (run(shade).toDouble() > 0.5)).size() == 2);
        run({"wmctrl", "-i", "-c", third_clock.id});
        QVERIFY(third.ends_well());
    }

    // Keys alone, the same in every language, each into the window that has
    // the focus, on a Japanese desktop with a session bus of its own: the
    // clock stepped through its four displays; from the menu, opened by the
    // Menu key or Shift+F10, a countdown of 60 s to 0, which sends one notice
    // and none more on the ticks after, and is set again; three maxims read
    // forward and back, a fortune drawn, the calendar, the settings; the
    // windows closed with Esc, and Quit. The trace lines are those of the
    // clicks, the status 0.
    void worked_from_the_keyboard()
    {
        QProcess bus, monitor;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead(patience_ms));
        const auto on_bus
            = with(on_display, {"DBUS_SESSION_BUS_ADDRESS=" + bus.readLine().trimmed()});
        monitor.setProcessEnvironment(on_bus);
        monitor.start("dbus-monitor", {"--session", "interface='org.freedesktop.Notifications'"});
        QTranslator japanese;
        QVERIFY(japanese.load(ZELVANE_RUN_DIR "/zelvane_ja.qm"));
        QCoreApplication::installTranslator(&japanese);
        const auto english = qScopeGuard([&] { QCoreApplication::removeTranslator(&japanese); });
        Program program(with(on_bus, {"LANG=ja_JP.UTF-8"}));
        const X_Window clock = window("Date_Time_Screen", "Zelvane(Clock+)");
        const auto menu = [&](const char *open, const QString &rows) {
            return type(clock, open) && type(window("Right_Menu", "Right click menu"), rows);
        };
        const auto closed = [](const char *context, const char *title) {
            const QString shown = QCoreApplication::translate(context, title);
            return QTest::qWaitFor([&] { return find_window(shown, 0).id.isEmpty(); }, patience_ms);
        };
        QVERIFY(type(clock, "space Return KP_Enter Escape F10 space")); // Esc, F10: nothing
        QVERIFY(menu("Menu", "Down Down Return"));
        const X_Window countdown = window("Alarm_Timer", "Alrm Timer screen");
        QVERIFY(type(countdown, "Return space"));
        WAIT_FOR(program.output().contains("buf_time = 0,"));
        // Enter is taken again a tick after 0: the countdown is set anew.
        WAIT_FOR((type(countdown, "Return"),
            program.output().section("buf_time = 0,", 1).contains("buf_click_flag=2\n")));
        QVERIFY(type(countdown, "Escape") && closed("Alarm_Timer", "Alrm Timer screen"));
        QVERIFY(menu("shift+F10", "Down Return"));
        QVERIFY(type(window("Main_Maxim_Screen", "Select maxim menu"), "space"));
        QVERIFY(type(window("Maxim_Word", "Todays maxim"),
                    "Tab Tab space space space Tab space space space Escape")
            && closed("Maxim_Word", "Todays maxim"));
        QVERIFY(menu("Menu", "Down Down Down Return"));
        QVERIFY(type(window("Config_Mini_Omikuji", "Zelvane Uranai Config"),
            "Tab space Tab space Tab space Tab space Tab space Tab space space"));
        // Start, Stop and Close, each taking the keyboard from the one before.
        QVERIFY(type(window("Mini_Omikuji", "Zelvane Uranai"), "space space space")
            && closed("Mini_Omikuji", "Zelvane Uranai"));
        QVERIFY(menu("Menu", "Return")); // the calendar, untitled: the program's name
        QVERIFY(type(find_window("zelvane"), "Page_Down Escape") && closed("", "zelvane"));
        QVERIFY(menu("Menu", "Up Up Up Return"));
        QVERIFY(type(window("Settings_Screen", "Settings"), "Escape")
            && closed("Settings_Screen", "Settings"));
        QVERIFY(menu("shift+F10", "Up Return"));
        QVERIFY(program.ends_well());
        // A call made after the program's end shows the monitor has seen all it sent.
        run({"dbus-send", "--session", "--type=method_call", "--dest=org.freedesktop.Notifications",
                "/org/freedesktop/Notifications", "org.freedesktop.Notifications.GetCapabilities"},
            on_bus);
        QString seen;
        WAIT_FOR((seen += monitor.readAllStandardOutput()).contains("member=GetCapabilities"));
        monitor.kill(), bus.kill(), monitor.waitForFinished(), bus.waitForFinished();
        QCOMPARE(seen.count("member=Notify"), 1);
        const QRegularExpression notice(
            R"(member=Notify\s+string "zelvane"\s+uint32 0\s+string "org.zelvane.Zelvane"\s+)"
            R"(string "時間です"[^=]*string "urgency"\s+variant\s+byte 2\s)");
        QVERIFY2(notice.match(seen).hasMatch(), qPrintable(seen));
        const QString output = program.output();
        for (const char *lines :
            {"buf_click_flag=1\nbuf_click_flag=2\nbuf_click_flag=3\nbuf_click_flag=0\n",
                "buf_click_flag=0\nmousePressEvent,buf_time=60\nmode_flag=0\n",
                "ONE MINUTE buf_time = 0,mode_flag = 1\n", "\ni=3\n1.i=2,i=2,", "\n2.i=0,i=0,",
                "click_count = 5\n", "\nbuf_r-1="})
            QVERIFY2(output.contains(lines), qPrintable(lines + ("\nnot in\n" + output)));
    }
};

QTEST_MAIN(Tst_Desktop)
#include "tst_desktop.moc"
