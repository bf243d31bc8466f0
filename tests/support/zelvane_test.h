// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELVANE_TEST_H
#define ZELVANE_TEST_H

#include "clock/date_time_screen.h"
#include "core/time_source.h"

#include <QtTest>
#include <QtWidgets>

// What the test programs share: the clock's moment, the trace lines, the
// windows found and clicked as a user finds and clicks them, one patient
// wait, the external tools, and the real program on a private X server.

// How long anything may take to happen, however busy the machine: every wait
// ends as soon as what it waits for has happened, or once the test has failed.
constexpr int patience_ms = 240000;
#define WAIT_FOR(condition)                                                                        \
    QTRY_VERIFY_WITH_TIMEOUT(QTest::currentTestFailed() || (condition), patience_ms)
#define WAIT_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, patience_ms)

// Whether a tool the test needs ("faketime" stands for its library) is
// missing: it is named and the test skipped, or failed where CI is set. The
// test returns at once.
bool tools_missing(const QStringList &tools);

// The rows of a table, one to a line, fields parted by '|', as a test's data:
// one QFETCH(QStringList, row) per row, named by its first field.
void table_data(const char *rows);

// Stands the program's clock at a moment, until take_down_clocks().
inline void stand_clock_at(const QDateTime &moment)
{
    Time_Source::set_reader([moment] { return moment; });
}
// Deletes the clocks a test made, with every window of theirs, and gives the
// program the system clock back.
void take_down_clocks();

// What this process writes on a file descriptor (standard output unless told
// otherwise) while the object lives, passed on when it goes, so that a test
// reads the trace lines exactly as the program prints them.
struct Output_Capture
{
    explicit Output_Capture(int fd = 1);
    ~Output_Capture();
    // The lines written since the start or the last call, the test library's
    // own left out.
    QStringList take_lines();
    // All the lines written so far that match the pattern.
    QStringList lines(const QString &pattern);

    int fd, saved;
    FILE *file;
    QByteArray printed;
    qsizetype taken = 0;
};

// The visible window of a class, or null if there is none or more than one.
QWidget *window_of(const char *class_name);
// A right click on the clock (made and shown first if clock is null): the menu.
QWidget *open_menu(Date_Time_Screen *&clock);
// A left click on a window's button, check box or radio found by its name.
void press(QWidget *window, const QString &name);
// The texts of a window's named widgets that it has, joined by '|'.
QString texts(const QWidget *window, const QStringList &names);
// Chooses a kind and a method in the maxim menu reached from the clock, and
// presses Select: the window of that class it opened, or null.
QWidget *choose_maxims(
    Date_Time_Screen *&clock, const char *kind, const char *method, const char *window_class);

// The fortune table: grade 1 (best) to 12, its name and its study, love,
// money and trouble sayings; the result labels, and what they show for a grade.
QStringList fortune_grade(int grade);
inline const QStringList result_labels {
    "unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};
QString fortune_result(int grade);

// Settings given as "NAME=value"; "NAME" alone takes the variable away.
QProcessEnvironment with(QProcessEnvironment environment, const QStringList &settings);
void write_file(const QString &path, const QByteArray &bytes);
QString read_file(const QString &path);

// A private X server (Xvfb) for as long as the object lives, with openbox as
// window manager if asked; on_display is the environment of its programs.
struct Private_Display
{
    bool start(bool window_manager = false);
    ~Private_Display()
    {
        openbox.kill(), xvfb.kill(), openbox.waitForFinished(), xvfb.waitForFinished();
    }
    QProcess xvfb, openbox;
};
inline QProcessEnvironment on_display;

// Runs a tool to its end, on the private display unless told otherwise;
// what it printed.
QString run(const QStringList &command, const QProcessEnvironment &environment = on_display);
// The viewable window of this title once it shows: its id and where it lies.
struct X_Window
{
    QString id;
    QRect place;
};
X_Window find_window(const QString &title, int wait_ms = patience_ms);
// A click at a point of a window, wherever the window lies by then.
void click(const X_Window &window, const QPoint &at, int button = 1);
// Clicks the named child of the window of this title, laid out as in a copy.
void click_in(const QString &title, QWidget &&copy, const char *child, int button = 1);
// A right click on the clock, then a click on a menu button.
void menu_press(const X_Window &clock, const char *button);

// A PulseAudio server with a null sink, for as long as the object lives, and
// a recording of what it plays; programs reach it through server().
struct Sound_Sink
{
    Sound_Sink();
    ~Sound_Sink();
    // Whether something loud was played since the start.
    bool heard();
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
        const QString &folder = ZELVANE_RUN_DIR);
    QString output() { return log.reset() ? QString::fromUtf8(log.readAll()) : QString(); }
    bool ended_well() { return state() == NotRunning && exitStatus() == NormalExit && !exitCode(); }
    // Still running after ms (an event loop may have seen the end already).
    bool runs_on(int ms) { return !waitForFinished(ms) && state() == Running; }
    QTemporaryFile log;
};
// The program's wall clock set by faketime to a moment ("2026-12-06 11:59:55").
QStringList faked_time(const QString &moment);
// Quits through the menu of the clock: status 0, and nothing
// more printed.
void quit(Program &program, const X_Window &clock);

#endif // ZELVANE_TEST_H
