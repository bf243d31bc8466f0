// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform_choice.h"
#include "support/zelvane_test.h"

#include <numeric>

static QRandomGenerator rubbish(11);

static QByteArray junk(int size)
{
    QByteArray bytes(size, '\0');
    rubbish.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// The program's clock, at its place on a desktop of 1280x1024 with no
// settings saved; with its wall clock faked, clicked on to the time display
// until the hour's chime. Then Help is opened and clicked where its links are.
static void read_help(Program &program, const X_Window &clock)
{
    QVERIFY2(clock.place == QRect(790, 640, 220, 40), qPrintable(program.output()));
    if (program.processEnvironment().contains("FAKETIME")) {
        click(clock, {110, 20}), click(clock, {110, 20});
        WAIT_FOR(program.output().contains("buf_click_flag=2\n"));
        WAIT_FOR(program.output().contains("jiho check ok\n"));
    }
    menu_press(clock, "help_button");
    const X_Window help = find_window("How to use screen");
    QVERIFY2(!help.id.isEmpty(), qPrintable(program.output()));
    for (const QPoint at : {QPoint(20, 12), QPoint(60, 12), QPoint(110, 12), QPoint(200, 300)})
        click(help, at);
}

// The real program on a private X server (Xvfb), its windows found with
// xwininfo and clicked with xdotool, started from folders of missing, broken
// and huge data: it builds its windows, keeps running, and quits through the
// menu with status 0. And the chimes the build synthesises, and the platform
// chosen at start-up.
class Tst_Program : public QObject
{
    Q_OBJECT
    Private_Display display;

private slots:
    void initTestCase()
    {
        if (tools_missing({"Xvfb", "xdotool", "xwininfo", "faketime"}))
            return;
        QVERIFY(display.start());
    }

    void bad_catalogues_and_an_empty_folder()
    {
        QTemporaryDir scratch;
        QFile file(ZELVANE_RUN_DIR "/zelvane_ja.qm");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray qm = file.readAll();
        // 37 catalogues: empty, cut short at 12 points, with 1 to 12 bits
        // flipped, and random after a catalogue's magic, on a Japanese system,
        // offscreen, side by side: each starts (it says it runs without chimes
        // and help) and runs on.
        QList<QByteArray> catalogues {QByteArray()};
        for (int n = 1; n <= 12; ++n) {
            catalogues << qm.left(qm.size() * n / 13) << qm << qm.left(16) + junk(n * n * 200);
            for (int flip = 0; flip < n; ++flip)
                catalogues[catalogues.size() - 2][rubbish.bounded(qm.size())]
                    ^= char(1 << rubbish.bounded(8));
        }
        std::list<Program> programs;
        for (qsizetype k = 0; k < catalogues.size(); ++k) {
            const QString folder = scratch.filePath(QStringLiteral("qm%1").arg(k));
            write_file(folder + "/zelvane_ja.qm", catalogues[k]);
            programs.emplace_back(with(QProcessEnvironment::systemEnvironment(),
                                      {"QT_QPA_PLATFORM=offscreen", "LANG=ja_JP.UTF-8"}),
                QStringList(), folder);
        }
        // A catalogue refused is named once, and never as missing; an empty one
        // always is refused.
        for (Program &program : programs) {
            WAIT_FOR(program.output().contains(
                "; running without them (silent chimes, no help pages)\n"));
            const qsizetype named = program.output().count(program.workingDirectory()
                + "/zelvane_ja.qm is damaged; the texts are shown in English\n");
            QVERIFY2(named == 1 || (named == 0 && !program.workingDirectory().endsWith("qm0")),
                qPrintable(program.output()));
        }
        for (Program &program : programs)
            QVERIFY2(program.runs_on(300), qPrintable(program.output()));

        // Nothing beside the program: it says where it looked, and that the chimes
        // are missing, once each.
        const QString nothing = scratch.filePath("nothing");
        QVERIFY(QDir().mkpath(nothing));
        Program program(
            with(on_display, {"LANG=ja_JP.UTF-8", "LC_ALL=", "BROWSER=true"}), {}, nothing);
        const X_Window clock = find_window("Zelvane(Clock+)");
        read_help(program, clock);
        quit(program, clock);
        QCOMPARE(program.output().count("zelvane_ja.qm not found in " + nothing), 1);
        QVERIFY(program.output().contains("(silent chimes, no help pages, texts in English)\n"));
        QCOMPARE(program.output().count("chime sounds missing"), 1);
    }

    // In a read-only folder: chimes flipped, cut short, empty and a folder, one
    // rung at noon, reported once; a help page of tens of megabytes, linking to
    // itself, to missing, empty and junk pages and to the web.
    void broken_chimes_and_help_pages()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("run"), wave = folder + "/wave/jiho%1.wav";
        QProcess::execute("cp", {"-r", ZELVANE_RUN_DIR, folder});
        QFile first_chime(wave.arg(1));
        QVERIFY(first_chime.open(QIODevice::ReadOnly));
        const QByteArray header = first_chime.read(44); // a wave header, then rubbish
        write_file(wave.arg(1), header + junk(20000));
        write_file(wave.arg(2), header.left(30));
        write_file(wave.arg(12), QByteArray());
        QVERIFY(QFile::remove(wave.arg(4)) && QDir().mkpath(wave.arg(4)));
        write_file(folder + "/html/index.html",
            "<a href=index.html>again</a> <a href=gone.html>gone</a> <a href=junk.html>junk</a> "
            "<a href=empty.html>empty</a> <a href=https://zelvane.example.org/>web</a><p>"
                + QByteArray("lorem ipsum dolor sit amet ").repeated(800000));
        write_file(folder + "/html/junk.html", junk(200000));
        write_file(folder + "/html/empty.html", QByteArray());
        QProcess::execute("chmod", {"-R", "a-w", folder});
        Program program(
            with(on_display, faked_time("2026-12-06 11:59:55") << "BROWSER=true"), {}, folder);
        const X_Window clock = find_window("Zelvane(Clock+)");
        read_help(program, clock);
        quit(program, clock);
        QProcess::execute("chmod", {"-R", "u+w", folder});
        QCOMPARE(program.output().count("chime sounds missing"), 1);
    }

    // The environment, and the platform chosen at start-up (none: the toolkit's
    // own choice).
    void platform_choice_data()
    {
        table_data(R"(
Wayland and X|xcb;wayland|WAYLAND_DISPLAY=w0|DISPLAY=:0
Wayland alone||WAYLAND_DISPLAY=w0
the user's choice||WAYLAND_DISPLAY=w0|DISPLAY=:0|QT_QPA_PLATFORM=w
X alone||DISPLAY=:0)");
    }
    void platform_choice()
    {
        QFETCH(QStringList, row);
        QCOMPARE(choose_platform(with({}, row.mid(2))), row[1].toUtf8());
    }

    // The chimes the build synthesises into the run folder.
    void chime_n_strikes_n_times_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 12; ++n)
            QTest::newRow(qPrintable(QStringLiteral("jiho%1").arg(n))) << n;
    }
    void chime_n_strikes_n_times()
    {
        QFETCH(int, n);
        QFile file(QStringLiteral(ZELVANE_RUN_DIR "/wave/jiho%1.wav").arg(n));
        const QByteArray wav = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QVERIFY(wav.startsWith("RIFF") && wav.size() > 50 * 1024 && wav.size() < 1024 * 1024);
        // "RIFF", its size, "WAVEfmt ", 16 bytes of format: PCM, one channel,
        // 22050 frames and 44100 bytes a second, 2 bytes a frame, 16 bits;
        // "data" and its size.
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 32).toHex(),
            "57415645666d742010000000010001002256000044ac00000200100064617461");
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));
        const auto *samples = reinterpret_cast<const qint16 *>(wav.constData() + 44);
        const auto *end = samples + (wav.size() - 44) / 2;
        // No sample wrapped round, which would jump by most of the range.
        const auto jump = [](qint16 a, qint16 b) { return qAbs(a - b) > 12000; };
        QVERIFY(std::adjacent_find(samples, end, jump) == end);
        // Strokes are 20 ms windows whose loudness jumps well above the one before.
        int strokes = 0;
        double rms = 0.0, previous = 0.0;
        for (const qint16 *at = samples; at + 441 <= end; at += 441, previous = rms) {
            rms = qSqrt(std::inner_product(at, at + 441, at, 0.0) / 441);
            strokes += rms > 1000.0 && rms > 1.4 * previous;
        }
        QCOMPARE(strokes, n);
    }
};

QTEST_MAIN(Tst_Program)
#include "tst_program.moc"
