// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_maxim_screen.h"
#include "maxim_word_ja.h"
#include "platform_choice.h"
#include "right_menu.h"

#include <QtTest>
#include <QtWidgets>
#include <cmath>
#include <csignal>

namespace {
const QString run_folder = QStringLiteral(ZELVANE_RUN_DIR);
QRandomGenerator rubbish(11);

QByteArray junk(int size)
{
    QByteArray bytes(size, '\0');
    rubbish.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
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

// The real zelvane program, by default started from its run folder, with what
// it prints (trace lines and warnings alike) kept as it prints it; going, it
// takes the program down.
class Program_Run : public QProcess
{
public:
    bool start_in(const QProcessEnvironment &environment, const QString &folder = run_folder,
        const QString &program = run_folder + "/zelvane")
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
        return QString::fromUtf8(peek(bytesAvailable()));
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
    int exit_code(int timeout_ms)
    {
        const bool ended = state() == QProcess::NotRunning || waitForFinished(timeout_ms);
        output();
        return ended && exitStatus() == QProcess::NormalExit ? exitCode() : -1;
    }
};
} // namespace

// The real program on a private X server (Xvfb), its windows found with
// xwininfo and clicked with xdotool: what only the binary shows, its start-up
// wiring, trace lines through a pipe, the chime heard at a full hour on a
// PulseAudio null sink, its data found from any folder, missing or broken data
// lived with, and Quit's exit status.
class Tst_Program : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Xvfb picks a free display itself and writes its number to fd 1.
        xvfb.start("Xvfb",
            {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"});
        QByteArray number;
        for (QDeadlineTimer deadline(10000); !number.contains('\n') && !deadline.hasExpired();)
            number += xvfb.waitForReadyRead(200) ? xvfb.readAllStandardOutput() : QByteArray();
        QVERIFY2(number.contains('\n'), qPrintable("Xvfb did not start: " + xvfb.errorString()));
        on_display = with(QProcessEnvironment::systemEnvironment(),
            {"DISPLAY=:" + number.trimmed(), "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY="});
    }

    void cleanupTestCase() { xvfb.terminate(), xvfb.waitForFinished(); }

    void a_day_with_the_real_program()
    {
        QTemporaryDir runtime;
        const QProcessEnvironment env = with(on_display,
            QStringList {"XDG_RUNTIME_DIR=" + runtime.path(),
                "PULSE_SERVER=unix:" + runtime.filePath("pulse/native"), "LANG=C.UTF-8", "LC_ALL="}
                + at_noon);
        QProcess sound;
        sound.setProcessEnvironment(env);
        sound.start("pulseaudio",
            {"-n", "--daemonize=yes", "--exit-idle-time=-1", "-L", "module-null-sink sink_name=cap",
                "-L", "module-native-protocol-unix"});
        QVERIFY(sound.waitForFinished(20000));
        const auto stop_sound = qScopeGuard([&runtime] {
            QProcess::execute("env", {"XDG_RUNTIME_DIR=" + runtime.path(), "pulseaudio", "--kill"});
        });
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("pulse/native")), 10000);
        sound.start("parec",
            {"-d", "cap.monitor", "--format=s16le", "--channels=1", runtime.filePath("heard")});
        QVERIFY(sound.waitForStarted(5000));
        Program_Run program;
        start_and_read_help(program, run_folder, env);
        ::kill(pid_t(sound.processId()), SIGINT); // the chime has sounded for seconds
        QVERIFY(sound.waitForFinished(5000));
        QFile recording(runtime.filePath("heard"));
        QVERIFY(recording.open(QIODevice::ReadOnly));
        const QByteArray heard = recording.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(heard.constData());
        QVERIFY2(std::any_of(
                     samples, samples + heard.size() / 2, [](qint16 s) { return qAbs(s) > 3000; }),
            qPrintable(QStringLiteral("the chime was not heard in %1 bytes").arg(heard.size())));

