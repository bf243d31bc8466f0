// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {
// Bell strokes: 20 ms windows whose loudness jumps well above the one before.
int count_strokes(const QList<qint16> &samples, int rate)
{
    double previous = 0.0;
    int strokes = 0;
    for (int start = 0; start + rate / 50 <= samples.size(); start += rate / 50) {
        double energy = 0.0;
        for (int k = start; k < start + rate / 50; ++k)
            energy += double(samples[k]) * samples[k];
        const double rms = std::sqrt(energy / (rate / 50));
        strokes += rms > 1000.0 && rms > 1.4 * previous;
        previous = rms;
    }
    return strokes;
}

int validate(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(tool, arguments);
    return process.waitForFinished(60000) ? process.exitCode() : -1;
}
} // namespace

// What the build lays out beside the program: the chimes and the desktop files.
class Tst_Run_Data : public QObject
{
    Q_OBJECT

private slots:
    void chime_n_strikes_n_times();
    void desktop_entry_and_metainfo_are_valid();
};

void Tst_Run_Data::chime_n_strikes_n_times()
{
    for (int n = 1; n <= 12; ++n) {
        QFile file(QStringLiteral(ZELVANE_RUN_DIR "/wave/jiho%1.wav").arg(n));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
        const auto u16 = [raw](int at) { return qFromLittleEndian<quint16>(raw + at); };
        const auto u32 = [raw](int at) { return qFromLittleEndian<quint32>(raw + at); };
        QVERIFY(bytes.size() > 50 * 1024 && bytes.size() < 1024 * 1024);
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt "
            && bytes.mid(36, 4) == "data");
        QCOMPARE(u32(4), quint32(bytes.size() - 8));
        QCOMPARE(u32(16), 16u);
        QCOMPARE(u16(20), 1); // PCM
        QCOMPARE(u16(22), 1); // mono
        QCOMPARE(u32(24), 22050u);
        QCOMPARE(u32(28), 22050u * 2);
        QCOMPARE(u16(32), 2);
        QCOMPARE(u16(34), 16);
        QCOMPARE(u32(40), quint32(bytes.size() - 44));
        QList<qint16> samples;
        for (int at = 44; at + 1 < bytes.size(); at += 2)
            samples.append(qFromLittleEndian<qint16>(raw + at));
        int jump = 0;
        for (int k = 1; k < samples.size(); ++k)
            jump = qMax(jump, qAbs(samples[k] - samples[k - 1]));
        QVERIFY2(jump < 12000, qPrintable(QStringLiteral("jiho%1 jumps by %2").arg(n).arg(jump)));
        QCOMPARE(count_strokes(samples, 22050), n);
    }
}

void Tst_Run_Data::desktop_entry_and_metainfo_are_valid()
{
    QCOMPARE(validate("desktop-file-validate", {DESKTOP_FILE}), 0);
    QCOMPARE(validate("appstreamcli", {"validate", "--no-net", METAINFO_FILE}), 0);
}

QTEST_GUILESS_MAIN(Tst_Run_Data)
#include "tst_run_data.moc"
