// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcessEnvironment>
#include <QStringList>
#include <cstdio>
#include <unistd.h>

namespace {
// Local sockets answer at once; these only bound a copy that hangs.
constexpr int lock_wait_ms = 5000;
constexpr int socket_wait_ms = 2000;
} // namespace

Single_Instance::Single_Instance(const QString &display, QObject *parent) : QObject(parent)
{
    if (display.isEmpty())
        return;
    // Without a runtime folder the socket goes to the shared temporary folder,
    // where the user's number keeps users apart.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    QString name = QStringLiteral("zelvane-%1-%2").arg(::getuid()).arg(display);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    path = QDir(folder).filePath(name);
}

bool Single_Instance::claim()
{
    if (path.isEmpty())
        return true;
    // Two copies started at once must not both find no one and both listen.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(lock_wait_ms);

    QLocalSocket first;
    first.connectToServer(path);
    if (first.waitForConnected(socket_wait_ms)) {
        first.disconnectFromServer();
        return false;
    }
    // Nothing answers: a socket left by a copy that crashed goes.
    QLocalServer::removeServer(path);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *other = server->nextPendingConnection()) {
            other->disconnectFromServer();
            other->deleteLater();
            emit show_requested();
        }
    });
    if (!server->listen(path))
        std::fprintf(stderr,
            "zelvane: cannot listen on %s (%s); a second start will open a second clock\n",
            qPrintable(QDir::toNativeSeparators(path)), qPrintable(server->errorString()));
    return true;
}

QString Single_Instance::display_of(
    const QString &platform, const QStringList &arguments, const QProcessEnvironment &environment)
{
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return {};
    if (platform == QLatin1String("xcb")) {
        // Qt takes its options with one dash or two.
        QString display = environment.value(QStringLiteral("DISPLAY"));
        for (qsizetype at = 1; at + 1 < arguments.size(); ++at)
            if (arguments.at(at) == QLatin1String("-display")
                || arguments.at(at) == QLatin1String("--display"))
                display = arguments.at(at + 1);
        return QStringLiteral("x11") + display;
    }
    if (platform.startsWith(QLatin1String("wayland")))
        return QStringLiteral("wayland:")
            + environment.value(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    return platform;
}
