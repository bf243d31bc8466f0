// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLATFORM_CHOICE_H
#define PLATFORM_CHOICE_H

#include <QByteArray>

class QProcessEnvironment;

// The window-system plugin the clock must start on, or empty to leave the
// choice to Qt. A native Wayland window can neither keep its place nor stay
// on top, so where an X server runs beside Wayland (XWayland) the clock uses
// it, unless the user chose a platform through QT_QPA_PLATFORM. The result is
// a list in QT_QPA_PLATFORM's form, tried in order.
QByteArray choose_platform(const QProcessEnvironment &environment);

#endif // PLATFORM_CHOICE_H
