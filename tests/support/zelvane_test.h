// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELVANE_TEST_H
#define ZELVANE_TEST_H

#include "clock/date_time_screen.h"
#include "core/time_source.h"
#include "menu/right_menu.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

// What the test programs share: the clock's moment, the trace lines, the
// windows found and clicked as a user finds and clicks them, one patient
// wait, the external tools, and the real program on a private X server.

// How long anything may take to happen, however busy the machine (4 minutes
// unless the build says otherwise): every wait ends as soon as what it waits
// for has happened, or once the test has failed.
constexpr int patience_ms = ZELVANE_TEST_PATIENCE_MS;
#define WAIT_FOR(condition)                                                                        \
    QTRY_VERIFY_WITH_TIMEOUT(QTest::currentTestFailed() || (condition), patience_ms)
#define WAIT_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, patience_ms)

// Whether a tool the test needs ("faketime" stands for its library) is
// missing: it is named and the test skipped, or failed where CI is set. The
// test returns at once.
inline bool tools_missing(const QStringList &tools)
{
    for (const QString &tool : tools)
        if (tool == "faketime" ? !QFile::exists(ZELVANE_LIBFAKETIME)
                               : QStandardPaths::findExecutable(tool).isEmpty()) {
            const QString said = tool + " is missing (see the test packages in zelvane.sh)";
            qEnvironmentVariableIsSet("CI")
                ? void(QTest::qFail(qPrintable(said), __FILE__, __LINE__))
                : QTest::qSkip(qPrintable(said), __FILE__, __LINE__);
            return true;
        }
    return false;
}

// The rows of a table, one to a line, fields parted by '|', as a test's data:
// one QFETCH(QStringList, row) per row, named by its first field.
inline void table_data(const char *rows)
{
    QTest::addColumn<QStringList>("row");
    for (const QString &row : QString::fromUtf8(rows).split('\n', Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(row.section('|', 0, 0))) << row.split('|');
}

// Stands the program's clock at a moment, until take_down_clocks().
inline void stand_clock_at(const QDateTime &moment)
{
    Time_Source::set_reader([moment] { return moment; });
}
// Deletes the clocks a test made, with every window of theirs, and gives the
// program the system clock back.
inline void take_down_clocks()
{
    QWidgetList clocks = QApplication::topLevelWidgets();
    clocks.removeIf([](QWidget *window) { return !window->inherits("Date_Time_Screen"); });
    qDeleteAll(clocks);
    Time_Source::set_reader({});
}

// A program this test started goes with the test, even when the test is killed.
inline const auto ends_with_the_test = [] { prctl(PR_SET_PDEATHSIG, SIGKILL); };

// What this process writes on a file descriptor (standard output unless told
// otherwise) while the object lives, passed on when it goes, so that a test
// reads the trace lines exactly as the program prints them.
struct Output_Capture
{
    explicit Output_Capture(int fd = 1) : fd(fd), saved(dup(fd)), file(std::tmpfile())
    {
        std::fflush(nullptr);
        dup2(fileno(file), fd);
    }
    ~Output_Capture()
    {
        lines({});
        dup2(saved, fd), close(saved), std::fclose(file);
        // Passed on, so nothing written meanwhile is lost from the log.
        (void)!write(fd, printed.constData(), size_t(printed.size()));
    }
    // The lines written since the start or the last call, the test library's
    // own left out.
    QStringList take_lines()
    {
        lines({});
        QString text = QString::fromUtf8(printed.mid(std::exchange(taken, printed.size())));
        return text.remove(QRegularExpression("(?m)^Q(WARN|DEBUG|INFO|SYSTEM) .*\n"))
            .split('\n', Qt::SkipEmptyParts);
    }
    // All the lines written so far that match the pattern.
    QStringList lines(const QString &pattern)
    {
        std::fflush(nullptr);
        char buffer[4096];
        for (ssize_t n; (n = pread(fileno(file), buffer, sizeof buffer, printed.size())) > 0;)
            printed.append(buffer, n);
        return QString::fromUtf8(printed).split('\n').filter(QRegularExpression(pattern));
    }

    int fd, saved;
    FILE *file;
    QByteArray printed;
    qsizetype taken = 0;
};

// The visible window of a class, or null if there is none or more than one.
inline QWidget *window_of(const char *class_name)
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf(
        [&](QWidget *window) { return !window->inherits(class_name) || !window->isVisible(); });
    return found.size() == 1 ? found[0] : nullptr;
}
// A right click on the clock (made and shown first if clock is null): the menu.
inline QWidget *open_menu(Date_Time_Screen *&clock)
{
    if (!clock)
        (clock = new Date_Time_Screen)->show();
    QTest::mouseClick(clock, Qt::RightButton);
    return window_of("Right_Menu");
}
// A left click on a window's button, check box or radio found by its name.
inline void press(QWidget *window, const QString &name)
{
    auto *target = window ? window->findChild<QWidget *>(name) : nullptr;
    QVERIFY2(target, qPrintable(name));
    // A radio or check box takes clicks on its mark and its text only.
    QTest::mouseClick(target, Qt::LeftButton, {},
        target->inherits("QPushButton") ? target->rect().center()
                                        : QPoint(8, target->height() / 2));
}
// The texts of a window's named widgets that it has, joined by '|'.
inline QString texts(const QWidget *window, const QStringList &names)
{
    QStringList all;
    for (const QString &name : names)
        if (QObject *child = window->findChild<QObject *>(name))
            all << child->property(child->inherits("QTextEdit") ? "plainText" : "text").toString();
    return all.join('|');
}
// Chooses a kind and a method in the maxim menu reached from the clock, and
// presses Select: the window of that class it opened, or null.
inline QWidget *choose_maxims(
    Date_Time_Screen *&clock, const char *kind, const char *method, const char *window_class)
{
    press(open_menu(clock), "maxim_button");
    QWidget *selection = window_of("Main_Maxim_Screen");
    for (const char *button : {kind, method, "select_button"})
        press(selection, button);
    return selection && selection->isVisible() ? nullptr : window_of(window_class);
}

