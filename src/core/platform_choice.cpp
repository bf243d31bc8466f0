// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform_choice.h"

#include <QProcessEnvironment>

QByteArray choose_platform(const QProcessEnvironment &environment)
{
    // Qt treats an empty variable as unset, and so does this.
    const auto is_set = [&environment](const char *name) {
        return !environment.value(QLatin1String(name)).isEmpty();
    };
    if (is_set("QT_QPA_PLATFORM") || !is_set("WAYLAND_DISPLAY") || !is_set("DISPLAY"))
        return QByteArray();
    // Wayland stays as the fallback: a DISPLAY left over from an X server that
    // is gone must not stop the clock from starting.
    return QByteArrayLiteral("xcb;wayland");
}
