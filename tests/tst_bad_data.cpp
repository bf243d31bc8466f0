// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zelvane_test.h"

namespace {
QRandomGenerator rubbish(11);

QByteArray junk(int size)
{
    QByteArray bytes(size, '\0');
    rubbish.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}
} // namespace

// The real program started from folders of missing, broken and huge data: it
// builds its windows, keeps running, and quits through the menu with status 0.
class Tst_Bad_Data : public QObject
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
        // Catalogues empty, cut short at 40 points, with 1 to 40 bits flipped, and
        // random after a catalogue's magic; on a Japanese system, offscreen, 22 at
        // a time: each starts (it says it runs without chimes and help) and runs on.
        QList<QByteArray> mutations {QByteArray()};
        for (int n = 1; n <= 40; ++n) {
            mutations << qm.left(qm.size() * n / 41) << qm;
            for (int flip = 0; flip < n; ++flip)
                mutations.last()[rubbish.bounded(qm.size())] ^= char(1 << rubbish.bounded(8));
        }
        for (int size = 1; mutations.size() < 110; size = size * 3 / 2 + 1)
            mutations << qm.left(16) + junk(size);
        const auto japanese = with(QProcessEnvironment::systemEnvironment(),
            {"QT_QPA_PLATFORM=offscreen", "LANG=ja_JP.UTF-8"});
        for (qsizetype first = 0; first < mutations.size(); first += 22) {
            std::list<Program> programs;
            for (qsizetype k = first; k < first + 22 && k < mutations.size(); ++k) {
                const QString folder = scratch.filePath(QStringLiteral("qm%1").arg(k));
                write_file(folder + "/zelvane_ja.qm", mutations[k]);
                programs.emplace_back(japanese, QStringList(), folder);
            }
            // A catalogue refused is named once, and never as missing; an empty one
            // always is refused.
            for (Program &program : programs) {
                QTRY_VERIFY2_WITH_TIMEOUT(
                    program.output().contains(
                        "; running without them (silent chimes, no help pages)\n"),
                    qPrintable(program.output()), patience_ms);
                const qsizetype named = program.output().count(program.workingDirectory()
                    + "/zelvane_ja.qm is damaged; the texts are shown in English\n");
                QVERIFY(named == 1 || (named == 0 && !program.workingDirectory().endsWith("qm0")));
            }
            QTest::qWait(300);
            for (Program &program : programs)
                QVERIFY2(program.runs_on(0), qPrintable(program.output()));
        }

        // Nothing beside the program: it says where it looked, and that the chimes
        // are missing, once each.
        const QString nothing = scratch.filePath("nothing");
        QVERIFY(QDir().mkpath(nothing));
        Program program(
            with(on_display, {"LANG=ja_JP.UTF-8", "LC_ALL=", "BROWSER=true"}), {}, nothing);
        read_help(program);
        quit(program, clock_place);
        QCOMPARE(program.output().count("zelvane_ja.qm not found in " + nothing), 1);
        QVERIFY(program.output().contains("(silent chimes, no help pages, texts in English)\n"));
        QCOMPARE(program.output().count("chime sounds missing"), 1);

        // Installed into a scratch prefix and started from the same folder,
        // the program finds its chimes, help pages and catalogue.
        QCOMPARE(QProcess::execute(CMAKE_COMMAND,
                     {"--install", ZELVANE_BUILD_DIR, "--prefix", scratch.filePath("prefix")}),
            0);
        Program installed(with(on_display, {"LC_ALL=ja_JP.UTF-8"}), {}, nothing,
            scratch.filePath("prefix/bin/zelvane"));
        QVERIFY(find_window("ゼルヴァーネ（時計+）").place.isValid());
        QCOMPARE(installed.output().count("not found"), 0);
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
        read_help(program);
        quit(program, clock_place);
        QProcess::execute("chmod", {"-R", "u+w", folder});
        QCOMPARE(program.output().count("chime sounds missing"), 1);
    }
};

QTEST_MAIN(Tst_Bad_Data)
#include "tst_bad_data.moc"
