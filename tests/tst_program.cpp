// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_maxim_screen.h"
#include "maxim_word_ja.h"
#include "platform_choice.h"
#include "program_run.h"
#include "program_windows.h"
#include "right_menu.h"
#include "x_display.h"

#include <QtTest>
#include <csignal>

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

// Settings given as "NAME=value".
QProcessEnvironment with(QProcessEnvironment environment, const QStringList &settings)
{
    for (const QString &setting : settings)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    return environment;
}

const QStringList at_noon {"LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1",
    "FAKETIME=@2026-12-06 11:59:55", "FAKETIME_DONT_FAKE_MONOTONIC=1"};
} // namespace

// The real program on a private X server: what only the binary shows, its
// start-up wiring, trace lines through a pipe, the chime heard at a full hour
// on a PulseAudio null sink, its data found from any folder, missing or broken
// data lived with, and Quit's exit status.
class Tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(display.start()); }
    void a_day_with_the_real_program();
    void bad_catalogues_and_an_empty_folder();
    void broken_chimes_and_help_pages();
    void installed_program_runs_from_an_empty_folder();
    void platform_choice();

private:
    // Starts the program from the folder; with FAKETIME set, clicks on to the
    // time display and waits for the hour's chime. Then opens Help and clicks
    // where the page's links are, takes the further steps, and quits through
    // the menu: nothing is printed after Quit, and the status is 0.
    void use_and_quit(Program_Run &program, const QString &folder, const QProcessEnvironment &env,
        const std::function<void()> &steps = {});
    // Opens the menu from the clock and clicks one of its buttons.
    void menu_press(const char *button);

    X_Display display;
};

void Tst_Program::menu_press(const char *button)
{
    display.click(QPoint(790 + 180, 640 + 20), 3); // right of the version screen
    const auto menu = display.wait_for_window("Right click menu");
    QVERIFY(menu);
    QCOMPARE(menu->geometry, QRect(660, 475, 260, 150));
    display.click(menu->geometry.topLeft() + centre_in_window(Right_Menu(), button));
}

void Tst_Program::use_and_quit(Program_Run &program, const QString &folder,
    const QProcessEnvironment &env, const std::function<void()> &steps)
{
    QVERIFY(program.start_in(with(env, {"BROWSER=true"}), folder));
    const auto clock = display.wait_for_window("Zelvane(Clock+)", 20000);
    QVERIFY2(clock, qPrintable(folder + program.output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));
    if (env.contains("FAKETIME")) {
        display.click(clock->geometry.center());
        display.click(clock->geometry.center());
        QVERIFY(program.wait_for("buf_click_flag=2\n"));
        QVERIFY2(program.wait_for("jiho check ok\n", 8000), "no chime at noon");
    }
    menu_press("help_button");
    const auto help = display.wait_for_window("How to use screen", 20000);
    QVERIFY2(help, qPrintable(folder + program.output()));
    for (const QPoint at : {QPoint(20, 12), QPoint(60, 12), QPoint(110, 12), QPoint(200, 300)})
        display.click(help->geometry.topLeft() + at);
    if (steps)
        steps();
    QVERIFY2(!program.waitForFinished(300), qPrintable(folder + program.output()));
    const qsizetype before_quit = program.output().size();
    menu_press("quit_button");
    QCOMPARE(program.exit_code(20000), 0);
    QCOMPARE(program.output().mid(before_quit), QString());
}

