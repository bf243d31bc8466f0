// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_WINDOWS_H
#define PROGRAM_WINDOWS_H

#include <QRect>
#include <QStringList>

class Date_Time_Screen;
class QWidget;

// The visible window of a class of the program, or null if there is none or,
// which must never be, more than one.
QWidget *window_of(const char *class_name);

// Where the window was placed and its size (offscreen, geometry() leaves out
// a frame).
QRect placed(const QWidget *window);

// A right click on the clock (built and shown first if screen is null), as a
// user opens the feature menu; returns the menu.
QWidget *open_menu(Date_Time_Screen *&screen);

// A left click on a window's button, found by its object name.
void press(QWidget *window, const QString &button);

// The texts of a window's named labels, buttons and text areas, joined by
// '|'; names the window does not have are left out.
QString texts(const QWidget *window, const QStringList &names);

// Takes down the clocks a test made, and with them every window of theirs.
void delete_program_windows();

#endif // PROGRAM_WINDOWS_H
