// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform_choice.h"
#include "maxim/main_maxim_screen.h"
#include "maxim/maxim_word_ja.h"
#include "menu/right_menu.h"

#include <QtTest>
#include <QtWidgets>
#include <numeric>

namespace {
// How long anything may take to happen, however busy the machine: the waits
// end as soon as it does.
constexpr int patience_ms = 240000;
const QString run_folder = QStringLiteral(ZELVANE_RUN_DIR);
QRandomGenerator rubbish(11);
QProcessEnvironment on_display; // the private X server's, set once it runs

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

const QStringList at_noon {"LD_PRELOAD=" ZELVANE_LIBFAKETIME, "FAKETIME=@2026-12-06 11:59:55",
    "FAKETIME_DONT_FAKE_MONOTONIC=1"};

// The real zelvane program started from a folder. What it prints, trace lines
// and warnings alike, goes to a file that is read whole whenever asked, so no
// pipe has to be drained; going, it takes the program down.
struct Program_Run : QProcess
{
    QTemporaryFile log;
    // The run folder's zelvane, unless setProgram named another.
    bool start_in(const QProcessEnvironment &environment, const QString &folder)
    {
        setProcessEnvironment(environment);
        setWorkingDirectory(folder);
        setProcessChannelMode(QProcess::MergedChannels);
        setStandardOutputFile(log.open() ? log.fileName() : QString());
        start(program().isEmpty() ? run_folder + "/zelvane" : program(), {});
        return waitForStarted(10000);
    }
    QString output() { return log.reset() ? QString::fromUtf8(log.readAll()) : QString(); }
    // Still running after ms. Checks the state too: when an event loop has
    // already seen the program end, waitForFinished says no.
    bool runs_on(int ms) { return !waitForFinished(ms) && state() == QProcess::Running; }
};

// Runs a tool, on the private display unless told otherwise, to its end; what it printed.
QString run(const QString &command, const QProcessEnvironment &environment = on_display)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.startCommand(command);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where the visible window of this title lies, once it shows.
std::optional<QRect> window(const QString &title, int timeout_ms = patience_ms)
{
    // e.g.  0x400007 "Zelvane(Clock+)": ("zelvane" "zelvane")  220x40+790+640  +790+640
    const QRegularExpression line(R"((?m)^\s*(0x[0-9a-f]+) ")" + QRegularExpression::escape(title)
        + R"(": \(.*\)\s+(\d+)x(\d+)\S*\s+\+?(-?\d+)\+?(-?\d+)\s*$)");
    for (QDeadlineTimer deadline(timeout_ms); !deadline.hasExpired(); QThread::msleep(150))
        for (const auto &m : line.globalMatch(run("xwininfo -root -tree")))
            if (run("xwininfo -id " + m.captured(1)).contains("IsViewable"))
                return QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                    m.captured(3).toInt());
    return std::nullopt;
}

void click(const QPoint &at, int button = 1)
{
    // No --sync: it waits for ever when the pointer is already there.
    run(QString("xdotool mousemove %1 %2 sleep 0.2 click %3").arg(at.x()).arg(at.y()).arg(button));
}

// Waits for the window and clicks the centre of its named child, laid out as
// in a copy made here.
void click_in(const QString &title, QWidget &&copy, const char *child, int button = 1)
{
    const auto found = window(title);
    QVERIFY2(found, qPrintable(title));
    copy.show(); // which lays it out
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
void start_and_read_help(Program_Run &program, const QString &from, const QProcessEnvironment &env)
{
    QVERIFY(program.start_in(with(env, {"BROWSER=true"}), from));
    const QRect clock(790, 640, 220, 40);
    QVERIFY2(window("Zelvane(Clock+)", patience_ms) == clock, qPrintable(from + program.output()));
    if (env.contains("FAKETIME")) {
        click(clock.center());
        click(clock.center());
        QTRY_VERIFY_WITH_TIMEOUT(program.output().contains("buf_click_flag=2\n"), patience_ms);
        QTRY_VERIFY_WITH_TIMEOUT(program.output().contains("jiho check ok\n"), patience_ms);
    }
    menu_press("help_button");
    const auto help = window("How to use screen", patience_ms);
    QVERIFY2(help, qPrintable(from + program.output()));
    for (const QPoint at : {QPoint(20, 12), QPoint(60, 12), QPoint(110, 12), QPoint(200, 300)})
        click(help->topLeft() + at);
}

// Quits through the menu: nothing more is printed, and the status is 0.
void quit(Program_Run &program)
{
    QVERIFY2(program.runs_on(300), qPrintable(program.output()));
    // The menu shows once the program has handled every click before it.
    click(QPoint(790 + 180, 640 + 20), 3);
    QVERIFY(window("Right click menu", patience_ms));
    const qsizetype before_quit = program.output().size();
    click_in("Right click menu", Right_Menu(), "quit_button");
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, patience_ms);
    // A crash counts as -1.
    QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, 0);
    QCOMPARE(program.output().mid(before_quit), QString());
}
} // namespace

// The real program on a private X server (Xvfb), its windows found with
// xwininfo and clicked with xdotool: what only the binary shows, its start-up
// wiring, trace lines, the chime heard at a full hour on a PulseAudio null
// sink, its data found from any folder, missing or broken data lived with, and
// Quit's exit status.
class Tst_Program : public QObject
{
    Q_OBJECT
    QProcess xvfb;

private slots:
    void initTestCase()
    {
        // Xvfb picks a free display itself and writes its number to fd 1.
        xvfb.startCommand("Xvfb -displayfd 1 -screen 0 1280x1024x24 -noreset -nolisten tcp");
        QTRY_VERIFY2_WITH_TIMEOUT(xvfb.canReadLine(), qPrintable(xvfb.errorString()), patience_ms);
        on_display = with(QProcessEnvironment::systemEnvironment(),
            {"DISPLAY=:" + xvfb.readLine().trimmed(), "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY="});
    }

