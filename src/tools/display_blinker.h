// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DISPLAY_BLINKER_H
#define DISPLAY_BLINKER_H

#include <QObject>

class QEvent;
class QTimer;
class QWidget;

// Makes a display blink by swapping its foreground and background colours,
// until the next mouse press on it or until a time limit has passed. The
// press itself still reaches the display.
class Display_Blinker : public QObject
{
    Q_OBJECT

public:
    explicit Display_Blinker(QWidget *display);

    void start();
    void stop();

    // The program keeps these; tests shorten them so a blink takes no time.
    static int swap_interval_ms;
    static int limit_ms;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void swap_colours();

    QWidget *display = nullptr;
    QTimer *blink_timer = nullptr;
    QTimer *limit_timer = nullptr;
    bool inverted = false;
};

#endif // DISPLAY_BLINKER_H