void Tst_Program::a_day_with_the_real_program()
{
    QTemporaryDir runtime;
    const QProcessEnvironment env = with(display.environment(),
        QStringList {"XDG_RUNTIME_DIR=" + runtime.path(),
            "PULSE_SERVER=unix:" + runtime.filePath("pulse/native"), "LANG=C.UTF-8", "LC_ALL="}
            + at_noon);
    QProcess sound;
    sound.setProcessEnvironment(env);
    sound.start("pulseaudio",
        {"-n", "--daemonize=yes", "--exit-idle-time=-1", "-L", "module-null-sink sink_name=cap",
            "-L", "module-native-protocol-unix"});
    QVERIFY(sound.waitForFinished(20000));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("pulse/native")), 10000);
    sound.start("parec", {"-d", "cap.monitor", "--file-format=wav", runtime.filePath("heard.wav")});
    QVERIFY(sound.waitForStarted(5000));

    // The Japanese maxims' text areas with nothing selected anywhere: a middle
    // click and Ctrl+V paste nothing (Qt 6.4 itself would crash), and the
    // program carries on.
    Program_Run program;
    const auto maxims_and_countdown = [&] {
        ::kill(pid_t(sound.processId()), SIGINT); // the chime has sounded for seconds
        QVERIFY(sound.waitForFinished(5000));
        menu_press("version_button");
        QVERIFY(display.wait_for_window("Version screen"));
        menu_press("maxim_button");
        const auto selection = display.wait_for_window("Select maxim menu");
        QVERIFY(selection);
        const auto in = [](const X_Display::Window &window, QWidget &&copy, const char *name) {
            return window.geometry.topLeft() + centre_in_window(std::move(copy), name);
        };
        display.click(in(*selection, Main_Maxim_Screen(), "japanese_radio"));
        QTest::qWait(200);
        display.click(in(*selection, Main_Maxim_Screen(), "select_button"));
        const auto browser = display.wait_for_window("Todays maxim in Japan");
        QVERIFY(browser);
        display.click(in(*browser, Maxim_Word_Ja(), "heading_edit"), 2);
        display.click(in(*browser, Maxim_Word_Ja(), "text_edit"), 2);
        display.click(in(*browser, Maxim_Word_Ja(), "text_edit"));
        display.key("ctrl+v");
        QTest::qWait(300);
        display.click(in(*browser, Maxim_Word_Ja(), "next_button"));
        QVERIFY(program.wait_for("\ni2=1\n"));
        menu_press("timer_button");
        QVERIFY(display.wait_for_window("Alrm Timer screen"));
    };
    use_and_quit(program, Program_Run::run_folder(), env, maxims_and_countdown);
    QCOMPARE(program.output().count("jiho check ok"), 1);
    QProcess::execute("env", {"XDG_RUNTIME_DIR=" + runtime.path(), "pulseaudio", "--kill"});
    // The loudness of the recording, as sox measures it.
    sound.start("sox", {runtime.filePath("heard.wav"), "-n", "stat"});
    sound.waitForFinished(30000);
    const double rms = QRegularExpression(R"(RMS\s+amplitude:\s+([0-9.]+))")
                           .match(sound.readAllStandardError())
                           .captured(1)
                           .toDouble();
    QVERIFY2(rms > 0.01, qPrintable(QStringLiteral("the chime was not heard: RMS %1").arg(rms)));
}

// Started from folders of missing, broken and huge data, the program builds
// its windows, keeps running, and quits through the menu with status 0.
void Tst_Program::bad_catalogues_and_an_empty_folder()
{
    QTemporaryDir scratch;
    QFile file(Program_Run::run_folder() + "/zelvane_ja.qm");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray catalogue = file.readAll();
    // Catalogues empty, cut short at 40 points, with 1 to 40 bits flipped, and
    // random after a catalogue's magic; on a Japanese system, offscreen, 22 at
    // a time: each starts (it says it runs without chimes and help) and runs on.
    QList<QByteArray> mutations {QByteArray()};
    for (int n = 1; n <= 40; ++n) {
        mutations << catalogue.left(catalogue.size() * n / 41) << catalogue;
        for (int flip = 0; flip < n; ++flip)
            mutations.last()[rubbish.bounded(catalogue.size())] ^= char(1 << rubbish.bounded(8));
    }
    for (int size = 1; mutations.size() < 110; size = size * 3 / 2 + 1)
        mutations << catalogue.left(16) + junk(size);
    std::vector<std::unique_ptr<Program_Run>> programs;
    for (int k = 0; k < mutations.size(); ++k) {
        const QString folder = scratch.filePath(QStringLiteral("qm%1").arg(k));
        write(folder + "/zelvane_ja.qm", mutations[k]);
        programs.push_back(std::make_unique<Program_Run>());
        QVERIFY(programs.back()->start_in(with(QProcessEnvironment::systemEnvironment(),
                                              {"QT_QPA_PLATFORM=offscreen", "LANG=ja_JP.UTF-8"}),
            folder));
        if (programs.size() < 22 && k + 1 < mutations.size())
            continue;
        for (auto &program : programs)
            QVERIFY2(program->wait_for("not found in", 30000), qPrintable(program->output()));
        QTest::qWait(300);
        for (auto &program : programs)
            QVERIFY2(!program->waitForFinished(0), qPrintable(program->output()));
        programs.clear();
    }

    // Nothing beside the program: it says where it looked, and that the chimes
    // are missing, once each.
    const QString nothing = scratch.filePath("nothing");
    QVERIFY(QDir().mkpath(nothing));
    Program_Run program;
    use_and_quit(program, nothing, with(display.environment(), {"LANG=ja_JP.UTF-8", "LC_ALL="}));
    QCOMPARE(program.output().count("zelvane_ja.qm not found in " + nothing), 1);
    QCOMPARE(program.output().count("chime sounds missing"), 1);
}