        // The Japanese maxims' text areas with nothing selected anywhere: a middle
        // click and Ctrl+V paste nothing (Qt 6.4 itself would crash), and the
        // program carries on. The version screen opens over part of the clock.
        menu_press("version_button");
        QVERIFY(window("Version screen"));
        menu_press("maxim_button");
        click_in("Select maxim menu", Main_Maxim_Screen(), "japanese_radio");
        QTest::qWait(200);
        click_in("Select maxim menu", Main_Maxim_Screen(), "select_button");
        click_in("Todays maxim in Japan", Maxim_Word_Ja(), "heading_edit", 2);
        click_in("Todays maxim in Japan", Maxim_Word_Ja(), "text_edit", 2);
        click_in("Todays maxim in Japan", Maxim_Word_Ja(), "text_edit");
        run("xdotool", {"key", "ctrl+v"});
        QTest::qWait(300);
        click_in("Todays maxim in Japan", Maxim_Word_Ja(), "next_button");
        QVERIFY(program.wait_for("\ni2=1\n"));
        menu_press("timer_button");
        QVERIFY(window("Alrm Timer screen"));
        quit(program);
        QCOMPARE(program.output().count("jiho check ok"), 1);
    }

    // Started from folders of missing, broken and huge data, the program builds
    // its windows, keeps running, and quits through the menu with status 0.
    void bad_catalogues_and_an_empty_folder()
    {
        QTemporaryDir scratch;
        QFile file(run_folder + "/zelvane_ja.qm");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray catalogue = file.readAll();
        // Catalogues empty, cut short at 40 points, with 1 to 40 bits flipped, and
        // random after a catalogue's magic; on a Japanese system, offscreen, 22 at
        // a time: each starts (it says it runs without chimes and help) and runs on.
        QList<QByteArray> mutations {QByteArray()};
        for (int n = 1; n <= 40; ++n) {
            mutations << catalogue.left(catalogue.size() * n / 41) << catalogue;
            for (int flip = 0; flip < n; ++flip)
                mutations.last()[rubbish.bounded(catalogue.size())]
                    ^= char(1 << rubbish.bounded(8));
        }
        for (int size = 1; mutations.size() < 110; size = size * 3 / 2 + 1)
            mutations << catalogue.left(16) + junk(size);
        std::vector<std::unique_ptr<Program_Run>> programs;
        for (int k = 0; k < mutations.size(); ++k) {
            const QString folder = scratch.filePath(QStringLiteral("qm%1").arg(k));
            write(folder + "/zelvane_ja.qm", mutations[k]);
            programs.push_back(std::make_unique<Program_Run>());
            QVERIFY(
                programs.back()->start_in(with(QProcessEnvironment::systemEnvironment(),
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
        start_and_read_help(program, nothing, with(on_display, {"LANG=ja_JP.UTF-8", "LC_ALL="}));
        quit(program);
        QCOMPARE(program.output().count("zelvane_ja.qm not found in " + nothing), 1);
        QCOMPARE(program.output().count("chime sounds missing"), 1);

        // Installed into a scratch prefix and started from the same folder,
        // the program finds its chimes, help pages and catalogue.
        QCOMPARE(QProcess::execute(CMAKE_COMMAND,
                     {"--install", ZELVANE_BUILD_DIR, "--prefix", scratch.filePath("prefix")}),
            0);
        Program_Run installed;
        QVERIFY(installed.start_in(with(on_display, {"LC_ALL=ja_JP.UTF-8"}), nothing,
            scratch.filePath("prefix/bin/zelvane")));
        QVERIFY(window("ゼルヴァーネ(時計+)"));
        QCOMPARE(installed.output().count("not found"), 0);
    }

    // In a read-only folder: chimes flipped, cut short, empty and a folder, one
    // rung at noon, reported once; a help page of tens of megabytes, linking to
    // itself, to missing, empty and junk pages and to the web.
    void broken_chimes_and_help_pages()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("run"), wave = folder + "/wave/jiho%1.wav";
        QProcess::execute("cp", {"-r", run_folder, folder});
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
        start_and_read_help(program, folder, with(on_display, at_noon));
        quit(program);
        QProcess::execute("chmod", {"-R", "u+w", folder});
        QCOMPARE(program.output().count("chime sounds missing"), 1);
    }

    void platform_choice()
    {
        QStringList chosen;
        for (const QStringList &settings :
            {QStringList {"WAYLAND_DISPLAY=w0", "DISPLAY=:0"}, {"WAYLAND_DISPLAY=w0"},
                {"WAYLAND_DISPLAY=w0", "DISPLAY=:0", "QT_QPA_PLATFORM=w"}, {"DISPLAY=:0"}})
            chosen << choose_platform(with(QProcessEnvironment(), settings));
        QCOMPARE(chosen.join('|'), "xcb;wayland|||");
    }

    // The chimes the build synthesises into the run folder.
    void chime_n_strikes_n_times()
    {
        for (int n = 1; n <= 12; ++n) {
            QFile file(QStringLiteral(ZELVANE_RUN_DIR "/wave/jiho%1.wav").arg(n));
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            QVERIFY(bytes.size() > 50 * 1024 && bytes.size() < 1024 * 1024);
            // "RIFF", its size, "WAVEfmt ", 16 bytes of format: PCM, one channel,
            // 22050 frames and 44100 bytes a second, 2 bytes a frame, 16 bits;
            // "data" and its size.
            const auto u32 = [](qsizetype value) {
                const quint32 little = qToLittleEndian(quint32(value));
                return QByteArray(reinterpret_cast<const char *>(&little), 4).toHex();
            };
            QCOMPARE(bytes.left(44).toHex(),
                "52494646" + u32(bytes.size() - 8)
                    + "57415645666d742010000000010001002256000044ac00000200100064617461"
                    + u32(bytes.size() - 44));
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
            QVERIFY2(
                jump < 12000, qPrintable(QStringLiteral("jiho%1 jumps by %2").arg(n).arg(jump)));
            QCOMPARE(strokes, n);
        }
    }

private:
    QString run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(on_display);
        process.start(tool, arguments);
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Where the visible window of this title lies, once it shows.
    std::optional<QRect> window(const QString &title, int timeout_ms = 10000);

    void click(const QPoint &at, int button = 1)
    {
        // No --sync: it waits for ever when the pointer is already there.
        run("xdotool",
            {"mousemove", QString::number(at.x()), QString::number(at.y()), "sleep", "0.2", "click",
                QString::number(button)});
    }

    // Waits for the window and clicks the centre of its named child, laid out
    // as in a copy made here.
    void click_in(const QString &title, QWidget &&copy, const char *child, int button = 1)
    {
        const auto found = window(title);
        QVERIFY2(found, qPrintable(title));
        copy.show();
        copy.layout()->activate();
        auto *target = copy.findChild<QWidget *>(child);
        click(found->topLeft() + target->mapTo(&copy, target->rect().center()), button);
    }

    void menu_press(const char *button)
    {
        click(QPoint(790 + 180, 640 + 20), 3); // right of the version screen
        click_in("Right click menu", Right_Menu(), button);
    }

    // Starts the program from the folder; with FAKETIME set, clicks on to the
    // time display and waits for the hour's chime. Then opens Help and clicks
    // where the page's links are.
    void start_and_read_help(
        Program_Run &program, const QString &folder, const QProcessEnvironment &env)
    {
        QVERIFY(program.start_in(with(env, {"BROWSER=true"}), folder));
        const auto clock = window("Zelvane(Clock+)", 20000);
        QVERIFY2(clock, qPrintable(folder + program.output()));
        QCOMPARE(*clock, QRect(790, 640, 220, 40));
        if (env.contains("FAKETIME")) {
            click(clock->center());
            click(clock->center());
            QVERIFY(program.wait_for("buf_click_flag=2\n"));
            QVERIFY2(program.wait_for("jiho check ok\n", 8000), "no chime at noon");
        }
        menu_press("help_button");
        const auto help = window("How to use screen", 20000);
        QVERIFY2(help, qPrintable(folder + program.output()));
        for (const QPoint at : {QPoint(20, 12), QPoint(60, 12), QPoint(110, 12), QPoint(200, 300)})
            click(help->topLeft() + at);
    }

    // Quits through the menu: nothing more is printed, and the status is 0.
    void quit(Program_Run &program)
    {
        QVERIFY2(!program.waitForFinished(300), qPrintable(program.output()));
        const qsizetype before_quit = program.output().size();
        menu_press("quit_button");
        QCOMPARE(program.exit_code(20000), 0);
        QCOMPARE(program.output().mid(before_quit), QString());
    }

    QProcess xvfb;
    QProcessEnvironment on_display;
};

std::optional<QRect> Tst_Program::window(const QString &title, int timeout_ms)
{
    // e.g.  0x400007 "Zelvane(Clock+)": ("zelvane" "zelvane")  220x40+790+640  +790+640
    const QRegularExpression line("^\\s*(0x[0-9a-f]+) \"" + QRegularExpression::escape(title)
            + R"re(": \(.*\)\s+(\d+)x(\d+)\S*\s+\+?(-?\d+)\+?(-?\d+)\s*$)re",
        QRegularExpression::MultilineOption);
    for (QDeadlineTimer deadline(timeout_ms); !deadline.hasExpired(); QThread::msleep(150))
        for (const auto &m : line.globalMatch(run("xwininfo", {"-root", "-tree"})))
            if (run("xwininfo", {"-id", m.captured(1)}).contains("IsViewable"))
                return QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                    m.captured(3).toInt());
    return std::nullopt;
}

QTEST_MAIN(Tst_Program)
#include "tst_program.moc"
