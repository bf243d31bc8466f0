// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ZELVANE_TEST_H
#define ZELVANE_TEST_H

#include "clock/date_time_screen.h"

#include <QtTest>
#include <QtWidgets>

// What the test programs share: the clock's moment, the trace lines, the
// windows found and clicked as a user finds and clicks them, tables of
// expected values, one patient wait and the external tools.

// The one limit for every wait on an event: long enough for a machine busy
// with other work, reached only when the awaited thing never comes.
constexpr int patience_ms = 300000;
#define WAIT_FOR(condition) QTRY_VERIFY_WITH_TIMEOUT(condition, patience_ms)
#define WAIT_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, patience_ms)

// The rows of a table written one to a line, fields parted by '|'; as a test's
// data, one row to each QFETCH(QStringList, row), named by its first field.
QList<QStringList> table(const char *rows);
void table_data(const char *rows);

// The fortune table: for grade 1 (best) to 12, its name and its study, love,
// money and trouble sayings. A saying whose words stand for something else in
// another column carries its disambiguation for the translator after a '#'.
QStringList fortune_grade(int grade);
// The drawing's result labels, top to bottom, and what they show for a grade.
extern const QStringList result_labels;
QString fortune_result(int grade);

// Stands the program's clock at a moment; take_down_clocks() gives it the
// system clock back, after deleting the clocks a test made and their windows.
void stand_clock_at(const QDateTime &moment);
void take_down_clocks();

// Sends this process's standard output into a file while the object lives,
// so a test reads the program's trace lines exactly as they are printed.
struct Output_Capture
{
    Output_Capture();
    ~Output_Capture();
    const QByteArray &all(); // everything printed since the start
    // The lines printed since the last call, the test library's own left out.
    QStringList take_lines();

    int saved_fd;
    FILE *file;
    QByteArray printed;
    qsizetype taken = 0;
};

// The visible window of a class, or null if there is none or more than one.
QWidget *window_of(const char *class_name);
// Where a window lies and its size, and whether it is kept on top: "x,y wxh[ on top]".
QString look(const QWidget *window);
// A clock shown (made first if clock is null) and right-clicked: the feature menu.
QWidget *open_menu(Date_Time_Screen *&clock);
// A left click on a window's widget found by its object name.
void press(QWidget *window, const QString &name);
// The texts shown by a window's named widgets, joined by '|'.
QString texts(const QWidget *window, const QStringList &names);
// The object names of a window's shown widgets of a class, row by row from
// the top, each row from the left, parted by blanks.
QString in_layout_order(const QWidget *window, const char *class_name);
// Picks a grade in the fortune configuration's row labelled digit with the
// keyboard, and enters it.
void enter_grade(QWidget *config, int digit, int grade);
// Chooses a kind and a method of maxims in the selection menu, reached from the
// clock, and presses Select: the window of that class it opened, or null.
QWidget *choose_maxims(
    Date_Time_Screen *&clock, const char *kind, const char *method, const char *window_class);

// The tools of the list that cannot be found ("libfaketime": the library).
QStringList missing_tools(const QStringList &tools);
QString faketime_library();
// A test that needs a missing tool names it and skips, or fails where CI is set.
#define REQUIRE_TOOLS(...)                                                                         \
    do {                                                                                           \
        const QString missing = missing_tools({__VA_ARGS__}).join(", ");                           \
        if (!missing.isEmpty() && qEnvironmentVariableIsSet("CI"))                                 \
            QFAIL(qPrintable("missing tools: " + missing));                                        \
        if (!missing.isEmpty())                                                                    \
            QSKIP(qPrintable("missing tools: " + missing));                                        \
    } while (false)

// The arguments for QTest::qExec, with, where ZELVANE_PART is "k/n", the k-th of
// n parts of the test's functions: every function runs in exactly one part.
QStringList test_part(const QObject &test, const QStringList &arguments);

#endif // ZELVANE_TEST_H
