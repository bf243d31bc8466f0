// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "date_time_screen.h"
#include "fake_clock.h"
#include "output_capture.h"
#include "program_run.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

// Plays a chime for real into a PulseAudio server with a null sink, records
// the sink's monitor and measures that the recording is not silent.
class Tst_Chime_Audio : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chime_at_full_hour_is_heard();
    void cleanupTestCase();

private:
    QProcessEnvironment pulse_environment() const;
    double rms_amplitude(const QString &wav_path) const;

    QTemporaryDir runtime;
    bool server_started = false;
};

QProcessEnvironment Tst_Chime_Audio::pulse_environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("PULSE_SERVER"),
        QStringLiteral("unix:") + runtime.filePath(QStringLiteral("pulse/native")));
    return env;
}

void Tst_Chime_Audio::initTestCase()
{
    for (const char *tool : {"pulseaudio", "parec", "sox"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(
                qPrintable(QStringLiteral("skipped: %1 is not installed, so no chime can be heard")
                               .arg(QString::fromLatin1(tool))));
    }
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess server;
    server.setProcessEnvironment(pulse_environment());
    server.start(QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=yes"),
            QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-L"),
            QStringLiteral("module-null-sink sink_name=cap"), QStringLiteral("-L"),
            QStringLiteral("module-native-protocol-unix")});
    server.waitForFinished(20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        QFile::exists(runtime.filePath(QStringLiteral("pulse/native"))), 10000);
    if (!QFile::exists(runtime.filePath(QStringLiteral("pulse/native"))))
        QSKIP(qPrintable(QStringLiteral("skipped: PulseAudio could not be started: ")
            + QString::fromLocal8Bit(server.readAllStandardError())));
    server_started = true;

    // The sound back end reads these when it first connects, which is later
    // than this: nothing in this process has touched audio yet.
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv(
        "PULSE_SERVER", pulse_environment().value(QStringLiteral("PULSE_SERVER")).toLocal8Bit());
}

double Tst_Chime_Audio::rms_amplitude(const QString &wav_path) const
{
    QProcess sox;
    sox.start(QStringLiteral("sox"), {wav_path, QStringLiteral("-n"), QStringLiteral("stat")});
    sox.waitForFinished(30000);
    const QString report = QString::fromLocal8Bit(sox.readAllStandardError());
    const QRegularExpressionMatch m
        = QRegularExpression(QStringLiteral(R"(RMS\s+amplitude:\s+([0-9.eE+-]+))")).match(report);
    return m.hasMatch() ? m.captured(1).toDouble() : -1.0;
}

void Tst_Chime_Audio::chime_at_full_hour_is_heard()
{
    const QString recording = runtime.filePath(QStringLiteral("heard.wav"));
    QProcess recorder;
    recorder.setProcessEnvironment(pulse_environment());
    recorder.start(QStringLiteral("parec"),
        {QStringLiteral("-d"), QStringLiteral("cap.monitor"), QStringLiteral("--file-format=wav"),
            recording});
    QVERIFY(recorder.waitForStarted(5000));

    const QString previous = QDir::currentPath();
    QDir::setCurrent(Program_Run::run_folder());
    {
        Fake_Clock clock(QDateTime(QDate(2009, 3, 5), QTime(12, 0, 0)));
        Output_Capture output;
        Chime_Bank chimes;
        QTRY_COMPARE_WITH_TIMEOUT(chimes.sound(12)->status(), QSoundEffect::Ready, 10000);
        Date_Time_Screen screen;
        // Building the window tree prints its own trace lines; they are not this test's matter.
        output.take_lines();
        screen.jiho_check();
        QCOMPARE(output.take_lines(), QStringList({"jiho check ok"}));
        QTRY_VERIFY_WITH_TIMEOUT(chimes.sound(12)->isPlaying(), 5000);
        QTest::qWait(2500);
    }
    QDir::setCurrent(previous);

    ::kill(pid_t(recorder.processId()), SIGINT);
    QVERIFY(recorder.waitForFinished(5000));
    const double rms = rms_amplitude(recording);
    qInfo("RMS amplitude of the recording: %f", rms);
    QVERIFY2(rms > 0.01, qPrintable(QStringLiteral("recording is silent, RMS %1").arg(rms)));
}

void Tst_Chime_Audio::cleanupTestCase()
{
    if (!server_started)
        return;
    QProcess stop;
    stop.setProcessEnvironment(pulse_environment());
    stop.start(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
    stop.waitForFinished(10000);
}

QTEST_MAIN(Tst_Chime_Audio)
#include "tst_chime_audio.moc"
