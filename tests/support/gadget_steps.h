// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GADGET_STEPS_H
#define GADGET_STEPS_H

#include "x_display.h"

#include <QPoint>
#include <QString>
#include <optional>

class Program_Run;
class QWidget;

// The steps every test of the real program begins with, as a user takes them.

// Starts the program on the display with this LANG and waits for its clock.
std::optional<X_Display::Window> start_at_the_clock(const X_Display &display, Program_Run &program,
    const QString &lang = QStringLiteral("C.UTF-8"));

// Right-clicks the clock and waits for the feature menu.
std::optional<X_Display::Window> open_feature_menu(
    const X_Display &display, const X_Display::Window &clock);

// Where a named child's centre lies in its window, read from the same window
// laid out here offscreen (the real program lays it out alike); (-1, -1) if
// the window has no such child.
QPoint centre_in_window(QWidget &window, const QString &object_name);

#endif // GADGET_STEPS_H
