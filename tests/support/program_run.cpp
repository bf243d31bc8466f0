// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QDeadlineTimer>

Program_Run::~Program_Run()
{
    process.kill();
    process.waitForFinished(3000);
}

bool Program_Run::start(const QProcessEnvironment &environment, const QString &working_directory)
{
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(working_directory.isEmpty() ? run_folder() : working_directory);
    process.start(program_path(), {});
    return process.waitForStarted(10000);
}

void Program_Run::collect()
{
    // QProcess takes in what waits in the pipe only when asked.
    while (process.state() == QProcess::Running && process.waitForReadyRead(0)) { }
    printed += process.readAllStandardOutput();
    errors += process.readAllStandardError();
}

bool Program_Run::wait_for_line(const QString &line, int timeout_ms)
{
    for (QDeadlineTimer deadline(timeout_ms);; process.waitForReadyRead(100)) {
        if (lines().contains(line))
            return true;
        if (deadline.hasExpired() || process.state() == QProcess::NotRunning)
            return false;
    }
}

QStringList Program_Run::lines()
{
    collect();
    QStringList complete = QString::fromUtf8(printed).split('\n');
    complete.removeLast(); // what follows the last line feed is no line yet
    return complete;
}

QString Program_Run::error_output()
{
    collect();
    return QString::fromLocal8Bit(errors);
}

bool Program_Run::wait_for_exit(int timeout_ms)
{
    const bool ended
        = process.state() == QProcess::NotRunning || process.waitForFinished(timeout_ms);
    collect();
    return ended;
}
