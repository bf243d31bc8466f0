// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform_choice.h"
#include "maxim/main_maxim_screen.h"
#include "maxim/maxim_word_ja.h"
#include "support/zelvane_test.h"

#include <numeric>

// The real program on a private X server (Xvfb), its windows found with
// xwininfo and clicked with xdotool: what only the binary shows, its start-up
// wiring, trace lines, the chime heard at a full hour on a PulseAudio null
// sink, and Quit's exit status; and the chimes the build synthesises.
class Tst_Program : public QObject
{
    Q_OBJECT
    Private_Display display;

private slots:
    void initTestCase()
    {
        if (tools_missing({"Xvfb", "xdotool", "xwininfo", "pulseaudio", "parec", "faketime"}))
            return;
        QVERIFY(display.start());
    }

    void a_day_with_the_real_program()
    {
        QTemporaryDir runtime;
        const QProcessEnvironment env = with(on_display,
            faked_time("2026-12-06 11:59:55")
                + QStringList {"LANG=C.UTF-8", "LC_ALL=", "XDG_RUNTIME_DIR=" + runtime.path(),
                    "PULSE_SERVER=unix:" + runtime.filePath("pulse/native"), "BROWSER=true"});
        run({"pulseaudio", "-n", "--daemonize=yes", "--exit-idle-time=-1", "-L",
                "module-null-sink sink_name=cap", "-L", "module-native-protocol-unix"},
            env);
        const auto stop_sound = qScopeGuard([&env] { run({"pulseaudio", "--kill"}, env); });
        WAIT_FOR(QFile::exists(runtime.filePath("pulse/native")));
        QProcess sound;
        sound.setProcessEnvironment(env);
        sound.start("parec",
            {"-d", "cap.monitor", "--format=s16le", "--channels=1", runtime.filePath("heard")});
        QVERIFY(sound.waitForStarted(patience_ms));
        Program program(env);
        read_help(program);
        sound.terminate(); // the chime has sounded for seconds
        QVERIFY(sound.waitForFinished(patience_ms));
        QFile file(runtime.filePath("heard"));
        const QByteArray heard = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto *samples = reinterpret_cast<const qint16 *>(heard.constData());
        QVERIFY2(std::any_of(
                     samples, samples + heard.size() / 2, [](qint16 s) { return qAbs(s) > 3000; }),
            qPrintable(QStringLiteral("the chime was not heard in %1 bytes").arg(heard.size())));

        // The Japanese maxims' text areas with nothing selected anywhere: a middle
        // click and Ctrl+V paste nothing (Qt 6.4 itself would crash), and the
        // program carries on. The version screen opens over part of the clock.
        menu_press(clock_place, "version_button");
        QVERIFY(find_window("Version screen").place.isValid());
        menu_press(clock_place, "maxim_button");
        click_in("Select maxim menu", Main_Maxim_Screen(), "japanese_radio");
        click_in("Select maxim menu", Main_Maxim_Screen(), "select_button");
        const QString maxims = "Todays maxim in Japan";
        click_in(maxims, Maxim_Word_Ja(), "heading_edit", 2);
        click_in(maxims, Maxim_Word_Ja(), "text_edit", 2);
        click_in(maxims, Maxim_Word_Ja(), "text_edit");
        run({"xdotool", "key", "ctrl+v"});
        click_in(maxims, Maxim_Word_Ja(), "next_button");
        WAIT_FOR(program.output().contains("\ni2=1\n"));
        menu_press(clock_place, "timer_button");
        QVERIFY(find_window("Alrm Timer screen").place.isValid());
        quit(program, clock_place);
        QCOMPARE(program.output().count("jiho check ok"), 1);
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
