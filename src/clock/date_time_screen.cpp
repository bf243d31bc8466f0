// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/date_time_screen.h"

#include "clock/time_names.h"
#include "core/chime_bank.h"
#include "core/focus_link_guard.h"
#include "core/settings.h"
#include "core/time_source.h"
#include "core/window_keys.h"
#include "core/window_placer.h"
#include "menu/right_menu.h"

#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyleOptionFrame>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace {
constexpr int clock_points = 24;

// The displays a left click steps through, in this order, then round again.
enum Display { date_display, month_name_display, time_display, period_name_display, display_count };

// Each display wakes just after the moment its text or tooltip changes, never
// before it: the time display at every second, the others at every minute
// (midnight, the odd hours and the period display's h:m all fall on one). A
// minute is also the longest a display stays wrong after a suspend, a clock
// step or a new time zone.
constexpr int tick_phase_ms = 2;
constexpr int second_ms = 1000;
constexpr int minute_ms = 60 * second_ms;
constexpr int hour_ms = 60 * minute_ms;
// The chime timer counts on the monotonic clock, the hour on the wall clock:
// within this much of each other they are taken to agree.
constexpr int chime_slack_ms = 50;
// A chime is loaded this long before its hour, so it starts on time.
constexpr int chime_preload_ms = 90 * second_ms;

qint64 msecs_to_next(const QDateTime &now, int period_ms)
{
    return period_ms - now.time().msecsSinceStartOfDay() % period_ms + tick_phase_ms;
}
} // namespace

Date_Time_Screen::Date_Time_Screen(QWidget *parent)
    : QLabel(parent), text_fitter(this, clock_points)
{
    move(790, 640);
    // Every window is placed around the clock, from its designed place.
    Window_Placer::follow(this);
    if (const auto moved_to = Settings::current().clock_position())
        move(*moved_to);
    right_menu = new Right_Menu(nullptr);
    new Focus_Link_Guard(this); // for every window of the program
    new Window_Keys(this); // likewise
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(tr("Zelvane(Clock+)"));

    change_timer = new QTimer(this);
    change_timer->setObjectName(QStringLiteral("change_timer"));
    change_timer->setTimerType(Qt::PreciseTimer);
    change_timer->setSingleShot(true);
    connect(change_timer, &QTimer::timeout, this, &Date_Time_Screen::change_time);
    change_timer->start(second_ms);

    disp_time = Time_Source::now().time();

    // font_family is empty: the toolkit's default family, which a default font
    // already has. Handed an empty family, the font matcher would take any
    // face that has the weight, often a serif one.
    QFont clock_font;
    clock_font.setPointSize(clock_points);
    clock_font.setWeight(QFont::Black);
    // Centred both ways: a name set smaller to fit sits in the middle.
    setAlignment(Qt::AlignCenter);
    setFont(clock_font);

    setTextFormat(Qt::AutoText);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    change_time();

    jiho_timer = new QTimer(this);
    jiho_timer->setObjectName(QStringLiteral("jiho_timer"));
    jiho_timer->setTimerType(Qt::PreciseTimer);
    jiho_timer->setSingleShot(true);
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

    switch (buf_click_flag % display_count) {
    case date_display:
        setFixedSize(220, 40);
        setText(today.toString(tr("yyyy.M.d")));
        show_tip(tr(Time_Names::month_traditional(today.month())));
        break;
    case month_name_display:
        setText(tr(Time_Names::month_traditional(today.month())));
        show_tip(tr(Time_Names::month_english(today.month())));
        break;
    case time_display:
        setFixedSize(200, 40);
        setText(disp_time.toString(tr("h:m:ss")));
        show_tip(tr(Time_Names::period(disp_time)));
        connect(jiho_timer, &QTimer::timeout, this, &Date_Time_Screen::jiho_check,
            Qt::UniqueConnection);
        chime_started = true;
        break;
    case period_name_display:
        setFixedSize(160, 40);
        show_tip(now.time().toString(tr("h:m")));
        setText(tr(Time_Names::period(now.time())));
        break;
    }
    // Long names (and CJK text, taller than the window) take a smaller size;
    // the window keeps its size, which may not have reached the window system yet.
    // Measuring is most of a refresh's work, and only a text that may take
    // another size needs it.
    text_fitter.fit(maximumSize());
    plan_next_refresh(now);
}

