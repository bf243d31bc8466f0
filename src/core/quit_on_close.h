// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef QUIT_ON_CLOSE_H
#define QUIT_ON_CLOSE_H

#include <QObject>

class QWidget;

// Closing the program's main window ends the program, and every other window
// with it, as closing a main window does. Without this, the feature windows,
// being windows of their own, would keep a program running with no clock.
class Quit_On_Close : public QObject
{
    Q_OBJECT

public:
    explicit Quit_On_Close(QWidget *main_window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void end_if_closed();

    QWidget *main_window = nullptr;
};

#endif // QUIT_ON_CLOSE_H
