// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef X_DISPLAY_H
#define X_DISPLAY_H

#include <QList>
#include <QProcess>
#include <QRect>
#include <optional>

// A private X server (Xvfb) on which the real program runs as a user would see
// it. Windows are found with xwininfo and clicked with xdotool.
class X_Display
{
public:
    struct Window
    {
        QString id;
        QString title;
        QRect geometry; // on the screen, frame excluded
    };

    ~X_Display();

    // False, with a reason in error(), when Xvfb did not start.
    bool start();
    QString error() const { return failure; }
    QProcessEnvironment environment() const;

    QList<Window> windows() const; // the visible top-level ones
    std::optional<Window> wait_for_window(const QString &title, int timeout_ms = 10000) const;
    void click(const QPoint &screen_position, int button = 1) const;

private:
    QString run(const QString &program, const QStringList &arguments) const;

    QProcess server;
    QString display_name;
    QString failure;
};

#endif // X_DISPLAY_H
