// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef X_DISPLAY_H
#define X_DISPLAY_H

#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <optional>

// A private X server (Xvfb), optionally with a window manager, on which the
// real program runs as a user would see it. Windows are found with xwininfo
// and clicked with xdotool.
class X_Display
{
public:
    struct Window
    {
        QString id;
        QString title;
        QRect geometry; // position on the screen and size, frame excluded
    };

    X_Display() = default;
    ~X_Display();

    X_Display(const X_Display &) = delete;
    X_Display &operator=(const X_Display &) = delete;

    // False, with a reason in error(), when Xvfb or its tools are missing.
    bool start(bool with_window_manager = false);
    QString error() const { return failure; }
    QString name() const { return display_name; }

    // The environment for a program on this display.
    QProcessEnvironment environment() const;

    // Visible top-level windows.
    QList<Window> windows() const;
    std::optional<Window> wait_for_window(const QString &title, int timeout_ms = 10000) const;
    bool wait_until_gone(const QString &title, int timeout_ms = 10000) const;

    void click(const QPoint &screen_position, int button = 1) const;
    bool screenshot(const QString &png_path) const;

private:
    QString run_tool(const QString &program, const QStringList &arguments) const;

    QProcess server;
    QProcess window_manager;
    QString display_name;
    QString failure;
};

#endif // X_DISPLAY_H