// Where the clock opens on this screen.
inline QPoint clock_home()
{
    const QMap<int, QPoint> by_width {
        {1280, {790, 640}}, {1024, {790, 640}}, {800, {576, 556}}, {640, {418, 470}}};
    return by_width.value(QGuiApplication::primaryScreen()->availableGeometry().width());
}
// The window lies wholly on the screen; where its designed place beside the
// clock (given for the clock at 790, 640) and its size fit, it has them.
inline void check_place(
    QWidget *window, QWidget *clock, const QPoint &designed, const QSize &size = {})
{
    QVERIFY(window);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    QVERIFY2(area.contains(frame), window->metaObject()->className());
    const QPoint place = designed + clock->pos() - QPoint(790, 640);
    if (!designed.isNull() && area.contains(frame.translated(place - frame.topLeft())))
        QCOMPARE(window->pos(), place);
    if (size.isValid()
        && area.size() == area.size().expandedTo(size + frame.size() - window->size()))
        QCOMPARE(window->size(), size);
}

// The fortune table: grade 1 (best) to 12, its name and its study, love,
// money and trouble sayings; the result labels, and what they show for a grade.
inline QStringList fortune_grade(int grade)
{
    static const QStringList grades = QString(R"(
Daikichi|Beleave my self|Take your pick|Lose something get anything|Thinking will work out all right
Chu kichi|feeling achivement|many chances|Only get out|Natural solve the probrem
shoukichi|effort the everyday|you close attention|extra income feel|Wait the help
Kichi|effort the everyday|Brush the my hurt is Kich|escape the suquare|Discretion is the better part of valor
Hankichi|Your efforts will pay off|your effort dipendents having is kichi|A standstill|You have to humility
Suekichi|Your efforts will pay off|you close attention|inconstancy|when calm down is kichi
Sue-shoukichi|Matters took a turn for the worth|It has beleave is kichi|you will bless the penny|pull step
Kyou|you have pure luck|Matters took a turn for the worth|small income,big outgo|when calm down is kichi
Shoukyou|injustice has taboo|you close attention|you will bless the penny|Only get out
Hankyou|survive for your self|it unexpected the encounter|Only get out|Natural solve the probrem
Suekyou|injustice has taboo|you can't be too ambitious|unexpect outgo is carefully|unruly
Daikyou|You need not expect|Lover alarm|outgo at great|Good luck)")
                                          .split('\n', Qt::SkipEmptyParts);
    return grades.value(grade - 1).split('|');
}
inline const QStringList result_labels {
    "unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};
inline QString fortune_result(int grade)
{
    const QStringList row = fortune_grade(grade);
    return QStringLiteral("%1|Study:%2|lover:%3|money:%4|trouble:%5")
        .arg(row[0], row[1], row[2], row[3], row[4]);
}

// Settings given as "NAME=value"; "NAME" alone takes the variable away.
inline QProcessEnvironment with(QProcessEnvironment environment, const QStringList &settings)
{
    for (const QString &setting : settings)
        setting.contains('=')
            ? environment.insert(setting.section('=', 0, 0), setting.section('=', 1))
            : environment.remove(setting);
    return environment;
}
inline void write_file(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
inline QString read_file(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The environment of programs on the private display.
inline QProcessEnvironment on_display;

// Runs a tool to its end, on the private display unless told otherwise;
// what it printed.
inline QString run(const QStringList &command, const QProcessEnvironment &environment = on_display)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(command.first(), command.mid(1));
    tool.waitForFinished(patience_ms);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// A private X server (Xvfb) for as long as the object lives, with openbox as
// window manager if asked; on_display is the environment of its programs.
struct Private_Display
{
    bool start(bool window_manager = false)
    {
        // Xvfb picks a free display itself and writes its number on fd 1.
        xvfb.setChildProcessModifier(ends_with_the_test),
            openbox.setChildProcessModifier(ends_with_the_test);
        xvfb.start("Xvfb",
            {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"});
        if (!xvfb.waitForReadyRead(patience_ms))
            return false;
        on_display = with(QProcessEnvironment::systemEnvironment(),
            {"DISPLAY=:" + xvfb.readLine().trimmed(), "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY"});
        if (!window_manager)
            return true;
        openbox.setProcessEnvironment(on_display);
        openbox.start("openbox", {});
        QDeadlineTimer deadline(patience_ms);
        while (run({"wmctrl", "-m"}).isEmpty() && !deadline.hasExpired())
            QThread::msleep(200);
        return !deadline.hasExpired();
    }
    ~Private_Display()
    {
        openbox.kill(), xvfb.kill(), openbox.waitForFinished(), xvfb.waitForFinished();
    }
    QProcess xvfb, openbox;
};
// The viewable window of this title once it shows: its id and where it lies.
struct X_Window
{
    QString id;
    QRect place;
};
inline X_Window find_window(const QString &title, int wait_ms = patience_ms)
{
    // e.g.  0x400007 "Zelvane(Clock+)": ("zelvane" "zelvane")  220x40+0+0  +790+640
    const QRegularExpression line(R"((?m)^\s*(0x[0-9a-f]+) ")" + QRegularExpression::escape(title)
        + R"(": \(.*\)\s+(\d+)x(\d+)\S*\s+\+?(-?\d+)\+?(-?\d+)\s*$)");
    // Looked for at least once; after a failure the test waits for no more windows.
    QDeadlineTimer deadline(wait_ms);
    do
        for (const auto &m : line.globalMatch(run({"xwininfo", "-root", "-tree"})))
            if (run({"xwininfo", "-id", m.captured(1)}).contains("IsViewable"))
                return {m.captured(1),
                    QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                        m.captured(3).toInt())};
    while (!deadline.hasExpired() && !QTest::currentTestFailed() && (QThread::msleep(150), true));
    return {};
}
// A click at a point of a window, wherever the window lies by then.
inline void click(const X_Window &window, const QPoint &at, int button = 1)
{
    // No --sync: it waits for ever when the pointer is already there.
    run({"xdotool", "mousemove", "--window", window.id, QString::number(at.x()),
        QString::number(at.y()), "sleep", "0.2", "click", QString::number(button)});
}
// Clicks the named child of the window of this title, laid out as in a copy.
inline void click_in(const QString &title, QWidget &&copy, const char *child, int button = 1)
{
    const X_Window found = find_window(title);
    QVERIFY2(!found.id.isEmpty(), qPrintable(title));
    copy.show(); // which lays it out
    auto *target = copy.findChild<QWidget *>(child);
    click(found, target->mapTo(&copy, target->rect().center()), button);
}
// The menu's title, in the test's language.
inline const auto menu_title
    = [] { return QCoreApplication::translate("Right_Menu", "Right click menu"); };

// A right click on the clock that lies there, repeated until the menu shows:
// a click that comes before the program is ready for it is lost.
inline void show_menu(const X_Window &clock)
{
    for (QDeadlineTimer deadline(patience_ms); !deadline.hasExpired();) {
        click(clock, QPoint(clock.place.width() - 40, clock.place.height() / 2), 3);
        if (find_window(menu_title(), 3000).place.isValid())
            return;
    }
    QFAIL("the menu does not show");
}

// A right click on the clock, then a click on a menu button.
inline void menu_press(const X_Window &clock, const char *button)
{
    show_menu(clock);
    click_in(menu_title(), Right_Menu(), button);
}

// A PulseAudio server with a null sink, for as long as the object lives, and
// a recording of what it plays; programs reach it through server().
struct Sound_Sink
{
    Sound_Sink() : environment(with(on_display, {"XDG_RUNTIME_DIR=" + runtime.path(), server()}))
    {
        // The server ends by itself once no one has used it for a while, as when
        // the test is killed with its recorder.
        run({"pulseaudio", "-n", "--daemonize=yes", "--exit-idle-time=20", "-L",
                "module-null-sink sink_name=cap", "-L", "module-native-protocol-unix"},
            environment);
        for (QDeadlineTimer deadline(patience_ms);
             !QFile::exists(runtime.filePath("pulse/native")) && !deadline.hasExpired();)
            QThread::msleep(100);
        recorder.setProcessEnvironment(environment);
        recorder.setChildProcessModifier(ends_with_the_test);
        recorder.start("parec", {"-d", "cap.monitor", "--format=s16le", "--channels=1"});
    }
    ~Sound_Sink()
    {
        recorder.kill(), recorder.waitForFinished();
        run({"pulseaudio", "--kill"}, environment);
    }
    // Whether something loud was played since the start.
    bool heard()
    {
        recorded += recorder.readAllStandardOutput();
        const auto *samples = reinterpret_cast<const qint16 *>(recorded.constData());
        return std::any_of(
            samples, samples + recorded.size() / 2, [](qint16 s) { return qAbs(s) > 3000; });
    }
    QString server() const { return "PULSE_SERVER=unix:" + runtime.filePath("pulse/native"); }
    QTemporaryDir runtime;
    QProcessEnvironment environment;
    QProcess recorder;
    QByteArray recorded;
};

// The real program started from a folder; what it prints, on both channels,
// goes to a file read whole when asked. Going, it takes the program down.
struct Program : QProcess
{
    Program(const QProcessEnvironment &environment, const QStringList &arguments = {},
        const QString &folder = ZELVANE_RUN_DIR)
    {
        setProcessEnvironment(environment);
        setWorkingDirectory(folder);
        setProcessChannelMode(MergedChannels);
        setChildProcessModifier(ends_with_the_test);
        setStandardOutputFile(log.open() ? log.fileName() : QString());
        start(ZELVANE_RUN_DIR "/zelvane", arguments);
    }
    QString output() { return log.reset() ? QString::fromUtf8(log.readAll()) : QString(); }
    // Waits for the end: whether it came with status 0. If not, the status and
    // what the program printed are said.
    bool ends_well()
    {
        waitForFinished(patience_ms);
        const bool well = state() == NotRunning && exitStatus() == NormalExit && !exitCode();
        if (!well)
            qWarning().noquote() << "status" << exitCode() << exitStatus() << output();
        return well;
    }
    // Still running after ms (an event loop may have seen the end already).
    bool runs_on(int ms) { return !waitForFinished(ms) && state() == Running; }
    QTemporaryFile log;
};
// The program's wall clock set by faketime to a moment ("2026-12-06 11:59:55").
inline QStringList faked_time(const QString &moment)
{
    return {
        "LD_PRELOAD=" ZELVANE_LIBFAKETIME, "FAKETIME=@" + moment, "FAKETIME_DONT_FAKE_MONOTONIC=1"};
}
// Quits through the menu of the clock: status 0, and nothing
// more printed.
inline void quit(Program &program, const X_Window &clock)
{
    QVERIFY2(program.runs_on(300), qPrintable(program.output()));
    // The menu shows once the program has handled every click before it.
    show_menu(clock);
    const qsizetype before_quit = program.output().size();
    click_in(menu_title(), Right_Menu(), "quit_button");
    QVERIFY(program.ends_well());
    QCOMPARE(program.output().mid(before_quit), QString());
}

#endif // ZELVANE_TEST_H