// The label tells a screen reader of each new text itself; the tooltip, read
// as the description, is told here, and only when it changes.
void Date_Time_Screen::show_tip(const QString &tip)
{
    if (tip == toolTip())
        return;
    setToolTip(tip);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void Date_Time_Screen::plan_next_refresh(const QDateTime &now)
{
    const qint64 next_ms = msecs_to_next(
        now, buf_click_flag % display_count == time_display ? second_ms : minute_ms);
    change_timer->start(next_ms);
    if (chime_started)
        keep_chime_on_the_hour(now, next_ms);
}

// The chime timer wakes only for the full hour. Every refresh checks it
// against the wall clock, so a step of the clock moves it to the right hour
// within a minute (within a second while the time is shown).
void Date_Time_Screen::keep_chime_on_the_hour(const QDateTime &now, qint64 next_refresh_ms)
{
    const qint64 to_hour_ms = msecs_to_next(now, hour_ms);
    if (to_hour_ms <= chime_preload_ms)
        Chime_Bank::prepare(Time_Names::chime_sound(now.addMSecs(to_hour_ms).time().hour()));

    const int remaining_ms = jiho_timer->remainingTime();
    // Due now: it fires in this same wake-up, and its check plans the next hour.
    if (jiho_timer->isActive() && remaining_ms <= chime_slack_ms)
        return;
    // The clock was stepped into the first seconds of an hour not rung yet.
    if (chime_schedule.is_due(now)) {
        jiho_timer->start(0);
        return;
    }
    // The hour comes with the next refresh: both share that one wake-up.
    if (qAbs(to_hour_ms - next_refresh_ms) <= chime_slack_ms) {
        jiho_timer->start(next_refresh_ms);
        return;
    }
    if (!jiho_timer->isActive() || qAbs(remaining_ms - to_hour_ms) > chime_slack_ms)
        jiho_timer->start(to_hour_ms);
}

void Date_Time_Screen::jiho_check()
{
    const QDateTime now = Time_Source::now();
    const int sound = chime_schedule.sound_due(now);
    if (sound != 0) {
        // An hour the user silenced counts as struck all the same.
        if (Settings::current().chime_heard_at(now.time()))
            Chime_Bank::ring(sound);
        std::printf("jiho check ok\n");
    }
    if (chime_started)
        keep_chime_on_the_hour(now, change_timer->remainingTime());
}

// A new text repaints only the inside of the frame. The frame, clipped away
// then, is left undrawn: drawing it was the costliest part of such a paint.
void Date_Time_Screen::paintEvent(QPaintEvent *event)
{
    frame_clipped_away = contentsRect().contains(event->rect());
    QLabel::paintEvent(event);
    frame_clipped_away = false;
    Window_Keys::Paint_Focus_Ring(this);
}

void Date_Time_Screen::initStyleOption(QStyleOptionFrame *option) const
{
    QLabel::initStyleOption(option);
    if (frame_clipped_away)
        option->frameShape = QFrame::NoFrame;
}

// A left click steps the display when the button is released: until then it
// may yet become a drag, which must not step it.
void Date_Time_Screen::mousePressEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        left_pressed = true;
        dragging = false;
        press_at = event->globalPosition().toPoint();
        place_at_press = pos();
        break;
    case Qt::RightButton:
        right_menu->show();
        break;
    default:
        break;
    }
}

void Date_Time_Screen::mouseMoveEvent(QMouseEvent *event)
{
    if (!left_pressed || !event->buttons().testFlag(Qt::LeftButton))
        return;
    const QPoint moved = event->globalPosition().toPoint() - press_at;
    if (!dragging && moved.manhattanLength() < QApplication::startDragDistance())
        return;
    if (!dragging)
        setCursor(Qt::ClosedHandCursor);
    dragging = true;
    move(place_at_press + moved);
}

void Date_Time_Screen::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !std::exchange(left_pressed, false))
        return;
    if (dragging) {
        dragging = false;
        setCursor(Qt::PointingHandCursor);
        Settings::current().set_clock_position(pos());
        return;
    }
    step_display();
}

// The keys are the same in every language. A key held down acts once, as a
// click does.
void Date_Time_Screen::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            step_display();
    } else if (key == Qt::Key_Menu
        || (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        // The keyboard goes where the menu opens, also to a menu left open.
        right_menu->show();
        right_menu->activateWindow();
    } else if (key != Qt::Key_Escape) {
        QLabel::keyPressEvent(event);
        return;
    }
    // Esc is taken too, and does nothing: it would close the clock, and with
    // it the program.
    event->accept();
}

void Date_Time_Screen::step_display()
{
    ++buf_click_flag;
    std::printf("buf_click_flag=%d\n", buf_click_flag % display_count);
    change_time();
}
