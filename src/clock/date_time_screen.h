// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DATE_TIME_SCREEN_H
#define DATE_TIME_SCREEN_H

#include "clock/chime_schedule.h"
#include "core/fit_text.h"

#include <QDateTime>
#include <QLabel>
#include <QPoint>
#include <QString>
#include <QTime>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QStyleOptionFrame;
class QTimer;
class Right_Menu;

// The always-on-top clock: date, month name, time or period name, stepped by a
// left click, Space or Enter; a right click, the Menu key or Shift+F10 opens
// the feature menu. Dragged, it moves, and it opens where it was left. A
// screen reader reads its text as its name and its tooltip as its description.
class Date_Time_Screen : public QLabel
{
    Q_OBJECT

public:
    explicit Date_Time_Screen(QWidget *parent = nullptr);
    ~Date_Time_Screen() override;

public slots:
    void change_time();
    void jiho_check();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void initStyleOption(QStyleOptionFrame *option) const override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void step_display();
    void show_tip(const QString &tip);
    void plan_next_refresh(const QDateTime &now);
    void keep_chime_on_the_hour(const QDateTime &now, qint64 next_refresh_ms);

    QString font_family;
    QTimer *change_timer = nullptr;
    QTime disp_time;
    QTimer *jiho_timer = nullptr;
    int buf_click_flag = 0;
    Right_Menu *right_menu = nullptr;

    Chime_Schedule chime_schedule;
    bool chime_started = false;
    Label_Text_Fitter text_fitter;
    bool frame_clipped_away = false; // while a paint lies wholly inside the frame

    // A left press is a click, or the start of a drag once the mouse has
    // moved the platform's drag distance.
    bool left_pressed = false;
    bool dragging = false;
    QPoint press_at; // on the screen
    QPoint place_at_press;
};

#endif // DATE_TIME_SCREEN_H
