// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/right_menu.h"

#include <QtTest>
#include <QtWidgets>

namespace {
QProcessEnvironment desktop; // the private X server's, with its window manager

// Settings given as "NAME=value"; "NAME" alone takes it away.
QProcessEnvironment with(QProcessEnvironment environment, const QStringList &settings)
{
    for (const QString &setting : settings)
        setting.contains('=')
            ? environment.insert(setting.section('=', 0, 0), setting.section('=', 1))
            : environment.remove(setting);
    return environment;
}

// Runs a tool to its end; what it printed.
QString run(const QStringList &command, const QProcessEnvironment &environment = desktop)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(command.first(), command.mid(1));
    return tool.waitForFinished(20000) ? QString::fromUtf8(tool.readAllStandardOutput()) : "";
}

// The window of this title, once the window manager holds it; wmctrl reads
// UTF-8 titles. The titles, here and below, are in the test's language.
QString window(const char *context, const char *title)
{
    const QRegularExpression listed("(?m)^(0x[0-9a-f]+) +\\S+ +\\S+ "
        + QRegularExpression::escape(QCoreApplication::translate(context, title)) + '$');
    for (QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(200))
        if (const auto found = listed.match(run({"wmctrl", "-l"})); found.hasMatch())
            return found.captured(1);
    return {};
}

void click(const QString &window, QPoint at, int button = 1)
{
    run({"xdotool", "mousemove", "--window", window, QString::number(at.x()),
        QString::number(at.y()), "sleep", "0.2", "click", QString::number(button)});
}

// Keys typed into the window once it has the keyboard's focus; whether it had.
bool type(const QString &window, const QString &keys)
{
    if (!QTest::qWaitFor(
            [&] {
                return run({"xdotool", "getactivewindow"}).trimmed().toULongLong()
                    == window.toULongLong(nullptr, 16);
            },
            30000))
        return false;
    run(QStringList {"xdotool", "key", "--delay", "100"} + keys.split(' '));
    return true;
}

// A right click on the clock, then a click on the menu's button, laid out as in a copy.
void menu_press(const QString &clock, const char *button)
{
    click(clock, {110, 20}, 3);
    const QString menu = window("Right_Menu", "Right click menu");
    Right_Menu copy;
    copy.show();
    const auto *target = copy.findChild<QWidget *>(button);
    click(menu, target->mapTo(&copy, target->rect().center()));
}

// The real program; what it prints goes to a file, read whole when asked.
struct Program : QProcess
{
    QTemporaryFile log;
    Program(const QProcessEnvironment &environment, const QStringList &arguments = {})
    {
        setProcessEnvironment(environment);
        setWorkingDirectory(ZELVANE_RUN_DIR);
        setStandardOutputFile(log.open() ? log.fileName() : QString());
        start(ZELVANE_RUN_DIR "/zelvane", arguments);
    }
    QString output() { return log.reset() ? QString::fromUtf8(log.readAll()) : QString(); }
    bool ended_well() { return state() == NotRunning && exitStatus() == NormalExit && !exitCode(); }
};

// Opens the countdown from the clock's menu and starts it, opens the calendar,
// and waits for the count's 0; the clock, or nothing if 0 did not come.
QString count_down(Program &program)
{
    const QString clock = window("Date_Time_Screen", "Zelvane(Clock+)");
    menu_press(clock, "timer_button");
    click(window("Alarm_Timer", "Alrm Timer screen"), {100, 30}, 3);
    menu_press(clock, "calender_button");
    for (QDeadlineTimer deadline(150000); !deadline.hasExpired(); QThread::msleep(200))
        if (program.output().contains("buf_time = 0,"))
            return clock;
    return {};
}
} // namespace

