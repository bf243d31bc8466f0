// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zelvane_test.h"

namespace {
// Where the clock opens, by the screen's width; the frame is 2 pixels of the
// screen on every side.
const QMap<int, QPoint> clock_at {
    {1280, {790, 640}}, {1024, {790, 640}}, {800, {576, 556}}, {640, {418, 470}}};

// The window lies wholly on the screen; where its designed place beside the
// clock (given for the clock at 790, 640) and its size fit, it has them.
void check_place(QWidget *window, const QPoint &designed, const QSize &size = {})
{
    QVERIFY(window);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    QVERIFY2(area.contains(frame), window->metaObject()->className());
    const QPoint place = designed + clock_at.value(area.width()) - QPoint(790, 640);
    if (!designed.isNull() && area.contains(frame.translated(place - frame.topLeft())))
        QCOMPARE(window->pos(), place);
    if (size.isValid()
        && area.size().expandedTo(size + frame.size() - window->size()) == area.size())
        QCOMPARE(window->size(), size);
}

QPoint point(const QString &text)
{
    return text.isEmpty() ? QPoint()
                          : QPoint(text.section(',', 0, 0).toInt(), text.section(',', 1).toInt());
}
} // namespace

// The windows on the screen. CTest runs this program on screens of 1280x1024
// (every window at its designed place), 1024x768, 800x600 and 1280x1024 at
// QT_SCALE_FACTOR=2: every window opened from the menu lies wholly on the
// screen, at its place beside the clock where it fits, and opens there again.
class Tst_Screens : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    // Window, the menu's button that opens it (none: the right click), title,
    // place (none: where the window system puts it), size (none: its own),
    // kept on top.
    void menu_windows_data()
    {
        table_data(R"(
Right_Menu||Right click menu|660,475|260x168|1
Calender_Show|calender_button||900,120||1
Main_Maxim_Screen|maxim_button|Select maxim menu|560,400||0
Alarm_Timer|timer_button|Alrm Timer screen|660,545|200x60|1
Config_Mini_Omikuji|omikuji_button|Zelvane Uranai Config|500,420|400x200|0
Help_Screen|help_button|How to use screen||460x560|1
Version_Screen|version_button|Version screen|530,460|400x210|0
Settings_Screen|settings_button|Settings|560,380||0)");
    }
    void menu_windows()
    {
        QFETCH(QStringList, row);
        Date_Time_Screen *clock = nullptr;
        for (int visit = 1; visit <= 2; ++visit) {
            QWidget *menu = open_menu(clock);
            QCOMPARE(clock->pos(), clock_at.value(clock->screen()->availableGeometry().width()));
            if (!row[1].isEmpty()) {
                press(menu, row[1]);
                QVERIFY(!window_of("Right_Menu"));
            }
            QWidget *window = window_of(qPrintable(row[0]));
            QVERIFY2(window, qPrintable(QStringLiteral("visit %1").arg(visit)));
            QCOMPARE(window->windowTitle(), row[2]);
            QCOMPARE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), row[5] == "1");
            const QStringList size = row[4].split('x');
            check_place(window, point(row[3]),
                size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize());
            window->close();
        }
    }

    // The maxim browsers and the fortune drawing, and its result.
    void maxims_and_fortune()
    {
        Date_Time_Screen *clock = nullptr;
        check_place(
            choose_maxims(clock, "japanese_radio", "numeric_radio", "Maxim_Word_Ja"), {630, 220});
        check_place(
            choose_maxims(clock, "chinese_radio", "numeric_radio", "Maxim_Word"), {480, 360});
        press(open_menu(clock), "omikuji_button");
        QWidget *config = window_of("Config_Mini_Omikuji");
        for (int row = 1; row <= 5; ++row)
            press(config, QStringLiteral("row_input_button_%1").arg(row));
        press(config, "check_button");
        press(config, "next_button");
        QWidget *drawing = window_of("Mini_Omikuji");
        check_place(drawing, {500, 520});
        press(drawing, "start_stop_button");
        press(drawing, "start_stop_button");
        check_place(drawing, {500, 460}); // grown to show the fortune
    }
};

QTEST_MAIN(Tst_Screens)
#include "tst_screens.moc"
