// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_RUN_H
#define PROGRAM_RUN_H

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// The real zelvane program started from its run folder, with its trace lines
// collected as it prints them.
class Program_Run
{
public:
    Program_Run() = default;
    ~Program_Run();

    Program_Run(const Program_Run &) = delete;
    Program_Run &operator=(const Program_Run &) = delete;

    // working_directory defaults to the build's run folder.
    bool start(
        const QProcessEnvironment &environment, const QString &working_directory = QString());

    // Waits until the program has printed this exact line.
    bool wait_for_line(const QString &line, int timeout_ms = 10000);
    QStringList lines();
    QString error_output();

    // Waits for the program to end by itself; false if it did not.
    bool wait_for_exit(int timeout_ms = 10000);
    int exit_code() const { return process.exitCode(); }
    QProcess::ExitStatus exit_status() const { return process.exitStatus(); }

    static QString run_folder();
    static QString program_path();

private:
    void collect();

    QProcess process;
    QStringList printed;
    QByteArray partial;
    QByteArray errors;
};

#endif // PROGRAM_RUN_H
