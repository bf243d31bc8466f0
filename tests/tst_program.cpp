// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"
#include "main_maxim_screen.h"
#include "maxim_word_ja.h"
#include "program_run.h"
#include "right_menu.h"
#include "x_display.h"

#include <QtTest>
#include <csignal>

namespace {
// The loudness of a recording, as sox measures it.
double rms_of(const QString &wav)
{
    QProcess sox;
    sox.start("sox", {wav, "-n", "stat"});
    sox.waitForFinished(30000);
    const QString report = QString::fromLocal8Bit(sox.readAllStandardError());
    return QRegularExpression(R"(RMS\s+amplitude:\s+([0-9.]+))")
        .match(report)
        .captured(1)
        .toDouble();
}
} // namespace

// The real program on a private X server and a PulseAudio null sink: what only
// the binary shows, its start-up wiring, trace lines through a pipe, the
// chime heard at a full hour, its Japanese title and Quit's exit status.
class Tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void a_day_with_the_real_program();
    void japanese_system_shows_japanese_title();
    void cleanupTestCase();

private:
    X_Display display;
    QTemporaryDir runtime;
    QProcessEnvironment with_sound;
};

void Tst_Program::initTestCase()
{
    QVERIFY2(display.start(), qPrintable(display.error()));
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    with_sound = display.environment();
    with_sound.insert("XDG_RUNTIME_DIR", runtime.path());
    with_sound.insert("PULSE_SERVER", "unix:" + runtime.filePath("pulse/native"));
    QProcess server;
    server.setProcessEnvironment(with_sound);
    server.start("pulseaudio",
        {"-n", "--daemonize=yes", "--exit-idle-time=-1", "-L", "module-null-sink sink_name=cap",
            "-L", "module-native-protocol-unix"});
    QVERIFY(server.waitForFinished(20000));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("pulse/native")), 10000);
}

void Tst_Program::a_day_with_the_real_program()
{
    QProcess recorder;
    recorder.setProcessEnvironment(with_sound);
    recorder.start(
        "parec", {"-d", "cap.monitor", "--file-format=wav", runtime.filePath("heard.wav")});
    QVERIFY(recorder.waitForStarted(5000));

    QProcessEnvironment env = with_sound;
    env.insert("LANG", "C.UTF-8");
    env.insert("LD_PRELOAD", "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
    env.insert("FAKETIME", "@2026-12-06 11:59:55");
    env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
    Program_Run program;
    QVERIFY(program.start(env));
    const auto clock = display.wait_for_window("Zelvane(Clock+)");
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));
    display.click(clock->geometry.center());
    display.click(clock->geometry.center());
    QVERIFY(program.wait_for_line("buf_click_flag=2"));
    QTRY_COMPARE_WITH_TIMEOUT(
        display.wait_for_window("Zelvane(Clock+)")->geometry.size(), QSize(200, 40), 3000);
    QVERIFY2(program.wait_for_line("jiho check ok", 8000), qPrintable(program.lines().join('\n')));
    QTest::qWait(2500);
    ::kill(pid_t(recorder.processId()), SIGINT);
    QVERIFY(recorder.waitForFinished(5000));
    const double rms = rms_of(runtime.filePath("heard.wav"));
    QVERIFY2(rms > 0.01, qPrintable(QStringLiteral("the chime was not heard: RMS %1").arg(rms)));

    // Right of the version screen, which opens over part of the clock.
    const QPoint on_clock = clock->geometry.topLeft() + QPoint(180, 20);
    display.click(on_clock, 3);
    const auto menu = display.wait_for_window("Right click menu");
    Right_Menu menu_copy; // where its buttons lie: the real menu lays them out alike
    QVERIFY(menu);
    QCOMPARE(menu->geometry, QRect(660, 475, 260, 150));

    // The Japanese maxims' text areas with nothing selected anywhere: a middle
    // click and Ctrl+V paste nothing (Qt 6.4 itself would crash), and the
    // program carries on.
    Main_Maxim_Screen selection_copy;
    Maxim_Word_Ja browser_copy;
    const auto in = [](const X_Display::Window &window, QWidget &copy, const char *name) {
        return window.geometry.topLeft() + centre_in_window(copy, name);
    };
    display.click(in(*menu, menu_copy, "maxim_button"));
    const auto selection = display.wait_for_window("Select maxim menu");
    QVERIFY(selection);
    display.click(in(*selection, selection_copy, "japanese_radio"));
    QTest::qWait(200);
    display.click(in(*selection, selection_copy, "select_button"));
    const auto browser = display.wait_for_window("Todays maxim in Japan");
    QVERIFY(browser);
    display.click(in(*browser, browser_copy, "heading_edit"), 2);
    display.click(in(*browser, browser_copy, "text_edit"), 2);
    display.click(in(*browser, browser_copy, "text_edit"));
    QProcess::execute(
        "env", {"DISPLAY=" + display.environment().value("DISPLAY"), "xdotool", "key", "ctrl+v"});
    QTest::qWait(300);
    display.click(in(*browser, browser_copy, "next_button"));
    QVERIFY2(program.wait_for_line("i2=1"), qPrintable(program.error_output()));
    for (const auto &[button, title] : {std::pair {"version_button", "Version screen"},
             std::pair {"timer_button", "Alrm Timer screen"}}) {
        display.click(on_clock, 3);
        QVERIFY(display.wait_for_window("Right click menu"));
        display.click(menu->geometry.topLeft() + centre_in_window(menu_copy, button));
        QVERIFY2(display.wait_for_window(title), title);
    }
    display.click(on_clock, 3);
    QVERIFY(display.wait_for_window("Right click menu"));
    const QString errors_before_quit = program.error_output();
    display.click(menu->geometry.topLeft() + centre_in_window(menu_copy, "quit_button"));
    QVERIFY(program.wait_for_exit());
    QCOMPARE(program.exit_status(), QProcess::NormalExit);
    QCOMPARE(program.exit_code(), 0);
    QCOMPARE(program.error_output().mid(errors_before_quit.size()), QString());
    QCOMPARE(program.lines().count("jiho check ok"), 1);
}

void Tst_Program::japanese_system_shows_japanese_title()
{
    QProcessEnvironment env = display.environment();
    env.insert("LANG", "ja_JP.UTF-8");
    env.remove("LC_ALL");
    Program_Run program;
    QVERIFY(program.start(env));
    const auto clock = display.wait_for_window(QStringLiteral("ゼルヴァーネ(時計+)"));
    QVERIFY2(clock, qPrintable(program.error_output()));
    QCOMPARE(clock->geometry, QRect(790, 640, 220, 40));
}

void Tst_Program::cleanupTestCase()
{
    QProcess::execute("env", {"XDG_RUNTIME_DIR=" + runtime.path(), "pulseaudio", "--kill"});
}

QTEST_MAIN(Tst_Program)
#include "tst_program.moc"
