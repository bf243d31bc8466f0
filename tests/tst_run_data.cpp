// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <cmath>

namespace {
// The header of a 16-bit mono PCM wave at 22050 Hz of this many bytes.
QByteArray wave_header(int size)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(size - 8);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(22050 * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(size - 44);
    return header;
}

} // namespace

// The chimes the build synthesises into the run folder.
class Tst_Run_Data : public QObject
{
    Q_OBJECT

private slots:
    void chime_n_strikes_n_times();
};

void Tst_Run_Data::chime_n_strikes_n_times()
{
    for (int n = 1; n <= 12; ++n) {
        QFile file(QStringLiteral(ZELVANE_RUN_DIR "/wave/jiho%1.wav").arg(n));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 50 * 1024 && bytes.size() < 1024 * 1024);
        QCOMPARE(bytes.left(44).toHex(' '), wave_header(int(bytes.size())).toHex(' '));
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData() + 44);
        const qsizetype count = (bytes.size() - 44) / 2;
        // No sample wrapped round; strokes are 20 ms windows whose loudness
        // jumps well above the one before.
        int jump = 0, strokes = 0;
        double previous = 0.0;
        for (qsizetype k = 1; k < count; ++k)
            jump = qMax(jump, qAbs(samples[k] - samples[k - 1]));
        for (qsizetype start = 0; start + 441 <= count; start += 441) {
            double energy = 0.0;
            for (qsizetype k = start; k < start + 441; ++k)
                energy += double(samples[k]) * samples[k];
            const double rms = std::sqrt(energy / 441);
            strokes += rms > 1000.0 && rms > 1.4 * previous;
            previous = rms;
        }
        QVERIFY2(jump < 12000, qPrintable(QStringLiteral("jiho%1 jumps by %2").arg(n).arg(jump)));
        QCOMPARE(strokes, n);
    }
}

QTEST_GUILESS_MAIN(Tst_Run_Data)
#include "tst_run_data.moc"
