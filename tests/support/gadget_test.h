// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GADGET_TEST_H
#define GADGET_TEST_H

// What the tests of the program's windows share: a clock under the test's
// control, the program's trace lines, and its windows found and clicked as a
// user finds and clicks them.
#include "chime_bank.h"
#include "date_time_screen.h"
#include "time_source.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <unistd.h>

// Stands the program's clock at a chosen moment while the object lives; the
// system clock comes back when it goes. Set to run on, it goes on from the
// moment in step with real time, so the real timers see a full hour come in a
// second.
class Fake_Clock
{
public:
    explicit Fake_Clock(const QDateTime &start) : current(start)
    {
        Time_Source::set_reader(
            [this] { return running ? current.addMSecs(since.elapsed()) : current; });
    }
    ~Fake_Clock() { Time_Source::set_reader({}); }

    void set(const QDateTime &moment, bool run_on = false)
    {
        current = moment;
        running = run_on;
        since.start();
    }

private:
    QDateTime current;
    QElapsedTimer since;
    bool running = false;
};

// Sends standard output of this process into a file while the object lives, so
// a test reads the program's trace lines exactly as they are printed.
class Output_Capture
{
public:
    Output_Capture() : saved_fd(dup(STDOUT_FILENO)), file(std::tmpfile())
    {
        std::fflush(stdout);
        dup2(fileno(file), STDOUT_FILENO);
    }
    ~Output_Capture()
    {
        take_lines();
        dup2(saved_fd, STDOUT_FILENO);
        // Pass everything on, so nothing printed meanwhile is lost from the log.
        (void)!write(STDOUT_FILENO, printed.constData(), size_t(printed.size()));
        close(saved_fd);
        std::fclose(file);
    }

    // The lines printed since the start or the last call; the test library's
    // own messages, which share standard output, left out.
    QStringList take_lines()
    {
        std::fflush(stdout);
        const qsizetype taken = printed.size();
        char buffer[4096];
        for (ssize_t n; (n = pread(fileno(file), buffer, sizeof buffer, printed.size())) > 0;)
            printed.append(buffer, n);
        QStringList lines = QString::fromUtf8(printed.mid(taken)).split('\n');
        lines.removeLast();
        static const QRegularExpression test_message("^Q(WARN|DEBUG|INFO|SYSTEM) ");
        lines.removeIf([](const QString &line) { return line.contains(test_message); });
        return lines;
    }

private:
    int saved_fd;
    FILE *file;
    QByteArray printed;
};

// The visible window of a class of the program, or null if there is none or,
// which must never be, more than one.
inline QWidget *window_of(const char *class_name)
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf(
        [&](QWidget *window) { return !window->inherits(class_name) || !window->isVisible(); });
    return found.size() == 1 ? found[0] : nullptr;
}

// Where the window was placed and its size (offscreen, geometry() leaves out
// a frame).
inline QRect placed(const QWidget *window)
{
    return QRect(window->pos(), window->size());
}

// A right click on the clock (built and shown first if screen is null), as a
// user opens the feature menu; returns the menu.
inline QWidget *open_menu(Date_Time_Screen *&screen)
{
    if (!screen) {
        screen = new Date_Time_Screen;
        screen->show();
    }
    QTest::mouseClick(screen, Qt::RightButton);
    return window_of("Right_Menu");
}

// A left click on a window's button, found by its object name.
inline void press(QWidget *window, const QString &button)
{
    auto *target = window ? window->findChild<QPushButton *>(button) : nullptr;
    QVERIFY2(target, qPrintable(button));
    QTest::mouseClick(target, Qt::LeftButton);
}

// The texts of a window's named labels, buttons and text areas, joined by
// '|'; names the window does not have are left out.
inline QString texts(const QWidget *window, const QStringList &names)
{
    QStringList found;
    for (const QString &name : names)
        if (QObject *child = window->findChild<QObject *>(name)) {
            auto *area = qobject_cast<QTextEdit *>(child);
            found << (area ? area->toPlainText() : child->property("text").toString());
        }
    return found.join('|');
}

// Takes down the clocks a test made, and with them every window of theirs.
inline void delete_program_windows()
{
    QWidgetList clocks = QApplication::topLevelWidgets();
    clocks.removeIf([](QWidget *window) { return !window->inherits("Date_Time_Screen"); });
    qDeleteAll(clocks);
}

#endif // GADGET_TEST_H
