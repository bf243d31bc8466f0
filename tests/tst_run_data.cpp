// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_run.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

struct Wave
{
    int channels = 0;
    int sample_rate = 0;
    int bits = 0;
    QVector<qint16> samples;
};

// Reads a canonical PCM WAV file; an empty result means it is not one.
Wave read_wave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt ")
        return {};
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    if (qFromLittleEndian<quint16>(raw + 20) != 1) // PCM
        return {};
    Wave wave;
    wave.channels = qFromLittleEndian<quint16>(raw + 22);
    wave.sample_rate = int(qFromLittleEndian<quint32>(raw + 24));
    wave.bits = qFromLittleEndian<quint16>(raw + 34);
    if (bytes.mid(36, 4) != "data")
        return {};
    const quint32 length = qFromLittleEndian<quint32>(raw + 40);
    if (44 + qint64(length) > bytes.size())
        return {};
    for (quint32 at = 0; at + 1 < length; at += 2)
        wave.samples.append(qFromLittleEndian<qint16>(raw + 44 + at));
    return wave;
}

// Counts bell strokes: 20 ms windows whose loudness jumps well above the
// window before.
int count_strokes(const Wave &wave)
{
    const int window = wave.sample_rate / 50;
    double previous = 0.0;
    int strokes = 0;
    for (int start = 0; start + window <= wave.samples.size(); start += window) {
        double energy = 0.0;
        for (int k = start; k < start + window; ++k)
            energy += double(wave.samples[k]) * wave.samples[k];
        const double rms = std::sqrt(energy / window);
        if (rms > 1000.0 && rms > 1.4 * previous)
            ++strokes;
        previous = rms;
    }
    return strokes;
}

void validate_with(const QString &tool, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
    QProcess process;
    process.start(tool, arguments);
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitCode() == 0,
        qPrintable(process.readAllStandardOutput() + process.readAllStandardError()));
}

} // namespace

class Tst_Run_Data : public QObject
{
    Q_OBJECT

private slots:
    void chime_n_strikes_n_times();
    void run_folder_holds_catalogue_and_help();
    void desktop_entry_is_valid();
    void metainfo_is_valid();
};

void Tst_Run_Data::chime_n_strikes_n_times()
{
    const QDir wave_folder(Program_Run::run_folder() + QStringLiteral("/wave"));
    qint64 previous_length = 0;
    for (int n = 1; n <= 12; ++n) {
        const QString path = wave_folder.absoluteFilePath(QStringLiteral("jiho%1.wav").arg(n));
        const Wave wave = read_wave(path);
        QVERIFY2(
            !wave.samples.isEmpty(), qPrintable(path + QStringLiteral(" is not a PCM WAV file")));
        QCOMPARE(wave.channels, 1);
        QCOMPARE(wave.bits, 16);
        QVERIFY(wave.sample_rate >= 16000);
        QCOMPARE(count_strokes(wave), n);
        // A few seconds each: long enough to hear, small enough to load at once.
        const qint64 size = QFileInfo(path).size();
        QVERIFY2(size > 50 * 1024 && size < 1024 * 1024, qPrintable(QString::number(size)));
        QVERIFY(size > previous_length);
        previous_length = size;
    }
}

void Tst_Run_Data::run_folder_holds_catalogue_and_help()
{
    const QDir run(Program_Run::run_folder());
    QVERIFY(QFileInfo(run.absoluteFilePath(QStringLiteral("zelvane"))).isExecutable());
    QVERIFY(QFileInfo(run.absoluteFilePath(QStringLiteral("zelvane_ja.qm"))).size() > 0);
    QVERIFY(QFileInfo(run.absoluteFilePath(QStringLiteral("html/index.html"))).size() > 0);
}

void Tst_Run_Data::desktop_entry_is_valid()
{
    validate_with(QStringLiteral("desktop-file-validate"), {QStringLiteral(DESKTOP_FILE)});
}

void Tst_Run_Data::metainfo_is_valid()
{
    validate_with(QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral(METAINFO_FILE)});
}

QTEST_GUILESS_MAIN(Tst_Run_Data)
#include "tst_run_data.moc"
