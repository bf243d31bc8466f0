// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/date_time_screen.h"
#include "core/chime_bank.h"
#include "core/settings.h"
#include "core/time_source.h"

#include <QSoundEffect>
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <unistd.h>

namespace {
QString slurp(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly));
    file.write(text);
}

// What this process writes on a file descriptor (1 or 2) while the object
// lives, passed on when it goes.
struct Capture
{
    explicit Capture(int fd) : fd(fd) { std::fflush(nullptr), dup2(fileno(file), fd); }
    ~Capture()
    {
        const QByteArray all = text();
        dup2(saved, fd), close(saved), std::fclose(file);
        (void)!::write(fd, all.constData(), size_t(all.size()));
    }
    QByteArray text()
    {
        std::fflush(nullptr);
        QByteArray all(1 << 20, '\0');
        all.truncate(qMax(ssize_t(0), pread(fileno(file), all.data(), all.size(), 0)));
        return all;
    }
    QStringList lines(const QString &pattern)
    {
        return QString::fromUtf8(text()).split('\n').filter(QRegularExpression(pattern));
    }
    int fd;
    FILE *file = std::tmpfile();
    int saved = dup(fd);
};

// The one visible window of a class.
QWidget *shown(const char *class_name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->inherits(class_name) && window->isVisible())
            return window;
    return nullptr;
}

void press(QWidget *window, const char *name)
{
    auto *button = window ? window->findChild<QAbstractButton *>(name) : nullptr;
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// A right click on the clock and a click on a row of its menu.
void menu_row(QWidget *clock, const char *button)
{
    QTest::mouseClick(clock, Qt::RightButton);
    press(shown("Right_Menu"), button);
}

// Pressed, moved in four steps and released.
void drag(QWidget *clock, const QPoint &by)
{
    const QPoint start = clock->mapToGlobal(QPoint(20, 20));
    QTest::mousePress(clock, Qt::LeftButton, {}, QPoint(20, 20));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(clock, clock->mapFromGlobal(start + by * step / 4));
    QTest::mouseRelease(clock, Qt::LeftButton, {}, clock->mapFromGlobal(start + by));
}

} // namespace

// The windows on every screen, the clock moved and remembered, and the
// settings file and window, through real clicks, drags and keys (the real
// program on a private X server: desk/desk_test.sh).
class Tst_Desk : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config; // the user's configuration folder, new for each test
    Settings *settings = nullptr;