// In a read-only folder: chimes flipped, cut short, empty and a folder, one
// rung at noon, reported once; a help page of tens of megabytes, linking to
// itself, to missing, empty and junk pages and to the web.
void Tst_Program::broken_chimes_and_help_pages()
{
    QTemporaryDir scratch;
    const QString folder = scratch.filePath("run"), wave = folder + "/wave/jiho%1.wav";
    QProcess::execute("cp", {"-r", Program_Run::run_folder(), folder});
    QFile first_chime(wave.arg(1));
    QVERIFY(first_chime.open(QIODevice::ReadOnly));
    const QByteArray header = first_chime.read(44); // a wave header, then rubbish
    write(wave.arg(1), header + junk(20000));
    write(wave.arg(2), header.left(30));
    write(wave.arg(12), QByteArray());
    QVERIFY(QFile::remove(wave.arg(4)) && QDir().mkpath(wave.arg(4)));
    write(folder + "/html/index.html",
        "<a href=index.html>again</a> <a href=gone.html>gone</a> <a href=junk.html>junk</a> "
        "<a href=empty.html>empty</a> <a href=https://zelvane.example.org/>web</a><p>"
            + QByteArray("lorem ipsum dolor sit amet ").repeated(800000));
    write(folder + "/html/junk.html", junk(200000));
    write(folder + "/html/empty.html", QByteArray());
    QProcess::execute("chmod", {"-R", "a-w", folder});
    Program_Run program;
    use_and_quit(program, folder, with(display.environment(), at_noon));
    QProcess::execute("chmod", {"-R", "u+w", folder});
    QCOMPARE(program.output().count("chime sounds missing"), 1);
}

// Installed into a scratch prefix and started from an empty folder, the
// program finds its chimes, help pages and catalogue.
void Tst_Program::installed_program_runs_from_an_empty_folder()
{
    QTemporaryDir prefix, empty;
    QCOMPARE(QProcess::execute(
                 CMAKE_COMMAND, {"--install", ZELVANE_BUILD_DIR, "--prefix", prefix.path()}),
        0);
    Program_Run program;
    QVERIFY(program.start_in(with(display.environment(), {"LC_ALL=ja_JP.UTF-8"}), empty.path(),
        prefix.filePath("bin/zelvane")));
    QVERIFY(display.wait_for_window("ゼルヴァーネ(時計+)"));
    QCOMPARE(program.output().count("not found"), 0);
}

void Tst_Program::platform_choice()
{
    const auto choice = [](const QStringList &settings) {
        return choose_platform(with(QProcessEnvironment(), settings));
    };
    QCOMPARE(choice({"WAYLAND_DISPLAY=w0", "DISPLAY=:0"}), QByteArray("xcb;wayland"));
    QCOMPARE(choice({"WAYLAND_DISPLAY=w0"}), QByteArray());
    QCOMPARE(choice({"WAYLAND_DISPLAY=w0", "DISPLAY=:0", "QT_QPA_PLATFORM=w"}), QByteArray());
    QCOMPARE(choice({"DISPLAY=:0"}), QByteArray());
}

QTEST_MAIN(Tst_Program)
#include "tst_program.moc"
