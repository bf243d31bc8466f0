// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_time_screen.h"

#include "chime_bank.h"
#include "right_menu.h"
#include "time_names.h"
#include "time_source.h"

#include <QDate>
#include <QFont>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

namespace {
// Refresh ticks are kept a little after each whole second: a tick that comes
// a few milliseconds early or late then still reads the next second, never the
// same one twice or one too far.
constexpr int tick_phase_ms = 100;
constexpr int earliest_phase_ms = 60;
constexpr int latest_phase_ms = 600;
constexpr int refresh_interval_ms = 1000;
} // namespace

Date_Time_Screen::Date_Time_Screen(QWidget *parent) : QLabel(parent)
{
    font_family = QString();
    disp_time = QTime();
    buf_click_flag = 0;
    move(790, 640);
    right_menu = new Right_Menu(nullptr);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    setCursor(Qt::PointingHandCursor);
    setWindowTitle(tr("Zelvane(Clock+)"));

    change_timer = new QTimer(this);
    change_timer->setObjectName(QStringLiteral("change_timer"));
    change_timer->setTimerType(Qt::PreciseTimer);
    connect(change_timer, &QTimer::timeout, this, &Date_Time_Screen::change_time);
    change_timer->start(refresh_interval_ms);

    disp_time = Time_Source::now().time();

    // An empty family stands for the toolkit's default family. Left empty in
    // the font itself, the font matcher would take any face that has the
    // weight, often a serif one.
    QFont clock_font = font_family.isEmpty() ? QFont() : QFont(font_family);
    clock_font.setPointSize(24);
    clock_font.setWeight(QFont::Black);
    setAlignment(Qt::AlignHCenter);
    setFont(clock_font);

    change_time();

    setTextFormat(Qt::AutoText);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    jiho_timer = new QTimer(this);
    jiho_timer->setObjectName(QStringLiteral("jiho_timer"));
    jiho_timer->setTimerType(Qt::PreciseTimer);
}

// The menu is a window of its own, with no parent: it goes with the clock.
Date_Time_Screen::~Date_Time_Screen()
{
    delete right_menu;
}

void Date_Time_Screen::change_time()
{
    const QDateTime now = Time_Source::now();
    disp_time = now.time();
    const QDate today = now.date();
    keep_refresh_after_whole_second(disp_time.msec());

    switch (buf_click_flag % 4) {
    case 0:
        setFixedSize(220, 40);
        setText(today.toString(tr("yyyy.M.d")));
        setToolTip(tr(Time_Names::month_traditional(today.month())));
        break;
    case 1:
        setText(tr(Time_Names::month_traditional(today.month())));
        setToolTip(tr(Time_Names::month_english(today.month())));
        break;
    case 2:
        setFixedSize(200, 40);
        setText(disp_time.toString(tr("h:m:ss")));
        setToolTip(tr(Time_Names::period(disp_time)));
        connect(jiho_timer, &QTimer::timeout, this, &Date_Time_Screen::jiho_check,
            Qt::UniqueConnection);
        jiho_timer->start(1000);
        break;
    case 3:
        setFixedSize(160, 40);
        setToolTip(now.time().toString(tr("h:m")));
        setText(tr(Time_Names::period(now.time())));
        break;
    }
}

void Date_Time_Screen::keep_refresh_after_whole_second(int msec)
{
    if (msec < earliest_phase_ms || msec > latest_phase_ms) {
        change_timer->start(refresh_interval_ms - msec + tick_phase_ms);
    } else if (change_timer->interval() != refresh_interval_ms) {
        // Back on phase after a correction: restart the regular interval from here.
        change_timer->start(refresh_interval_ms);
    }
}

void Date_Time_Screen::jiho_check()
{
    const int sound = chime_schedule.sound_due(Time_Source::now());
    if (sound == 0)
        return;
    Chime_Bank::ring(sound);
    std::printf("jiho check ok\n");
}

void Date_Time_Screen::mousePressEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        ++buf_click_flag;
        std::printf("buf_click_flag=%d\n", buf_click_flag % 4);
        change_time();
        break;
    case Qt::RightButton:
        right_menu->show();
        break;
    default:
        break;
    }
}
