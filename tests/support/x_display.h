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
        QString title;
        QRect geometry; // on the screen, frame excluded
    };

    ~X_Display();

    // False, with the reason on standard error, when Xvfb did not start.
    bool start();
    QProcessEnvironment environment() const;

    std::optional<Window> wait_for_window(const QString &title, int timeout_ms = 10000) const;
    void click(const QPoint &screen_position, int button = 1) const;
    void key(const QString &keys) const;

private:
    QString run(const QString &program, const QStringList &arguments) const;

    QProcess server;
    QString display_name;
};

#endif // X_DISPLAY_H
