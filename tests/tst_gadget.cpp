// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/date_time_screen.h"
#include "core/chime_bank.h"
#include "core/japanese_catalogue.h"
#include "core/time_source.h"
#include "fortune/config_mini_omikuji.h"
#include "fortune/mini_omikuji.h"
#include "maxim/maxim_entry.h"
#include "tools/alarm_timer.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <set>
#include <unistd.h>

namespace {
// Stands the program's clock at a moment; cleanup() gives it the system clock back.
QDateTime clock_moment;
void stand_clock_at(const QDateTime &moment)
{
    clock_moment = moment;
    Time_Source::set_reader([] { return clock_moment; });
}

// Sends standard output of this process into a file while the object lives, so
// a test reads the program's trace lines exactly as they are printed.
struct Output_Capture
{
    Output_Capture() { std::fflush(stdout), dup2(fileno(file), STDOUT_FILENO); }
    ~Output_Capture()
    {
        take_lines();
        dup2(saved_fd, STDOUT_FILENO);
        // Pass everything on, so nothing printed meanwhile is lost from the log.
        (void)!write(STDOUT_FILENO, printed.constData(), size_t(printed.size()));
        close(saved_fd), std::fclose(file);
    }

    // The lines printed since the start or the last call; the test library's
    // own messages, which share standard output, left out.
    QStringList take_lines()
    {
        std::fflush(stdout);
        const qsizetype taken = printed.size();
        char buffer[4096];
        for (ssize_t n; (n = pread(fileno(file), buffer, sizeof buffer, printed.size())) > 0;)
            printed.append(buffer, n);
        QStringList lines = QString::fromUtf8(printed.mid(taken)).split('\n');
        lines.removeLast();
        static const QRegularExpression test_message("^Q(WARN|DEBUG|INFO|SYSTEM) ");
        lines.removeIf([](const QString &line) { return line.contains(test_message); });
        return lines;
    }

    int saved_fd = dup(STDOUT_FILENO);
    FILE *file = std::tmpfile();
    QByteArray printed;
};

// The visible window of a class of the program, or null if there is none or,
// which must never be, more than one.
QWidget *window_of(const char *class_name)
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf(
        [&](QWidget *window) { return !window->inherits(class_name) || !window->isVisible(); });
    return found.size() == 1 ? found[0] : nullptr;
}

// Where the window was placed and its size (offscreen, geometry() leaves out
// a frame).
QRect placed(const QWidget *window)
{
    return QRect(window->pos(), window->size());
}

// A right click on the clock (built and shown first if screen is null), as a
// user opens the feature menu; returns the menu.
QWidget *open_menu(Date_Time_Screen *&screen)
{
    if (!screen) {
        screen = new Date_Time_Screen;
        screen->show();
    }
    QTest::mouseClick(screen, Qt::RightButton);
    return window_of("Right_Menu");
}

// A left click on a window's button, found by its object name.
void press(QWidget *window, const QString &button)
{
    auto *target = window ? window->findChild<QPushButton *>(button) : nullptr;
    QVERIFY2(target, qPrintable(button));
    QTest::mouseClick(target, Qt::LeftButton);
}

// The texts of a window's named labels, buttons and text areas, joined by
// '|'; names the window does not have are left out.
QString texts(const QWidget *window, const QStringList &names)
{
    QStringList found;
    for (const QString &name : names)
        if (QObject *child = window->findChild<QObject *>(name)) {
            auto *area = qobject_cast<QTextEdit *>(child);
            found << (area ? area->toPlainText() : child->property("text").toString());
        }
    return found.join('|');
}

QDateTime at(int hour, int minute, int second, QDate day = {2009, 3, 5})
{
    return QDateTime(day, QTime(hour, minute, second));
}

Date_Time_Screen *clock_after_clicks(int clicks)
{
    auto *screen = new Date_Time_Screen;
    screen->show();
    for (int n = 0; n < clicks; ++n)
        QTest::mouseClick(screen, Qt::LeftButton);
    return screen;
}

// What the clock shows: its text, its tooltip and its size.
QString look(const QLabel *clock)
{
    return QStringLiteral("%1|%2|%3x%4")
        .arg(clock->text(), clock->toolTip())
        .arg(clock->width())
        .arg(clock->height());
}

// Runs the event loop as main does, with steps taken from inside it; 99 if
// the program did not end by itself within five seconds.
int exec_with(const std::function<void()> &steps)
{
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, qApp, steps);
    return QApplication::exec();
}

// The fortune table: for each grade, best first, its name and its study,
// love, money and trouble sayings.
const QStringList grade_rows = QString(R"(
Daikichi|Beleave my self|Take your pick|Lose something get anything|Thinking will work out all right
Chu kichi|feeling achivement|many chances|Only get out|Natural solve the probrem
shoukichi|effort the everyday|you close attention|extra income feel|Wait the help
Kichi|effort the everyday|Brush the my hurt is Kich|escape the suquare|Discretion is the better part of valor
Hankichi|Your efforts will pay off|your effort dipendents having is kichi|A standstill|You have to humility
Suekichi|Your efforts will pay off|you close attention|inconstancy|when calm down is kichi
Sue-shoukichi|Matters took a turn for the worth|It has beleave is kichi|you will bless the penny|pull step
Kyou|you have pure luck|Matters took a turn for the worth|small income,big outgo|when calm down is kichi
Shoukyou|injustice has taboo|you close attention|you will bless the penny|Only get out
Hankyou|survive for your self|it unexpected the encounter|Only get out|Natural solve the probrem
Suekyou|injustice has taboo|you can't be too ambitious|unexpect outgo is carefully|unruly
Daikyou|You need not expect|Lover alarm|outgo at great|Good luck)")
                                   .split('\n', Qt::SkipEmptyParts);