// The program as one of the desktop's own: its command line, one copy per
// display, a notice when the countdown ends and an end with its main window,
// on a private X server with a window manager, as a user works it.
class Tst_Desktop : public QObject
{
    Q_OBJECT
    QProcess xvfb, openbox;
    QTemporaryDir runtime;
    const QString faketime = ZELVANE_LIBFAKETIME;

private slots:
    void initTestCase()
    {
        // A missing tool is named and the tests skipped; under CI they fail.
        for (const QString &tool :
            QStringList {"Xvfb", "openbox", "xdotool", "wmctrl", "xwininfo", "import",
                "dbus-daemon", "dbus-monitor", "dbus-send", "pulseaudio", "parec", faketime})
            if (QStandardPaths::findExecutable(tool).isEmpty() && !QFile::exists(tool)) {
                QVERIFY2(!qEnvironmentVariableIsSet("CI"), qPrintable(tool + " is missing"));
                QSKIP(qPrintable(tool + " is missing (see the test packages in zelvane.sh)"));
            }
        xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-noreset"});
        QTRY_VERIFY_WITH_TIMEOUT(xvfb.canReadLine(), 10000);
        desktop = with(QProcessEnvironment::systemEnvironment(),
            {"DISPLAY=:" + xvfb.readLine().trimmed(), "QT_QPA_PLATFORM", "WAYLAND_DISPLAY",
                "XDG_RUNTIME_DIR=" + runtime.path(), "LANG=C.UTF-8", "LC_ALL="});
        openbox.setProcessEnvironment(desktop);
        openbox.start("openbox", {});
        QTRY_VERIFY_WITH_TIMEOUT(!run({"wmctrl", "-m"}).isEmpty(), 20000);
    }

    void cleanupTestCase()
    {
        openbox.kill(), xvfb.kill(), openbox.waitForFinished(), xvfb.waitForFinished();
    }

    // --version and --help need no display.
    void command_line()
    {
        Program version(with(desktop, {"DISPLAY"}), {"--version"});
        Program help(with(desktop, {"DISPLAY"}), {"--help"});
        QVERIFY(version.waitForFinished() && help.waitForFinished());
        QCOMPARE(version.output(), "zelvane " ZELVANE_VERSION "\n");
        QVERIFY(version.ended_well() && help.ended_well() && help.output().contains(" --version "));
    }

    // A second start brings the first clock back from its minimised state,
    // says so and ends; noon is struck once. A copy killed leaves its socket,
    // which does not stop the next one.
    void one_copy_per_display()
    {
        const QProcessEnvironment before_noon = with(desktop,
            {"LD_PRELOAD=" + faketime, "FAKETIME=@2026-12-06 11:59:35",
                "FAKETIME_DONT_FAKE_MONOTONIC=1"});
        Program first(before_noon);
        const QString clock = window("Date_Time_Screen", "Zelvane(Clock+)");
        const auto shows = [&clock] {
            return run({"xwininfo", "-id", clock}).contains("IsViewable");
        };
        click(clock, {110, 20}), click(clock, {110, 20});
        QTRY_VERIFY_WITH_TIMEOUT(first.output().contains("buf_click_flag=2\n"), 20000);
        run({"xdotool", "windowminimize", clock});
        QTRY_VERIFY_WITH_TIMEOUT(!shows(), 20000);
        Program second(before_noon);
        QVERIFY(second.waitForFinished(5000) && second.ended_well());
        QCOMPARE(second.readAllStandardError(),
            "zelvane: already running on this display; its clock is brought to the front\n");
        QTRY_VERIFY_WITH_TIMEOUT(shows(), 20000);
        QCOMPARE(run({"wmctrl", "-l"}).count("Zelvane(Clock+)"), 1);
        QTRY_VERIFY_WITH_TIMEOUT(first.output().contains("jiho check ok"), 60000);
        first.kill();
        QVERIFY(first.waitForFinished() && first.output().count("jiho check ok") == 1);
        QVERIFY(second.output().isEmpty());

        QVERIFY(!QDir(runtime.path()).entryList({"zelvane-*"}, QDir::System).isEmpty());
        Program third(desktop);
        const QString third_clock = window("Date_Time_Screen", "Zelvane(Clock+)");
        Program fourth(desktop); // finds the third
        QVERIFY(fourth.waitForFinished(5000) && fourth.ended_well());
        run({"wmctrl", "-i", "-c", third_clock});
        QTRY_VERIFY_WITH_TIMEOUT(third.ended_well(), 20000);
    }

