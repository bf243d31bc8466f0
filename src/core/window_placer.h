// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOW_PLACER_H
#define WINDOW_PLACER_H

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QScreen;
class QTimer;
class QWidget;

// Keeps every window of the program wholly on a screen, watching them all from
// the application. A window opens at the place it was given, moved as far as
// the clock has been moved from its own place, inside the screen that holds
// the clock; a window larger than that screen is made smaller. Whenever a
// screen comes, goes or changes its size, every window shown is brought inside
// the screen nearest to it. Where a window fits, it is left where it is.
class Window_Placer : public QObject
{
    Q_OBJECT

public:
    // From now on every window is placed around this clock, whose place now
    // is its home.
    static void follow(QWidget *clock);
    static QPoint clock_home();
    // The clock at its home again, brought on screen.
    static void put_clock_back();

    // The place nearest to frame inside area, of frame's size cut to the area's.
    static QRect fitted(const QRect &frame, const QRect &area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Window_Placer(QObject *parent);
    QPoint clock_shift() const;
    void place(QWidget *window);
    void fit(QWidget *window, const QPoint &at, QScreen *screen);
    void fit_every_window();
    void watch(QScreen *screen);

    QPointer<QWidget> clock;
    QPoint home;
    QTimer *screens_changed = nullptr;
    bool placing = false;
};

#endif // WINDOW_PLACER_H
