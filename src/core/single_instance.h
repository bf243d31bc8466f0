// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SINGLE_INSTANCE_H
#define SINGLE_INSTANCE_H

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QProcessEnvironment;

// One clock per user and display. The first copy listens on a local socket
// named after the user and the display, in the user's runtime folder; a later
// copy connects to it, which asks the first copy to show its clock, and ends.
class Single_Instance : public QObject
{
    Q_OBJECT

public:
    // display: as display_of() gives it; empty means no display shared with
    // other copies, and then every copy runs.
    explicit Single_Instance(const QString &display, QObject *parent = nullptr);

    // True when this copy is to run: no other copy is there, or there is no
    // display to share. False when another copy was found and asked to show.
    bool claim();

    // The display a copy on this platform shows on: the X display (the
    // -display option or DISPLAY), the Wayland display, or the platform's
    // name for a platform of one screen. Empty for the offscreen and minimal
    // platforms, whose windows no one shares.
    static QString display_of(const QString &platform, const QStringList &arguments,
        const QProcessEnvironment &environment);

signals:
    // Another copy was started on this display.
    void show_requested();

private:
    QString path;
    QLocalServer *server = nullptr;
};

#endif // SINGLE_INSTANCE_H