    // On a Japanese desktop with a session bus of its own, one notice, and
    // none more when the count has been on 0 for another second.
    void countdown_end_notifies_once()
    {
        QProcess bus, monitor;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine(), 10000);
        const auto on_bus = with(desktop, {"DBUS_SESSION_BUS_ADDRESS=" + bus.readLine().trimmed()});
        monitor.setProcessEnvironment(on_bus);
        monitor.start("dbus-monitor", {"--session", "interface='org.freedesktop.Notifications'"});
        QTranslator japanese;
        QVERIFY(japanese.load(ZELVANE_RUN_DIR "/zelvane_ja.qm"));
        QCoreApplication::installTranslator(&japanese);
        Program program(with(on_bus, {"LANG=ja_JP.UTF-8"}));
        const QString clock = count_down(program);
        QVERIFY2(!clock.isEmpty(), qPrintable(program.output()));
        // Left clicks are taken again a tick after 0: the second one taken prints 1.
        const QString timer = window("Alarm_Timer", "Alrm Timer screen");
        QTRY_VERIFY_WITH_TIMEOUT(
            (click(timer, {100, 30}), program.output().contains("buf_click_flag=1\n")), 30000);
        run({"wmctrl", "-i", "-c", clock});
        QTRY_VERIFY_WITH_TIMEOUT(program.ended_well(), 20000);
        // A call made after the program's end shows the monitor has seen all it sent.
        run({"dbus-send", "--session", "--type=method_call", "--dest=org.freedesktop.Notifications",
                "/org/freedesktop/Notifications", "org.freedesktop.Notifications.GetCapabilities"},
            on_bus);
        QString seen;
        QTRY_VERIFY_WITH_TIMEOUT(
            (seen += monitor.readAllStandardOutput()).contains("member=GetCapabilities"), 20000);
        monitor.kill(), bus.kill(), monitor.waitForFinished(), bus.waitForFinished();
        QCOMPARE(seen.count("member=Notify"), 1);
        const QRegularExpression notice(
            R"(member=Notify\s+string "zelvane"\s+uint32 0\s+string "org.zelvane.Zelvane"\s+)"
            R"(string "時間です"[^=]*string "urgency"\s+variant\s+byte 2\s)");
        QVERIFY2(notice.match(seen).hasMatch(), qPrintable(seen));
    }

    // With no session bus the bell still rings and the digits blink; closing
    // the clock with the calendar open ends the program with status 0. The
    // program finds its display through the toolkit's -display option.
    void closing_the_clock_after_a_countdown_without_a_bus()
    {
        const QProcessEnvironment env = with(desktop,
            {"DISPLAY", "PULSE_SERVER=unix:" + runtime.filePath("pulse/native"),
                "DBUS_SESSION_BUS_ADDRESS=unix:path=" + runtime.filePath("no-bus")});
        run({"pulseaudio", "-n", "--daemonize=yes", "--exit-idle-time=-1", "-L",
                "module-null-sink sink_name=cap", "-L", "module-native-protocol-unix"},
            env);
        const auto stop_sound = qScopeGuard([&env] { run({"pulseaudio", "--kill"}, env); });
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("pulse/native")), 20000);
        QProcess parec;
        parec.setProcessEnvironment(env);
        parec.start("parec", {"-d", "cap.monitor", "--format=u8", "--channels=1"});
        Program program(env, {"-display", desktop.value("DISPLAY")});
        const QString clock = count_down(program);
        QVERIFY2(!clock.isEmpty(), qPrintable(program.output()));
        QVERIFY(!window("Calender_Show", "zelvane").isEmpty()); // untitled: the program's name
        QByteArray heard; // 8-bit samples around 128
        QTRY_VERIFY_WITH_TIMEOUT(
            (heard += parec.readAllStandardOutput(),
                std::any_of(heard.begin(), heard.end(),
                    [](char sample) { return qAbs(uchar(sample) - 128) > 12; })),
            20000);
        // The digits' colours swap: light on dark, then dark on light.
        const QString timer = window("Alarm_Timer", "Alrm Timer screen");
        bool dark = false, light = false;
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
            const QString mean
                = run({"import", "-window", timer, "-format", "%[fx:mean]", "info:"});
            return (dark |= mean.toDouble() < 0.4) & (light |= mean.toDouble() > 0.6);
        }()),
            20000);
        run({"wmctrl", "-i", "-c", clock});
        QTRY_VERIFY_WITH_TIMEOUT(program.ended_well(), 20000);
    }

    // Keys alone, each into the window that has the focus: the clock stepped
    // through its four displays; from the menu, opened by the Menu key or
    // Shift+F10, a countdown of 60 s to 0, three maxims read forward and
    // back, a fortune drawn, the calendar, the settings; the windows closed
    // with Esc, and Quit. The trace lines are those of the clicks, the status 0.
    void worked_from_the_keyboard()
    {
        Program program(desktop);
        const QString clock = window("Date_Time_Screen", "Zelvane(Clock+)");
        const auto menu = [&](const char *open, const QString &rows) {
            return type(clock, open) && type(window("Right_Menu", "Right click menu"), rows);
        };
        const auto closed = [](const char *context, const char *title) {
            const QString window = ' ' + QCoreApplication::translate(context, title) + '\n';
            return QTest::qWaitFor([&] { return !run({"wmctrl", "-l"}).contains(window); }, 20000);
        };
        QVERIFY(type(clock, "space Return KP_Enter Escape space")); // Esc leaves the clock alone
        QVERIFY(menu("Menu", "Down Down Return"));
        const QString countdown = window("Alarm_Timer", "Alrm Timer screen");
        QVERIFY(type(countdown, "Return space"));
        QTRY_VERIFY_WITH_TIMEOUT(program.output().contains("buf_time = 0,"), 150000);
        QVERIFY(type(countdown, "Escape") && closed("Alarm_Timer", "Alrm Timer screen"));
        QVERIFY(menu("shift+F10", "Down Return"));
        QVERIFY(type(window("Main_Maxim_Screen", "Select maxim menu"), "space"));
        QVERIFY(type(window("Maxim_Word", "Todays maxim"),
                    "Tab space space space shift+Tab space space space Escape")
            && closed("Maxim_Word", "Todays maxim"));
        QVERIFY(menu("Menu", "Down Down Down Return"));
        QVERIFY(type(window("Config_Mini_Omikuji", "Zelvane Uranai Config"),
            "Tab space Tab space Tab space Tab space Tab space Tab space space"));
        // Start, Stop and Close, each taking the keyboard from the one before.
        QVERIFY(type(window("Mini_Omikuji", "Zelvane Uranai"), "space space space")
            && closed("Mini_Omikuji", "Zelvane Uranai"));
        QVERIFY(menu("Menu", "Return")); // the calendar, untitled: the program's name
        QVERIFY(type(window("Calender_Show", "zelvane"), "Page_Down Escape")
            && closed("Calender_Show", "zelvane"));
        QVERIFY(menu("Menu", "Up Up Up Return"));
        QVERIFY(type(window("Settings_Screen", "Settings"), "Escape")
            && closed("Settings_Screen", "Settings"));
        QVERIFY(menu("shift+F10", "Up Return"));
        QTRY_VERIFY_WITH_TIMEOUT(program.ended_well(), 20000);
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
