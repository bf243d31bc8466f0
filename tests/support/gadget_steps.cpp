// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_steps.h"

#include "program_run.h"

#include <QLayout>
#include <QWidget>

std::optional<X_Display::Window> start_at_the_clock(
    const X_Display &display, Program_Run &program, const QString &lang)
{
    QProcessEnvironment env = display.environment();
    env.insert(QStringLiteral("LANG"), lang);
    env.remove(QStringLiteral("LC_ALL"));
    if (!program.start(env))
        return std::nullopt;
    const QString title = lang.startsWith(QLatin1String("ja"))
        ? QStringLiteral("ゼルヴァーネ(時計+)")
        : QStringLiteral("Zelvane(Clock+)");
    return display.wait_for_window(title);
}

std::optional<X_Display::Window> open_feature_menu(
    const X_Display &display, const X_Display::Window &clock)
{
    display.click(clock.geometry.center(), 3);
    return display.wait_for_window(QStringLiteral("Right click menu"));
}

QPoint centre_in_window(QWidget &window, const QString &object_name)
{
    window.show();
    if (window.layout())
        window.layout()->activate();
    auto *child = window.findChild<QWidget *>(object_name);
    const QPoint centre = child ? child->mapTo(&window, child->rect().center()) : QPoint(-1, -1);
    window.hide();
    return centre;
}
