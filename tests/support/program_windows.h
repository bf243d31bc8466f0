// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAM_WINDOWS_H
#define PROGRAM_WINDOWS_H

class Date_Time_Screen;
class QRect;
class QString;
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

// Takes down the clocks a test made, and with them every window of theirs.
void delete_program_windows();

#endif // PROGRAM_WINDOWS_H
