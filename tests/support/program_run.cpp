// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QDir>
#include <QElapsedTimer>

Program_Run::~Program_Run()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QString Program_Run::run_folder()
{
    return QStringLiteral(ZELVANE_RUN_DIR);
}

QString Program_Run::program_path()
{
    return QDir(run_folder()).absoluteFilePath(QStringLiteral("zelvane"));
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
    // Take in what is waiting in the pipe; QProcess reads it only when asked.
    while (process.state() == QProcess::Running && process.waitForReadyRead(0)) { }
    partial += process.readAllStandardOutput();
    errors += process.readAllStandardError();
    int end;
    while ((end = partial.indexOf('\n')) >= 0) {
        printed.append(QString::fromUtf8(partial.left(end)));
        partial.remove(0, end + 1);
    }
}

bool Program_Run::wait_for_line(const QString &line, int timeout_ms)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        collect();
        if (printed.contains(line))
            return true;
        if (waited.elapsed() >= timeout_ms || process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
    }
}

QStringList Program_Run::lines()
{
    collect();
    return printed;
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