// Grade 1 to 12: its name and sayings.
QStringList grade(int number)
{
    return grade_rows.value(number - 1).split('|');
}

// The result a drawing of the grade shows, label by label.
QString fortune_of(int number)
{
    const QStringList row = grade(number);
    return QStringLiteral("%1|Study:%2|lover:%3|money:%4|trouble:%5")
        .arg(row[0], row[1], row[2], row[3], row[4]);
}

// The result's labels, top to bottom.
const QStringList result {
    "unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};

// The number, heading and text a maxim window shows.
QString shown(QWidget *window)
{
    return texts(window, {"no_label", "heading_label", "heading_edit", "text_edit"});
}

bool enabled(QWidget *window, const char *button)
{
    return window->findChild<QPushButton *>(button)->isEnabled();
}

// Opens the maxim window chosen in the selection menu, reached from the clock.
QWidget *choose(Date_Time_Screen *&screen, const char *kind, const char *method, const char *window)
{
    press(open_menu(screen), "maxim_button");
    QWidget *selection = window_of("Main_Maxim_Screen");
    // On the indicator: a radio reacts to clicks on its mark and its text only.
    for (const char *radio : {kind, method})
        QTest::mouseClick(selection->findChild<QRadioButton *>(radio), Qt::LeftButton, {}, {8, 8});
    press(selection, "select_button");
    return selection->isVisible() ? nullptr : window_of(window);
}

// Every text a label or push button shows lies whole inside the area it is
// drawn in, measured with the widget's own font, with no two overlapping; on
// a Japanese system no text, tooltip or title is left in English. The faults
// found are added to the list.
void check_fit(QWidget *window, const QString &name, QStringList &faults)
{
    QApplication::processEvents(); // the layout and size the user sees
    // ASCII with a letter, but for the texts that stay as they are in Japanese
    // too: OK, the mail address and the Chinese browser's number.
    static const QRegularExpression english("^(?!OK$|E-mail: )[ -~\\n]*[A-Za-z][ -~\\n]*$");
    const bool japanese = QLocale::system().language() == QLocale::Japanese;
    QRegion covered;
    for (QWidget *widget : window->findChildren<QWidget *>() + QWidgetList {window}) {
        const QString text = widget->property("text").toString();
        for (const QString &shown : {text, widget->toolTip(), widget->windowTitle(),
                 widget->accessibleName(), widget->accessibleDescription()})
            if (japanese && widget->isVisible() && shown.contains(english)
                && !(window->inherits("Maxim_Word") && shown.startsWith("No=")))
                faults << shown + " in " + name + " is not in Japanese";
        auto *button = qobject_cast<QPushButton *>(widget);
        if (!(button || widget->inherits("QLabel")) || !widget->isVisible() || text.isEmpty())
            continue;
        // A flat button draws no frame; a framed one keeps its text within its 1 px frame.
        const bool framed = button && !button->isFlat();
        const QRect area = widget->contentsRect().adjusted(framed, framed, -framed, -framed);
        const int wrap = widget->property("wordWrap").toBool() ? Qt::TextWordWrap : 0;
        const QSize need = QFontMetrics(widget->font()).boundingRect(area, wrap, text).size();
        const QRect place(widget->mapTo(window, QPoint()), widget->size());
        if (need.width() > area.width() || need.height() > area.height()
            || covered.intersects(place) || !window->rect().contains(place))
            QDebug(&faults.emplace_back())
                << text << "in" << name << "overflows by" << need - area.size()
                << "px, or overlaps, or is outside";
        covered += place;
    }
}

QString read_file(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The chime of each hour of the half day, from the design's hour-to-sound table.
constexpr int chime_of_hour[12] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// The windows in an order fixed from run to run: the toolkit keeps them
// hashed by address.
QWidgetList windows()
{
    QWidgetList all = QApplication::topLevelWidgets();
    std::stable_sort(all.begin(), all.end(), [](QWidget *a, QWidget *b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    return all;
}

// The shown and enabled widgets of a kind in the shown windows; with
// windows_only, the windows alone. Quit would end the storm, the calendar's
// month button opens a menu that waits for a choice, and the settings that
// silence or ring the chime would break the storm's rule of one chime an hour.
template<class Child> QList<Child *> shown_widgets(bool windows_only = false)
{
    QList<Child *> found;
    for (QWidget *window : windows()) {
        QObjectList all = windows_only ? QObjectList() : window->findChildren<QObject *>();
        for (QObject *object : all << window)
            if (auto *child = qobject_cast<Child *>(object); child && window->isVisible()
                && child->isVisible() && child->isEnabled()
                && !QStringList {"quit_button", "qt_calendar_monthbutton", "chime_check",
                    "quiet_check", "test_button"}
                        .contains(child->objectName()))
                found.append(child);
    }
    return found;
}

// What must hold after every event; empty when it does.
QString broken_rule(const Alarm_Timer *countdown)
{
    std::set<QString> seen;
    for (QWidget *window : shown_widgets<QWidget>(true)) {
        const QString name = window->metaObject()->className();
        if (!seen.insert(name).second)
            return "two " + name + " windows shown";
        // A maxim's number lies in its catalogue; a browser's Back and Next follow it.
        auto *number = window->findChild<QLabel *>("no_label");
        auto *back = window->findChild<QWidget *>("back_button");
        auto *next = window->findChild<QWidget *>("next_button");
        const int last = name.endsWith("_Ja") ? 39 : 63,
                  n = number ? number->text().mid(3).toInt() : 0;
        if (number && (!number->text().startsWith("No=") || n < 0 || n > last))
            return name + " shows " + number->text();
        if (back && (back->isEnabled() != (n > 0) || next->isEnabled() != (n < last)))
            return name + " has Back and Next wrong at " + number->text();
    }
    if (countdown->intValue() < 0 || countdown->intValue() > 300)
        return QStringLiteral("the countdown shows %1").arg(countdown->intValue());
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *drawing = qobject_cast<Mini_Omikuji *>(window))
            for (int grade : drawing->buf_uranai_result)
                if (grade < 0 || grade > 12)
                    return QStringLiteral("a fortune slot holds %1").arg(grade);
    return QString();
}

// One tick of every running timer, as its expiry would deliver it.
void tick_running_timers()
{
    for (QWidget *window : windows())
        for (QTimer *timer : window->findChildren<QTimer *>())
            if (timer->isActive()) {
                QTimerEvent tick(timer->timerId()); // read now: a tick may restart another timer
                QCoreApplication::sendEvent(timer, &tick);
            }
}
} // namespace

// The gadget as its user sees and hears it, through real clicks and the real
// timers: the clock's four displays and its hourly chime, the feature menu
// and the windows it opens (the countdown, the calendar, the help, the
// version screen, the fortune drawing and the maxims), its texts in English
// and Japanese, and a storm of random events over it all.
class Tst_Gadget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR)); }
    // Takes down the clocks a test made, and with them every window of theirs.
    void cleanup()
    {
        QWidgetList clocks = QApplication::topLevelWidgets();
        clocks.removeIf([](QWidget *window) { return !window->inherits("Date_Time_Screen"); });
        qDeleteAll(clocks);
        Time_Source::set_reader({});
    }

    void four_displays_step_on_left_clicks()
    {
        stand_clock_at(at(9, 5, 7));
        Output_Capture output;
        Date_Time_Screen *screen = clock_after_clicks(0);
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        output.take_lines();
        QStringList shown {look(screen)};
        for (int click = 0; click < 4; ++click) {
            QTest::mouseClick(screen, Qt::LeftButton);
            shown << look(screen);
        }
        QCOMPARE(shown.join(' '),
            "2009.3.5|U no Tuki|220x40 U no Tuki|March|220x40 9:5:07|Me no koku|200x40 Me no "
            "koku|9:5|160x40 2009.3.5|U no Tuki|220x40");
        QCOMPARE(output.take_lines().join(' '),
            "buf_click_flag=1 buf_click_flag=2 buf_click_flag=3 buf_click_flag=0");

        // The names of the months and of the two-hour periods.
        const auto month = [](int m) { return at(12, 0, 0, QDate(2010, m, 9)); };
        const std::tuple<QDateTime, int, const char *> rows[] = {
            {month(1), 1, "Usi no Tuki|January"}, {month(7), 1, "Hituji no Tuki|July"},
            {month(8), 1, "Saru no Tuki|August "}, {month(10), 0, "2010.10.9|inu no Tuki"},
            {month(11), 1, "I no Tuki|November"}, {month(12), 1, "Ne no Tuki|December"},
            {at(23, 0, 0), 3, "Ne no koku|23:0"}, {at(0, 30, 0), 3, "Ne no koku|0:30"},
            {at(1, 0, 0), 3, "Ushi no koku|1:0"}, {at(5, 0, 0), 2, "5:0:00|U no koku"},
            {at(12, 59, 59), 3, "Uma no koku|12:59"}, {at(14, 10, 3), 2, "14:10:03|Hituji no koku"},
            {at(19, 0, 0), 3, "Inu no koku|19:0"}, {at(22, 59, 59), 3, "i no koku|22:59"}};
        for (const auto &[moment, clicks, shown] : rows) {
            stand_clock_at(moment);
            QCOMPARE(look(clock_after_clicks(clicks)).section('|', 0, 1), shown);
        }
    }

    // The wall clock is the system's plus an offset, stepped back and forth
    // across full hours as a user or NTP might. Once the time was shown, each
    // display strikes every hour once, in its first seconds.
    void every_hour_shown_strikes_once_whatever_the_clock_does()
    {
        // Left to itself, the clock shows the local time.
        qputenv("TZ", "Asia/Tokyo");
        tzset();
        Date_Time_Screen *local = clock_after_clicks(2);
        QVERIFY2(qAbs(QTime::fromString(local->text(), "h:m:ss").secsTo(QTime::currentTime())) <= 1,
            qPrintable(local->text()));
        delete local;
        qint64 offset_ms = 0;
        Time_Source::set_reader([&] { return QDateTime::currentDateTime().addMSecs(offset_ms); });
        Output_Capture output;
        Chime_Bank chimes;
        QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
        Date_Time_Screen *screen = clock_after_clicks(0);
        QStringList seen;
        QTimer watch; // what the clock shows, as it changes
        connect(&watch, &QTimer::timeout, [&] { seen << screen->text(); });
        watch.start(5);
        // Steps the clock to hh:59:59 on a day of March 2009, on a whole
        // second; returns the full hour to come.
        const auto step_to = [&](int hour, int day = 5) {
            seen = QStringList {screen->text()};
            const QDateTime real = QDateTime::currentDateTime(),
                            end(QDate(2009, 3, day), QTime(hour, 59, 59));
            offset_ms = real.msecsTo(end) + real.time().msec();
            return end.addSecs(1);
        };
        const auto wait_past = [](const QDateTime &moment, int ms = 300) {
            QTRY_VERIFY_WITH_TIMEOUT(Time_Source::now() >= moment.addMSecs(ms), 4000);
        };

        wait_past(step_to(11)); // noon passes before the time was ever shown: silent
        // Midnight with this clock turned to the time display and three new
        // ones in the period, date and month displays.
        const QDateTime midnight = step_to(23, 4);
        QTest::mouseClick(screen, Qt::LeftButton);
        QTest::mouseClick(screen, Qt::LeftButton);
        const QList<Date_Time_Screen *> others {
            clock_after_clicks(3), clock_after_clicks(4), clock_after_clicks(5)};
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.4"));
        wait_past(midnight, 2300); // every second shown once, from the first of the day
        seen.removeDuplicates();
        QCOMPARE(seen.mid(seen.indexOf("0:0:00")), QStringList({"0:0:00", "0:0:01", "0:0:02"}));
        QCOMPARE(others[1]->text(), QStringLiteral("2009.3.5"));
        qDeleteAll(others);
        wait_past(step_to(12)); // 13:00
        wait_past(step_to(12)); // set back: 13:00 again
        wait_past(step_to(10)); // further back: 11:00, never struck yet
        wait_past(step_to(12)); // forward again: 13:00 once more
        wait_past(step_to(23, 4)); // a day back: midnight once more
        QCOMPARE(rung, QList<QVariantList>({{12}, {12}, {12}, {12}, {1}, {11}}));
        QCOMPARE(output.take_lines().count("jiho check ok"), 6);
    }

    void every_window_opens_in_place_and_keeps_its_ways()
    {
        // Button, window, title, place (null: where the window system puts it),
        // size (invalid: the window's own), kept on top.
        const std::tuple<const char *, const char *, const char *, QPoint, QSize, bool> rows[] = {
            {"calender_button", "Calender_Show", "", {900, 120}, {}, true},
            {"maxim_button", "Main_Maxim_Screen", "Select maxim menu", {560, 400}, {}, false},
            {"timer_button", "Alarm_Timer", "Alrm Timer screen", {660, 545}, {200, 60}, true},
            {"omikuji_button", "Config_Mini_Omikuji", "Zelvane Uranai Config", {500, 420},
                {400, 200}, false},
            {"help_button", "Help_Screen", "How to use screen", {}, {460, 560}, true},
            {"version_button", "Version_Screen", "Version screen", {530, 460}, {400, 210}, false},
        };
        stand_clock_at(QDateTime(QDate(2009, 3, 5), QTime(23, 59, 59)));
        Date_Time_Screen *screen = nullptr;
        QWidget *menu = open_menu(screen);
        QCOMPARE(placed(menu), QRect(660, 475, 260, 168));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Right click menu"));
        for (const auto &[button, class_name, title, place, size, on_top] : rows) {
            press(open_menu(screen), button);
            QWidget *window = window_of(class_name);
            QVERIFY2(window && !window_of("Right_Menu"), class_name);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(title));
            QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on_top);
            QVERIFY(place.isNull() || window->pos() == place);
            QVERIFY(!size.isValid() || window->size() == size);
        }
        press(open_menu(screen), "close_menu_button");
        QVERIFY(!window_of("Right_Menu"));

        QWidget *version = window_of("Version_Screen");
        QCOMPARE(texts(version, {"name_label", "version_label", "author_label", "mail_label"}),
            "Soft name:Zelvane|Version:version 1.00|Author:The Zelvane developers|E-mail: "
            "zelvane@example.org");
        press(version, "ok_button");
        QVERIFY(!version->isVisible());

        // The calendar marks the day it was opened on, and keeps it; the
        // help opens on its index, and goes back there when opened again.
        auto *calendar = qobject_cast<QCalendarWidget *>(window_of("Calender_Show"));
        QVERIFY(calendar->isGridVisible() && calendar->isNavigationBarVisible());
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        calendar->close();
        stand_clock_at(QDateTime(QDate(2009, 3, 6), QTime(0, 0, 1)));
        press(open_menu(screen), "calender_button");
        QCOMPARE(calendar->selectedDate(), QDate(2009, 3, 5));
        auto *help = qobject_cast<QTextBrowser *>(window_of("Help_Screen"));
        QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
        QVERIFY(help->toPlainText().size() > 100);
        QTest::keyClick(help, Qt::Key_Tab);
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(help->source().fileName(), QStringLiteral("clock.html"));
        help->close();
        press(open_menu(screen), "help_button");
        QCOMPARE(help->source().fileName(), QStringLiteral("index.html"));
    }

    // Presets and start, stop and reset by clicks; at 0 the bell and the
    // blinking. The ticks run on the real timer, shortened.
    void countdown_through_its_cycle()
    {
        Alarm_Timer::tick_interval_ms = 300;
        Date_Time_Screen *screen = nullptr;
        press(open_menu(screen), "timer_button");
        auto *countdown = qobject_cast<QLCDNumber *>(window_of("Alarm_Timer"));
        QCOMPARE(countdown->intValue(), 60);
        Output_Capture output;
        const auto click = [countdown](Qt::MouseButton button, int shown) {
            QTest::mouseClick(countdown, button);
            QCOMPARE(countdown->intValue(), shown);
        };
        for (int preset : {60, 180, 300, 60})
            click(Qt::LeftButton, preset);
        click(Qt::RightButton, 60);
        QTRY_COMPARE_WITH_TIMEOUT(countdown->intValue(), 58, 1000);
        click(Qt::LeftButton, 58); // locked while counting
        click(Qt::RightButton, 58);
        QTest::qWait(400);
        click(Qt::RightButton, 60);
        click(Qt::MiddleButton, 60);
        QCOMPARE(output.take_lines().join('|'),
            "buf_click_flag=0|mousePressEvent,buf_time=60|buf_click_flag=1|mousePressEvent,buf_"
            "time=60|buf_click_flag=2|mousePressEvent,buf_time=180|buf_click_flag=0|"
            "mousePressEvent,buf_time=300|mode_flag=0|mousePressEvent,buf_time=60|change time ONE "
            "MINUTE buf_time = 59,mode_flag = 1|change time ONE MINUTE buf_time = 58,mode_flag = "
            "1|buf_click_flag=1|mousePressEvent,buf_time=58|mode_flag=1|mousePressEvent,buf_time="
            "58|Select function case 2 buf_mode=0,buf_time=60,mode_flag=2|mode_flag=2|"
            "mousePressEvent,buf_time=60");

        // 60 s chosen again (180, 300, 60) and started: one bell, sound 1, on
        // the tick that shows 0, then the display blinks.
        Alarm_Timer::tick_interval_ms = 5;
        Chime_Bank chimes;
        QList<QPoint> bells; // (sound, number shown when it was asked for)
        connect(&chimes, &Chime_Bank::chime_requested, countdown,
            [&](int sound) { bells.append(QPoint(sound, countdown->intValue())); });
        const QColor face = countdown->palette().color(QPalette::Window);
        const auto inverted
            = [&] { return countdown->palette().color(QPalette::WindowText) == face; };
        auto *blinking = countdown->findChild<QTimer *>(QStringLiteral("blink_timer"));
        for (int preset = 0; preset < 3; ++preset)
            QTest::mouseClick(countdown, Qt::LeftButton);
        QCOMPARE(countdown->intValue(), 60);
        QVERIFY(bells.isEmpty() && !blinking->isActive() && !inverted());
        QTest::mouseClick(countdown, Qt::RightButton);
        QTRY_COMPARE(bells, QList<QPoint>({QPoint(1, 0)}));
        const QStringList counted = output.take_lines();
        QVERIFY(counted.contains("mode_flag=0")); // started by the fourth right click
        QCOMPARE(counted.filter(QStringLiteral("change time")).last(),
            QStringLiteral("change time ONE MINUTE buf_time = 0,mode_flag = 1"));
        QTRY_VERIFY(!inverted());
        QTRY_VERIFY(inverted());
        // A click ends the blinking and does what it always does: this one stops.
        QTest::mouseClick(countdown, Qt::RightButton);
        QVERIFY(!blinking->isActive() && !inverted());
    }

    // Quit ends the program whatever is open. So does closing the last
    // window: the clock, then the version screen, which shows again once closed.
    void quit_or_the_last_window_closed_ends_the_program()
    {
        Date_Time_Screen *screen = nullptr;
        QCOMPARE(exec_with([&screen] {
            for (const char *button : {"calender_button", "maxim_button", "timer_button",
                     "omikuji_button", "help_button", "version_button", "quit_button"})
                press(open_menu(screen), button);
        }),
            0);
        delete std::exchange(screen, nullptr);
        QCOMPARE(exec_with([&screen] {
            press(open_menu(screen), "version_button");
            window_of("Version_Screen")->close();
            press(open_menu(screen), "version_button");
            screen->close();
            press(window_of("Version_Screen"), "ok_button");
        }),
            0);
    }

    void fortune_drawn_from_the_clock()
    {
        Output_Capture output;
        Date_Time_Screen *screen = nullptr;
        press(open_menu(screen), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        QCOMPARE(output.take_lines().filter("buf_uranai_result").join(' '),
            "buf_uranai_result[0]=0 buf_uranai_result[1]=0 buf_uranai_result[2]=0 "
            "buf_uranai_result[3]=0 buf_uranai_result[4]=0");

        // Rows labelled 5 down to 1 fill slots 4 down to 0; the top row's
        // list is left as it opens, on the best grade.
        const int chosen[5] = {3, 2, 8, 12, 1}; // grade per slot
        auto *top_list = config->findChild<QComboBox *>("row_combo_5");
        for (int row = 0; row < 12; ++row)
            QCOMPARE(top_list->itemText(row), grade(row + 1)[0]);
        for (int digit = 5; digit >= 1; --digit) {
            auto *list = config->findChild<QComboBox *>(QStringLiteral("row_combo_%1").arg(digit));
            for (int step = 1; step < chosen[digit - 1]; ++step)
                QTest::keyClick(list, Qt::Key_Down);
            QVERIFY(!config->findChild<QPushButton *>("check_button")->isEnabled());
            press(config, QStringLiteral("row_input_button_%1").arg(digit));
            QVERIFY(!list->isEnabled());
            QCOMPARE(texts(config, {QStringLiteral("row_label_%1").arg(digit)}),
                grade(chosen[digit - 1])[0]);
            QCOMPARE(output.take_lines().join(' '),
                QStringLiteral("buf_uranai_result[%1]=%2 click_count = %3")
                    .arg(digit - 1)
                    .arg(chosen[digit - 1])
                    .arg(6 - digit));
        }
        press(config, "check_button");
        press(config, "next_button");
        QWidget *drawing = window_of("Mini_Omikuji");
        QVERIFY(drawing && !config->isVisible());
        QCOMPARE(placed(drawing), QRect(500, 520, 100, 120));

        // Stopped before the first tick, the drawing takes the slot drawn at
        // the start, the first of the generator's sequence; it prints one less.
        std::srand(7);
        const int slot = std::rand() % 5;
        std::srand(7);
        press(drawing, "start_stop_button");
        press(drawing, "start_stop_button");
        QCOMPARE(
            output.take_lines().filter("buf_r-1="), {QStringLiteral("buf_r-1=%1").arg(slot - 1)});
        QCOMPARE(placed(drawing), QRect(500, 460, 280, 200));
        QCOMPARE(texts(drawing, result), fortune_of(chosen[slot]));
        press(drawing, "close_button");
        QVERIFY(!drawing->isVisible());
        QCOMPARE(placed(drawing), QRect(500, 520, 120, 130));
    }

    // The browsers read forward and back; then the random windows. The
    // Japanese one seeds from the time and draws first, the Chinese one draws
    // next from the same sequence; Close seeds again.
    void maxims_read_in_order_and_at_random()
    {
        const unsigned seed
            = unsigned(QDateTime(QDate(2009, 3, 5), QTime(9, 5, 8)).toSecsSinceEpoch());
        stand_clock_at(QDateTime::fromSecsSinceEpoch(seed));
        std::srand(seed);
        const int japanese = std::rand() % 40, chinese = std::rand() % 64;
        Date_Time_Screen *screen = nullptr;
        QWidget *browser = choose(screen, "chinese_radio", "numeric_radio", "Maxim_Word");
        QCOMPARE(placed(browser), QRect(480, 360, 760, 280));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Todays maxim"));
        Output_Capture output;
        QStringList read {shown(browser)};
        quint64 previous = 0; // where the entry shown lies in memory, as printed
        for (int n = 1; enabled(browser, "next_button"); ++n) {
            QCOMPARE(enabled(browser, "back_button"), n > 1);
            press(browser, "next_button");
            read << shown(browser);
            const QStringList lines = output.take_lines();
            const quint64 address = lines.value(0).section('=', 3).toULongLong();
            QCOMPARE(lines.join('|'),
                QStringLiteral("1.i=%1,i=%1,maxim+i=%2|2.i=%1,i=%1,maxim+i=%2|i=%1")
                    .arg(n)
                    .arg(address));
            const quint64 before = std::exchange(previous, address);
            QVERIFY(n == 1 || address - before == sizeof(Maxim_Entry));
        }
        QCOMPARE(read.size(), 64);
        for (const char *entry : {"No=0|Hijyouhatokunomotonari|Kenjyou koso Toku no kihon de aru",
                 "No=20|Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi|31seikou "
                 "nisite",
                 "No=63|taiki ha bannseisu|97.kane ya kanae noyouna"})
            QCOMPARE(read[QString(entry).section('|', 0, 0).mid(3).toInt()], entry);

        for (int n = 62; n >= 0; --n) {
            press(browser, "back_button");
            QCOMPARE(shown(browser), read[n]);
            QVERIFY(enabled(browser, "back_button") == (n > 0) && enabled(browser, "next_button"));
            QCOMPARE(output.take_lines().size(), 2);
        }
        press(browser, "next_button");
        QVERIFY(QTest::qWaitForWindowActive(browser));
        press(browser, "close_button");
        QVERIFY(!browser->isVisible());
        QCOMPARE(choose(screen, "chinese_radio", "numeric_radio", "Maxim_Word"), browser);
        QCOMPARE(shown(browser), read[0]);
        // Closed and opened again, the window tells of each focus move once.
        QVERIFY(QTest::qWaitForWindowActive(browser));
        QSignalSpy focus_moves(qApp, &QGuiApplication::focusObjectChanged);
        browser->findChild<QWidget *>("text_edit")->setFocus();
        browser->findChild<QWidget *>("next_button")->setFocus();
        QCOMPARE(focus_moves.size(), 2);
        QVERIFY(!enabled(browser, "back_button") && enabled(browser, "next_button"));

        // The Japanese browser keeps its place when closed.
        browser = choose(screen, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
        QCOMPARE(placed(browser), QRect(630, 220, 500, 380));
        QCOMPARE(shown(browser), "No=0|1.Omoitukuhito|Hitto gaderuto");
        for (int n = 1; n < 40; ++n)
            press(browser, "next_button");
        QCOMPARE(shown(browser), "No=39|40Hito ga jibunn kara|Seikousiteru hito ha");
        QVERIFY(!enabled(browser, "next_button"));
        output.take_lines();
        press(browser, "back_button");
        QCOMPARE(output.take_lines().mid(2), QStringList({"i2=38"}));
        press(browser, "close_button");
        QCOMPARE(choose(screen, "japanese_radio", "numeric_radio", "Maxim_Word_Ja"), browser);
        QCOMPARE(shown(browser).section('|', 0, 1), "No=38|39Sippai sitemo");
        QVERIFY(!choose(screen, "close_radio", "random_radio", "Maxim_Word_Rand"));
        QVERIFY(!window_of("Main_Maxim_Screen"));

        browser = choose(screen, "chinese_radio", "random_radio", "Maxim_Word_Rand");
        QCOMPARE(placed(browser), QRect(480, 360, 760, 280));
        QCOMPARE(shown(browser).section('|', 0, 0), QStringLiteral("No=%1").arg(chinese));
        press(browser, "close_button");
        std::srand(seed);
        QCOMPARE(choose(screen, "chinese_radio", "random_radio", "Maxim_Word_Rand"), browser);
        QCOMPARE(shown(browser).section('|', 0, 0), QStringLiteral("No=%1").arg(std::rand() % 64));
        browser = choose(screen, "japanese_radio", "random_radio", "Maxim_Word_Rand_Ja");
        QCOMPARE(browser->size(), QSize(500, 380));
        QCOMPARE(shown(browser).section('|', 0, 0), QStringLiteral("No=%1").arg(japanese));
    }

    // Every window in the system's language, English or Japanese (CTest runs
    // this once with each), the catalogues installed as start-up installs
    // them: the texts are in that language, and every text fits.
    void every_window_speaks_the_language_and_every_text_fits();

    // A seeded storm of user events over the whole program while its clock
    // runs on over days; ZELVANE_SEED and ZELVANE_EVENTS replay a run.
    void random_events();
};

void Tst_Gadget::random_events()
{
    const quint64 seed
        = qEnvironmentVariable("ZELVANE_SEED", QString::number(std::random_device()()))
              .toULongLong();
    const int events = qEnvironmentVariable("ZELVANE_EVENTS", "5000").toInt();
    std::fprintf(stderr, "exerciser: ZELVANE_SEED=%llu ZELVANE_EVENTS=%d\n", seed, events);
    std::mt19937_64 random(seed);
    auto pick = [&](int n) { return n > 0 ? int(random() % quint64(n)) : 0; };
    auto pick_from = [&](const auto &list) { return list.value(pick(list.size())); };

    qint64 now = QDateTime(QDate(2026, 12, 31), QTime(22, 10), Qt::UTC).toSecsSinceEpoch();
    stand_clock_at(QDateTime::fromSecsSinceEpoch(now, Qt::UTC));
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    auto clock = std::make_unique<Date_Time_Screen>();
    clock->show();
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto *countdown = qobject_cast<Alarm_Timer *>(*std::find_if(
        all.begin(), all.end(), [](QWidget *window) { return window->inherits("Alarm_Timer"); }));
    bool chime_armed = false;
    qint64 last_chimed_hour = -1;
    long chimes_rung = 0, event = 0;
    QString failure;
    for (; event < events && failure.isEmpty(); ++event) {
        int expected_chime = 0, kind = pick(8), counted_from = countdown->intValue();
        const QList<QTextEdit *> areas = shown_widgets<QTextEdit>();
        if (kind == 0) { // time runs on; the first seconds of each hour see a tick
            const qint64 hour = (now / 3600 + 1) * 3600;
            now += 1 + pick(40 * 60);
            if (now >= hour) {
                now = hour + pick(3);
                expected_chime = chime_armed ? chime_of_hour[hour / 3600 % 12] : 0;
            }
            stand_clock_at(QDateTime::fromSecsSinceEpoch(now, Qt::UTC));
            now < hour ? QTest::qWait(0)
                       : tick_running_timers(); // the loop runs, deferred deletes too
        } else if (kind == 1) { // up to a minute and a half of ticks in a row
            for (int ticks = 1 + pick(90); ticks > 0; --ticks)
                tick_running_timers();
        } else if (kind == 2) { // a click on a button or radio
            if (QAbstractButton *button = pick_from(shown_widgets<QAbstractButton>()))
                QTest::mouseClick(button, Qt::LeftButton);
        } else if (kind == 3 || kind == 4) { // presses on windows and text areas; the menu opened
            QList<QWidget *> surfaces = shown_widgets<QWidget>(true);
            for (QTextEdit *area : areas)
                surfaces.append(area->viewport());
            QWidget *target = kind == 4 ? clock.get() : pick_from(surfaces);
            const auto button = kind == 4 ? Qt::RightButton : Qt::MouseButton(1 << pick(3));
            static const QTest::MouseAction how[]
                = {QTest::MousePress, QTest::MouseRelease, QTest::MouseDClick, QTest::MouseClick};
            QTest::mouseEvent(how[pick(4)], target, button, {},
                QPoint(pick(target->width()), pick(target->height())));
        } else if (kind == 5 && !areas.isEmpty()) { // typing, selecting, cutting, pasting
            static const int keys[]
                = {Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return};
            const int key = pick(3) ? keys[pick(5)] : (Qt::Key_A + pick(26));
            // No modifier, Shift (1 << 25) or Control (1 << 26).
            QTest::keyClick(pick_from(areas), Qt::Key(key), Qt::KeyboardModifiers(pick(3) << 25));
        } else if (kind == 6) { // the clipboard and the selection: text, empty or cleared
            auto *data = new QMimeData;
            if (pick(3))
                data->setText(pick(2) ? QStringLiteral("maxim %1").arg(event) : QString());
            QGuiApplication::clipboard()->setMimeData(data, QClipboard::Mode(pick(2)));
        } else if (kind == 7) { // a window closed by its title bar, or a list stepped
            QComboBox *list = pick_from(shown_widgets<QComboBox>());
            if (list && pick(2))
                QTest::keyClick(list, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            else if (QWidget *window = pick_from(shown_widgets<QWidget>(true));
                     window != clock.get())
                window->close();
        }
        if (counted_from > 0 && countdown->intValue() == 0)
            rung.removeOne({1}); // the countdown's bell at 0, no hourly chime
        chime_armed = chime_armed || clock->text().count(':') == 2; // "h:m:ss" shown
        // One chime per hour, in its first seconds, of the hour's sound; an hour
        // begun while the chime was armed has its chime there and then.
        const bool chimes_right = rung.isEmpty()
            ? expected_chime == 0
            : rung == QList<QVariantList> {{chime_of_hour[now / 3600 % 12]}} && now % 3600 <= 2
                && now / 3600 != last_chimed_hour;
        if (!rung.isEmpty())
            last_chimed_hour = now / 3600, chimes_rung += rung.size();
        if (!chimes_right)
            failure = QStringLiteral("%1 chimes at %2").arg(rung.size()).arg(now);
        rung.clear();
        if (failure.isEmpty() && !(failure = broken_rule(countdown)).isEmpty())
            failure.prepend(QStringLiteral("after event %1: ").arg(event));
    }
    std::fprintf(stderr, "exerciser: %ld events up to %s, %ld chimes\n", event,
        qPrintable(Time_Source::now().toString()), chimes_rung);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(chime_armed);
}

void Tst_Gadget::every_window_speaks_the_language_and_every_text_fits()
{
    QStringList faults;
    const bool japanese = QLocale::system().language() == QLocale::Japanese;
    const auto in_language = [japanese](const char *english, const char *in_japanese) {
        return QString::fromUtf8(japanese ? in_japanese : english);
    };
    QTranslator toolkit, catalogue;
    Install_Toolkit_Catalogue(toolkit);
    QCOMPARE(Install_Japanese_Catalogue(catalogue), japanese);
    stand_clock_at(QDateTime(QDate(2028, 1, 1), QTime()));
    Date_Time_Screen *clock = nullptr;
    check_fit(open_menu(clock), "menu", faults);
    // Month k + 1 at the hour of period k (23 h for the first): each display in turn.
    for (int step = 0; step < 48; ++step, check_fit(clock, "clock", faults)) {
        stand_clock_at(
            QDateTime(QDate(2028, step / 4 + 1, 28), QTime((step / 4 * 2 + 23) % 24, 59, 59)));
        QTest::mouseClick(clock, Qt::LeftButton);
    }
    for (const char *button : {"calender_button", "timer_button", "version_button",
             "settings_button", "help_button", "omikuji_button", "maxim_button"})
        press(open_menu(clock), button);
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            check_fit(window, window->metaObject()->className(), faults);
    QCOMPARE(qobject_cast<QTextBrowser *>(window_of("Help_Screen"))->documentTitle(),
        in_language("Zelvane help", "ゼルヴァーネのヘルプ"));

    // Each grade in every slot, so any digit drawn shows it.
    auto *config = static_cast<Config_Mini_Omikuji *>(window_of("Config_Mini_Omikuji"));
    Mini_Omikuji *fortune = config->drawing_window();
    for (int grade = 1; grade <= 12; ++grade) {
        fortune->show();
        std::fill_n(fortune->buf_uranai_result, 5, grade);
        press(fortune, "start_stop_button");
        press(fortune, "start_stop_button");
        check_fit(fortune, QStringLiteral("fortune result of grade %1").arg(grade), faults);
        if (!japanese)
            QCOMPARE(texts(fortune, result), fortune_of(grade));
        press(fortune, "close_button");
    }

    press(window_of("Main_Maxim_Screen"), "select_button");
    QWidget *browser = window_of("Maxim_Word");
    for (int entry = 0; entry < 64; ++entry, press(browser, "next_button"))
        check_fit(browser, QStringLiteral("maxim browser at %1").arg(entry), faults);
    QWidget *japanese_maxims = choose(clock, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
    for (int entry = 0; entry < 40; ++entry, press(japanese_maxims, "next_button"))
        check_fit(
            japanese_maxims, QStringLiteral("Japanese maxim browser at %1").arg(entry), faults);
    // The toolkit's own texts, as in a text area's right-click menu.
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Undo"),
        in_language("&Undo", "元に戻す(&U)"));
    // One Japanese term for each glossary term: none of the renderings it
    // rules out in the catalogue or in the Japanese help pages.
    QString japanese_texts = read_file(ZELVANE_SOURCE_DIR "/translations/zelvane_ja.ts");
    const QDir pages(ZELVANE_SOURCE_DIR "/data/html/ja");
    for (const QString &page : pages.entryList({"*.html"}))
        japanese_texts += read_file(pages.filePath(page));
    const QString glossary = read_file(ZELVANE_SOURCE_DIR "/translations/glossary.tsv");
    QVERIFY(glossary.contains(QString::fromUtf8("Close\t閉じる\t")));
    for (const QString &line : glossary.split('\n'))
        for (const QString &ruled_out : line.section('\t', 2).split(',', Qt::SkipEmptyParts))
            if (!line.startsWith('#') && japanese_texts.contains(ruled_out))
                faults << ruled_out + " is used for " + line.section('\t', 0, 0)
                        + ", which the glossary renders " + line.section('\t', 1, 1);
    qWarning().noquote() << faults.join('\n');
    QVERIFY2(faults.isEmpty(),
        "texts that do not fit, stay in English or break the glossary are listed above");
}

QTEST_MAIN(Tst_Gadget)
#include "tst_gadget.moc"
