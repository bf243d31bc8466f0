// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOW_KEYS_H
#define WINDOW_KEYS_H

#include <QObject>
#include <QPalette>

class QWidget;

// What the keyboard does in every window of the program. Esc closes a window
// as the close button of its title bar does, unless the widget with the focus,
// or the window itself, has a use of its own for Esc (a list that is open, a
// year being typed into the calendar). The focus is shown while the keyboard is
// in use, also in a window that opens from a key, until the next mouse press.
class Window_Keys : public QObject
{
    Q_OBJECT

public:
    // Watches the whole application while it lives.
    explicit Window_Keys(QObject *parent = nullptr);

    // For a display that paints itself, or a flat button, which the style
    // draws without its focus: a ring inside its frame while it has the focus
    // and the keyboard is in use.
    static void Paint_Focus_Ring(
        QWidget *display, QPalette::ColorRole colour = QPalette::Highlight);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyboard_in_use = false;
};

#endif // WINDOW_KEYS_H
