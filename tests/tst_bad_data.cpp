// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QtTest>

// The real program started from folders of missing, broken and huge data: it
// builds its windows, keeps running, and quits through the menu with status 0.
namespace {

QRandomGenerator rubbish(11);

QByteArray junk(int size)
{
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(rubbish.bounded(256));
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class Tst_Bad_Data : public QObject
{
    Q_OBJECT

private slots:
    void bad_data_files();

private:
    // Starts the program, opens Help and clicks where a page's links are, and
    // quits; with FAKETIME set, arms the chime and waits for it at noon.
    void use_and_quit(const QString &folder, const QString &lang, const QStringList &settings = {});

    X_Display display;
    QTemporaryDir scratch;
    QPoint help_button, quit_button;
};

void Tst_Bad_Data::use_and_quit(
    const QString &folder, const QString &lang, const QStringList &settings)
{
    QProcessEnvironment env = display.environment();
    for (const QString &setting :
        settings + QStringList {"BROWSER=true", "LC_ALL=", "LANG=" + lang})
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    Program_Run program;
    QVERIFY(program.start(env, folder));
    // No catalogue could be read: the clock's title stays in English.
    const auto clock = display.wait_for_window(QStringLiteral("Zelvane(Clock+)"), 20000);
    QVERIFY2(clock, qPrintable(folder + program.error_output()));
    for (int click = 0; env.contains("FAKETIME") && click < 4;
         ++click) // on through the time display
        display.click(clock->geometry.center());
    if (env.contains("FAKETIME"))
        QVERIFY2(program.wait_for_line(QStringLiteral("jiho check ok"), 30000), "no chime at noon");
    display.click(open_feature_menu(display, *clock)->geometry.topLeft() + help_button);
    const auto help = display.wait_for_window(QStringLiteral("How to use screen"), 20000);
    QVERIFY2(help, qPrintable(folder + program.error_output()));
    for (const QPoint at : {QPoint(20, 12), QPoint(60, 12), QPoint(110, 12), QPoint(200, 300)})
        display.click(help->geometry.topLeft() + at);
    QVERIFY2(!program.wait_for_exit(500), qPrintable(folder + program.error_output()));
    display.click(open_feature_menu(display, *clock)->geometry.topLeft() + quit_button);
    QVERIFY2(program.wait_for_exit(20000), qPrintable(folder + ": Quit did not end the program"));
    QVERIFY(program.exit_status() == QProcess::NormalExit && program.exit_code() == 0);
    // Missing or broken chimes are said once, not once per sound.
    QCOMPARE(program.error_output().count(QLatin1String("chime sounds missing")),
        QDir(folder + "/wave").exists() && !folder.endsWith("chimes") ? 0 : 1);
}

void Tst_Bad_Data::bad_data_files()
{
    if (!display.start())
        QSKIP(qPrintable(QStringLiteral("no X display: ") + display.error()));
    Right_Menu menu_copy;
    help_button = centre_in_window(menu_copy, QStringLiteral("help_button"));
    quit_button = centre_in_window(menu_copy, QStringLiteral("quit_button"));
    const QString run = Program_Run::run_folder();
    QFile file(run + QStringLiteral("/zelvane_ja.qm"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray catalogue = file.readAll();
    // Catalogues empty, cut short at 40 points, with 1 to 40 bits flipped, and random after
    // a catalogue's magic; twelve programs at a time, offscreen, must build their windows.
    QList<QByteArray> mutations {QByteArray()};
    for (int n = 1; n <= 40; ++n) {
        mutations << catalogue.left(catalogue.size() * n / 41) << catalogue;
        for (int flip = 0; flip < n; ++flip)
            mutations.last()[rubbish.bounded(catalogue.size())] ^= char(1 << rubbish.bounded(8));
    }
    for (int size = 1; mutations.size() < 110; size = size * 3 / 2 + 1)
        mutations << catalogue.left(16) + junk(size);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("ja_JP.UTF-8"));
    for (int first = 0; first < mutations.size(); first += 12) {
        std::vector<std::unique_ptr<Program_Run>> programs;
        for (int k = first; k < std::min<int>(first + 12, mutations.size()); ++k) {
            write(scratch.filePath(QStringLiteral("qm%1/zelvane_ja.qm").arg(k)), mutations[k]);
            programs.push_back(std::make_unique<Program_Run>());
            QVERIFY(programs.back()->start(env, scratch.filePath(QStringLiteral("qm%1").arg(k))));
        }
        // Started (it says it runs without chimes and help), and still running.
        for (auto &program : programs)
            QTRY_VERIFY_WITH_TIMEOUT(program->error_output().contains("not found in"), 30000);
        QTest::qWait(1000);
        for (auto &program : programs)
            QVERIFY2(!program->wait_for_exit(0), qPrintable(program->error_output()));
    }
    QVERIFY(QDir().mkpath(scratch.filePath(QStringLiteral("nothing"))));
    use_and_quit(scratch.filePath(QStringLiteral("nothing")), QStringLiteral("ja_JP.UTF-8"));

    // Chimes flipped, cut short, empty and a folder, one rung at noon; help pages empty,
    // junk, huge, linking to themselves, to missing pages and to the web; a read-only folder.
    const QString chimes = scratch.filePath(QStringLiteral("chimes")),
                  wave = chimes + "/wave/jiho%1.wav";
    const QString junk_help = scratch.filePath("junk"), huge_help = scratch.filePath("huge");
    for (const QString &folder : {chimes, junk_help, huge_help})
        QProcess::execute("cp", {"-r", run, folder});
    QFile first_chime(wave.arg(1));
    QVERIFY(first_chime.open(QIODevice::ReadOnly));
    const QByteArray header = first_chime.read(44); // a wave header, then rubbish
    write(wave.arg(1), header + junk(20000));
    write(wave.arg(2), header.left(30));
    write(wave.arg(12), QByteArray());
    QVERIFY(QFile::remove(wave.arg(4)) && QDir().mkpath(wave.arg(4)));
    write(chimes + "/html/index.html", QByteArray());
    write(junk_help + "/html/index.html", junk(200000));
    write(huge_help + "/html/index.html",
        "<a href=index.html>again</a> <a href=gone.html>gone</a> <a href=junk.html>junk</a> "
        "<a href=https://zelvane.example.org/>web</a><p>"
            + QByteArray("lorem ipsum dolor sit amet ").repeated(800000));
    write(huge_help + "/html/junk.html", junk(5000));
    QProcess::execute("chmod", {"-R", "a-w", junk_help});
    use_and_quit(chimes, QStringLiteral("C.UTF-8"),
        {"LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
            "FAKETIME=@2026-12-06 11:59:50", "FAKETIME_DONT_FAKE_MONOTONIC=1"});
    use_and_quit(junk_help, QStringLiteral("C.UTF-8"));
    use_and_quit(huge_help, QStringLiteral("C.UTF-8"));
    QProcess::execute("chmod", {"-R", "u+w", junk_help});
}

QTEST_MAIN(Tst_Bad_Data)
#include "tst_bad_data.moc"