    void cleanupTestCase() { xvfb.terminate(), xvfb.waitForFinished(); }

    void a_day_with_the_real_program()
    {
        QTemporaryDir runtime;
        const QProcessEnvironment env = with(with(on_display, at_noon),
            {"LANG=C.UTF-8", "LC_ALL=", "XDG_RUNTIME_DIR=" + runtime.path(),
                "PULSE_SERVER=unix:" + runtime.filePath("pulse/native")});
        QProcess sound;
        sound.setProcessEnvironment(env);
        sound.startCommand("pulseaudio -n --daemonize=yes --exit-idle-time=-1"
                           " -L \"module-null-sink sink_name=cap\" -L module-native-protocol-unix");
        QVERIFY(sound.waitForFinished(20000));
        const auto stop_sound = qScopeGuard([&env] { run("pulseaudio --kill", env); });
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath("pulse/native")), patience_ms);
        sound.start("parec",
            {"-d", "cap.monitor", "--format=s16le", "--channels=1", runtime.filePath("heard")});
        QVERIFY(sound.waitForStarted(5000));
        Program_Run program;
        start_and_read_help(program, run_folder, env);
        sound.terminate(); // the chime has sounded for seconds
        QVERIFY(sound.waitForFinished(5000));
        QFile file(runtime.filePath("heard"));
        const QByteArray heard = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        run("xdotool key ctrl+v");
        QTest::qWait(300);
        click_in("Todays maxim in Japan", Maxim_Word_Ja(), "next_button");
        QTRY_VERIFY_WITH_TIMEOUT(program.output().contains("\ni2=1\n"), patience_ms);
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
            std::list<Program_Run> programs;
            for (qsizetype k = first; k < first + 22 && k < mutations.size(); ++k) {
                const QString folder = scratch.filePath(QStringLiteral("qm%1").arg(k));
                write(folder + "/zelvane_ja.qm", mutations[k]);
                QVERIFY(programs.emplace_back().start_in(japanese, folder));
            }
            // A catalogue refused is named once, and never as missing; an empty one
            // always is refused.
            for (Program_Run &program : programs) {
                QTRY_VERIFY2_WITH_TIMEOUT(
                    program.output().contains(
                        "; running without them (silent chimes, no help pages)\n"),
                    qPrintable(program.output()), patience_ms);
                const qsizetype named = program.output().count(program.workingDirectory()
                    + "/zelvane_ja.qm is damaged; the texts are shown in English\n");
                QVERIFY(named == 1 || (named == 0 && !program.workingDirectory().endsWith("qm0")));
            }
            QTest::qWait(300);
            for (Program_Run &program : programs)
                QVERIFY2(program.runs_on(0), qPrintable(program.output()));
        }

        // Nothing beside the program: it says where it looked, and that the chimes
        // are missing, once each.
        const QString nothing = scratch.filePath("nothing");
        QVERIFY(QDir().mkpath(nothing));
        Program_Run program;
        start_and_read_help(program, nothing, with(on_display, {"LANG=ja_JP.UTF-8", "LC_ALL="}));
        quit(program);
        QCOMPARE(program.output().count("zelvane_ja.qm not found in " + nothing), 1);
        QVERIFY(program.output().contains("(silent chimes, no help pages, texts in English)\n"));
        QCOMPARE(program.output().count("chime sounds missing"), 1);

        // Installed into a scratch prefix and started from the same folder,
        // the program finds its chimes, help pages and catalogue.
        QCOMPARE(QProcess::execute(CMAKE_COMMAND,
                     {"--install", ZELVANE_BUILD_DIR, "--prefix", scratch.filePath("prefix")}),
            0);
        Program_Run installed;
        installed.setProgram(scratch.filePath("prefix/bin/zelvane"));
        QVERIFY(installed.start_in(with(on_display, {"LC_ALL=ja_JP.UTF-8"}), nothing));
        QVERIFY(window("ゼルヴァーネ（時計+）"));
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
        const auto choice = [](const QStringList &env) { return choose_platform(with({}, env)); };
        QCOMPARE(choice({"WAYLAND_DISPLAY=w0", "DISPLAY=:0"}), "xcb;wayland");
        QCOMPARE(choice({"WAYLAND_DISPLAY=w0"}), "");
        QCOMPARE(choice({"WAYLAND_DISPLAY=w0", "DISPLAY=:0", "QT_QPA_PLATFORM=w"}), "");
        QCOMPARE(choice({"DISPLAY=:0"}), "");
    }

    // The chimes the build synthesises into the run folder.
    void chime_n_strikes_n_times()
    {
        for (int n = 1; n <= 12; ++n) {
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
            // No sample wrapped round; strokes are 20 ms windows whose loudness
            // jumps well above the one before.
            int jump = 0, strokes = 0;
            for (const qint16 *at = samples + 1; at < end; ++at)
                jump = qMax(jump, qAbs(at[0] - at[-1]));
            double rms = 0.0, previous = 0.0;
            for (const qint16 *at = samples; at + 441 <= end; at += 441, previous = rms) {
                rms = qSqrt(std::inner_product(at, at + 441, at, 0.0) / 441);
                strokes += rms > 1000.0 && rms > 1.4 * previous;
            }
            QVERIFY2(jump < 12000, qPrintable(QString("jiho%1 jumps by %2").arg(n).arg(jump)));
            QCOMPARE(strokes, n);
        }
    }
};

QTEST_MAIN(Tst_Program)
#include "tst_program.moc"
