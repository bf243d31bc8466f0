// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_placer.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
QPointer<Window_Placer> the_placer;

// How far the clock had been moved when the window was last given its place:
// a place the program gives a window is meant for the clock at home.
const char shift_property[] = "zelvane_clock_shift";
const char shown_property[] = "zelvane_shown";

// The program's own windows, not its menus, lists and tooltips, which the
// toolkit keeps on screen itself, nor dialogs placed over their window.
bool is_placed(QObject *object)
{
    if (!object->isWidgetType())
        return false;
    const auto *widget = static_cast<QWidget *>(object);
    return widget->isWindow() && !widget->parentWidget()
        && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog);
}

// The screen that holds most of the rectangle; if none holds any of it, the
// one nearest to its centre.
QScreen *nearest_screen(const QRect &rect)
{
    QScreen *nearest = nullptr;
    qint64 most_held = -1, least_distance = 0;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry(), held = area.intersected(rect);
        const qint64 overlap = held.isEmpty() ? 0 : qint64(held.width()) * held.height();
        const QPoint centre = rect.center();
        const QPoint closest(qBound(area.left(), centre.x(), area.right()),
            qBound(area.top(), centre.y(), area.bottom()));
        const qint64 distance = (closest - centre).manhattanLength();
        if (overlap > most_held || (overlap == most_held && distance < least_distance)) {
            nearest = screen;
            most_held = overlap;
            least_distance = distance;
        }
    }
    return nearest;
}

QMargins frame_of(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}
} // namespace

Window_Placer::Window_Placer(QObject *parent) : QObject(parent)
{
    screens_changed = new QTimer(this);
    screens_changed->setSingleShot(true);
    screens_changed->setInterval(0);
    connect(screens_changed, &QTimer::timeout, this, &Window_Placer::fit_every_window);
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watch(screen);
        screens_changed->start();
    });
    connect(qApp, &QGuiApplication::screenRemoved, screens_changed, qOverload<>(&QTimer::start));
    qApp->installEventFilter(this);
}

void Window_Placer::follow(QWidget *clock)
{
    if (!the_placer)
        the_placer = new Window_Placer(qApp);
    the_placer->clock = clock;
    the_placer->home = clock->pos();
}

QPoint Window_Placer::clock_home()
{
    return the_placer ? the_placer->home : QPoint();
}

void Window_Placer::put_clock_back()
{
    if (the_placer && the_placer->clock) {
        QWidget *clock = the_placer->clock;
        const QRect frame(the_placer->home, clock->frameGeometry().size());
        the_placer->fit(clock, frame.topLeft(), nearest_screen(frame));
    }
}

QRect Window_Placer::fitted(const QRect &frame, const QRect &area)
{
    const QSize size = frame.size().boundedTo(area.size());
    return QRect(QPoint(qBound(area.left(), frame.left(), area.right() + 1 - size.width()),
                     qBound(area.top(), frame.top(), area.bottom() + 1 - size.height())),
        size);
}

void Window_Placer::watch(QScreen *screen)
{
    connect(
        screen, &QScreen::availableGeometryChanged, screens_changed, qOverload<>(&QTimer::start));
}

QPoint Window_Placer::clock_shift() const
{
    return clock ? clock->pos() - home : QPoint();
}

// Shown: placed. Moved by the program: its new place is meant for the clock at
// home, placed at once if the window is shown. Moved by the user or the window
// system: kept where it is, relative to the clock as it is now. Made larger by
// the program while shown: brought on screen. The clock itself is placed only
// when it is shown, and its moves and sizes are its own.
bool Window_Placer::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize) || placing
        || !is_placed(watched))
        return false;
    auto *window = static_cast<QWidget *>(watched);
    if (type == QEvent::Show) {
        place(window);
    } else if (window == clock) {
        return false;
    } else if (event->spontaneous()) {
        if (type == QEvent::Move)
            window->setProperty(shift_property, clock_shift());
    } else {
        if (type == QEvent::Move)
            window->setProperty(shift_property, QPoint());
        if (window->isVisible())
            place(window);
    }
    return false;
}

void Window_Placer::place(QWidget *window)
{
    // A window moved before it had a frame has its place settled by Qt only as
    // it maps, or when its size constraints change: a change back and forth
    // settles it now, so that its place is the one the program gave it.
    if (!window->property(shown_property).toBool()) {
        const QSize step = window->sizeIncrement();
        window->setSizeIncrement(step + QSize(1, 1));
        window->setSizeIncrement(step);
    }
    QPoint at = window->pos();
    QScreen *screen = nullptr;
    if (window != clock) {
        if (window->testAttribute(Qt::WA_Moved))
            at += clock_shift() - window->property(shift_property).toPoint();
        if (clock && clock->isVisible())
            screen = nearest_screen(clock->frameGeometry());
    }
    if (!screen)
        screen = nearest_screen(QRect(at, window->size().grownBy(frame_of(window))));
    fit(window, at, screen);
    window->setProperty(shown_property, true);
}

void Window_Placer::fit(QWidget *window, const QPoint &at, QScreen *screen)
{
    if (!screen)
        return;
    const QMargins frame = frame_of(window);
    const QRect wanted(at, window->size().grownBy(frame));
    const QRect fit = fitted(wanted, screen->availableGeometry());
    placing = true;
    if (fit.size() != wanted.size()) {
        const QSize inside = fit.size().shrunkBy(frame);
        window->setMinimumSize(window->minimumSize().boundedTo(inside));
        window->setMaximumSize(window->maximumSize().boundedTo(inside));
        window->resize(inside);
    }
    // A window the program never placed is left to the window system where it fits.
    if (window->testAttribute(Qt::WA_Moved) || fit.topLeft() != wanted.topLeft())
        window->move(fit.topLeft());
    placing = false;
    if (window != clock)
        window->setProperty(shift_property, clock_shift());
}

void Window_Placer::fit_every_window()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && is_placed(window))
            fit(window, window->pos(), nearest_screen(window->frameGeometry()));
}
