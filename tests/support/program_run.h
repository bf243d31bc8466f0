// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_RUN_H
#define PROGRAM_RUN_H

#include <QProcess>

// The real zelvane program, by default started from its run folder, with its
// trace lines collected as it prints them.
class Program_Run
{
public:
    ~Program_Run();

    bool start(const QProcessEnvironment &environment, const QString &working_directory = {});
    // Waits until the program has printed this exact line.
    bool wait_for_line(const QString &line, int timeout_ms = 10000);
    QStringList lines();
    QString error_output();
    // Waits for the program to end by itself; false if it did not.
    bool wait_for_exit(int timeout_ms = 10000);
    int exit_code() const { return process.exitCode(); }
    QProcess::ExitStatus exit_status() const { return process.exitStatus(); }

    static QString run_folder() { return QStringLiteral(ZELVANE_RUN_DIR); }
    static QString program_path() { return run_folder() + QStringLiteral("/zelvane"); }

private:
    void collect();

    QProcess process;
    QByteArray printed;
    QByteArray errors;
};

#endif // PROGRAM_RUN_H