private slots:
    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        settings = new Settings(config->path());
    }
    void cleanup()
    {
        QWidgetList clocks = QApplication::topLevelWidgets();
        clocks.removeIf([](QWidget *window) { return !window->inherits("Date_Time_Screen"); });
        qDeleteAll(clocks); // and their windows with them
        delete settings;
        Time_Source::set_reader({});
    }

    // CTest runs this on a screen of 1280x1024, 1024x768, 800x600 and with
    // QT_SCALE_FACTOR=2 on 1280x1024: where the designed places fit, the
    // windows open there; elsewhere they lie wholly on the screen.
    void every_window_on_the_screen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        // By the screen's width; the frame is 2 pixels of the screen on every side.
        const QMap<int, QPoint> clock_at {
            {1280, {790, 640}}, {1024, {790, 640}}, {800, {576, 556}}, {640, {418, 470}}};
        auto *clock = new Date_Time_Screen;
        clock->show();
        QCOMPARE(clock->pos(), clock_at.value(area.width()));
        const QPoint shift = clock->pos() - QPoint(790, 640);
        const auto check = [&](QWidget *window, QPoint designed) {
            QVERIFY(window);
            const QRect frame = window->frameGeometry();
            QVERIFY2(area.contains(frame), window->metaObject()->className());
            if (!designed.isNull()
                && area.contains(frame.translated(designed + shift - frame.topLeft())))
                QCOMPARE(window->pos(), designed + shift);
        };
        QTest::mouseClick(clock, Qt::RightButton);
        QCOMPARE(shown("Right_Menu")->size(), QSize(260, 168));
        check(shown("Right_Menu"), {660, 475});
        const std::tuple<const char *, const char *, QPoint> rows[]
            = {{"calender_button", "Calender_Show", {900, 120}},
                {"timer_button", "Alarm_Timer", {660, 545}}, {"help_button", "Help_Screen", {}},
                {"version_button", "Version_Screen", {530, 460}},
                {"settings_button", "Settings_Screen", {560, 380}},
                {"omikuji_button", "Config_Mini_Omikuji", {500, 420}},
                {"maxim_button", "Main_Maxim_Screen", {560, 400}}};
        for (const auto &[button, window, designed] : rows) {
            menu_row(clock, button);
            check(shown(window), designed);
        }
        QWidget *maxims = shown("Main_Maxim_Screen");
        for (const char *kind : {"japanese_radio", "chinese_radio"}) {
            QTest::mouseClick(maxims->findChild<QWidget *>(kind), Qt::LeftButton, {}, {8, 8});
            press(maxims, "select_button");
            if (kind[0] == 'j')
                check(shown("Maxim_Word_Ja"), {630, 220}), menu_row(clock, "maxim_button");
        }
        check(shown("Maxim_Word"), {480, 360});
        QWidget *fortune = shown("Config_Mini_Omikuji");
        for (int row = 1; row <= 5; ++row)
            press(fortune, qPrintable(QStringLiteral("row_input_button_%1").arg(row)));
        press(fortune, "check_button");
        press(fortune, "next_button");
        check(shown("Mini_Omikuji"), {500, 520});
        press(shown("Mini_Omikuji"), "start_stop_button");
        press(shown("Mini_Omikuji"), "start_stop_button");
        check(shown("Mini_Omikuji"), {500, 460}); // grown to show the fortune
    }

    // A damaged file gives the defaults and one line. A press and a release,
    // even with a move shorter than the drag distance, step the display; a
    // longer move drags the clock, which then leads the windows. Every change
    // is saved at once; a folder that cannot be written loses the saving, said
    // once.
    void the_settings_file_and_window()
    {
        Capture output(STDOUT_FILENO), errors(STDERR_FILENO);
        const QString file = config->filePath("zelvane/zelvane.conf");
        write(file,
            "[clock]\nposition=banana\n[chime]\nenabled=maybe\nvolume=110\nquiet_from=25:00\n"
            "quiet_to=07:00\n\x01\xff[chime\n");
        delete settings;
        settings = new Settings(config->path());
        QCOMPARE(errors.lines("zelvane:").size(), 1);
        for (const char *fault : {"position \"banana\"", "enabled \"maybe\"", "volume \"110\"",
                 "quiet_from \"25:00\"", "not in INI form"})
            QVERIFY2(errors.lines("zelvane:").value(0).contains(fault), fault);
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        qint64 offset = 0;
        Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset); });
        const auto stand_at = [&](int day, int hour, int minute, int second) {
            offset = QDateTime::currentDateTime().msecsTo(
                QDateTime(QDate(2009, 3, day), QTime(hour, minute, second)));
        };
        stand_at(5, 12, 20, 0);
        auto *clock = new Date_Time_Screen;
        clock->show();
        QCOMPARE(clock->pos(), QPoint(790, 640));
        QTest::mouseClick(clock, Qt::LeftButton);
        drag(clock, {5, 4});
        QCOMPARE(
            output.lines("^buf_click_flag"), QStringList({"buf_click_flag=1", "buf_click_flag=2"}));
        drag(clock, {-300, -200});
        QCOMPARE(output.lines("^buf_click_flag").size(), 2);
        QCOMPARE(clock->pos(), QPoint(490, 440));
        QVERIFY(slurp(file).contains("[clock]\nposition=490, 440\n"));
        menu_row(clock, "settings_button");
        QWidget *window = shown("Settings_Screen");
        QCOMPARE(window->pos(), QPoint(260, 180));
        const auto *enabled = window->findChild<QCheckBox *>("chime_check");
        QVERIFY(
            enabled->isChecked() && !window->findChild<QCheckBox *>("quiet_check")->isChecked());

        auto *volume = window->findChild<QSlider *>("volume_slider");
        QCOMPARE(volume->value(), 100);
        press(window, "test_button"); // twelve o'clock: twelve strokes
        QTest::keyClick(volume, Qt::Key_Home);
        press(window, "test_button");
        QCOMPARE(rung, QList<QVariantList>({{12}, {12}}));
        QCOMPARE(chimes.sound(12)->volume(), 0.0);
        QTest::keyClick(volume, Qt::Key_PageUp);
        press(window, "test_button");
        QVERIFY(chimes.sound(12)->volume() > 0.0 && chimes.sound(12)->volume() < 0.1);
        press(window, "chime_check");
        press(window, "quiet_check");
        QVERIFY(slurp(file).contains(
            "[chime]\nenabled=false\nquiet_from=22:00\nquiet_to=07:00\nvolume=10\n"));
        press(window, "chime_check");
        // Quiet from 22:00 to 07:00: 23:00 is struck but not heard, 07:00 rings.
        rung.clear();
        stand_at(5, 22, 59, 58);
        QTRY_COMPARE_WITH_TIMEOUT(output.lines("^jiho check ok").size(), 1, 8000);
        stand_at(6, 6, 59, 58);
        QTRY_COMPARE_WITH_TIMEOUT(output.lines("^jiho check ok").size(), 2, 8000);
        QCOMPARE(rung, QList<QVariantList>({{7}}));

        press(window, "put_back_button");
        QCOMPARE(clock->pos(), QPoint(790, 640));
        QVERIFY(slurp(file).contains("position=790, 640\n"));

        // Nothing can be written under /proc, not even by root.
        {
            Settings unwritable("/proc/zelvane");
            window->close();
            menu_row(clock, "settings_button");
            press(window, "chime_check");
            QTest::keyClick(volume, Qt::Key_Home);
            QCOMPARE(
                errors.lines("^zelvane: cannot save the settings in /proc/zelvane/").size(), 1);
            window->close();
            menu_row(clock, "settings_button");
            QVERIFY(!enabled->isChecked() && volume->value() == 0);
        }

        // Started with the desktop: the entry names this program, and goes.
        window->close();
        menu_row(clock, "settings_button");
        const QString entry = config->filePath("autostart/org.zelvane.Zelvane.desktop");
        press(window, "autostart_check");
        const QString program = QFile::symLinkTarget("/proc/self/exe");
        QVERIFY(slurp(entry).contains("\nExec=" + program + "\nPath=" + QFileInfo(program).path()));
        const bool validator = !QStandardPaths::findExecutable("desktop-file-validate").isEmpty();
        QVERIFY2(validator || !qEnvironmentVariableIsSet("CI"), "desktop-file-validate is missing");
        QVERIFY(!validator || QProcess::execute("desktop-file-validate", {entry}) == 0);
        press(window, "autostart_check");
        QVERIFY(!QFile::exists(entry));
        if (!validator)
            QSKIP("desktop-file-validate is missing (see the test packages in zelvane.sh)");
    }
};

QTEST_MAIN(Tst_Desk)
#include "tst_desk.moc"
