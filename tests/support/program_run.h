// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_RUN_H
#define PROGRAM_RUN_H

#include <QDeadlineTimer>
#include <QProcess>

// The real zelvane program, by default started from its run folder, with what
// it prints (trace lines and warnings alike) collected as it prints it.
class Program_Run : public QProcess
{
public:
    ~Program_Run() override
    {
        kill();
        waitForFinished(3000);
    }

    static QString run_folder() { return QStringLiteral(ZELVANE_RUN_DIR); }

    bool start_in(const QProcessEnvironment &environment, const QString &folder = run_folder(),
        const QString &program = run_folder() + QStringLiteral("/zelvane"))
    {
        setProcessEnvironment(environment);
        setWorkingDirectory(folder);
        setProcessChannelMode(QProcess::MergedChannels);
        start(program, {});
        return waitForStarted(10000);
    }

    QString output()
    {
        // QProcess takes in what waits in the pipe only when asked.
        while (state() == QProcess::Running && waitForReadyRead(0)) { }
        printed += readAll();
        return QString::fromUtf8(printed);
    }

    // Waits until the program has printed this text; false if it ends first.
    bool wait_for(const QString &text, int timeout_ms = 10000)
    {
        for (QDeadlineTimer deadline(timeout_ms); !output().contains(text); waitForReadyRead(100))
            if (deadline.hasExpired() || state() == QProcess::NotRunning)
                return false;
        return true;
    }

    // Its exit status once it ended by itself within the time, else -1.
    int exit_code(int timeout_ms = 10000)
    {
        const bool ended = state() == QProcess::NotRunning || waitForFinished(timeout_ms);
        output();
        return ended && exitStatus() == QProcess::NormalExit ? exitCode() : -1;
    }

private:
    QByteArray printed;
};

#endif // PROGRAM_RUN_H
