// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>

X_Display::~X_Display()
{
    server.terminate();
    server.waitForFinished(3000);
}

bool X_Display::start()
{
    // Xvfb picks a free display itself and writes its number to fd 1.
    server.start("Xvfb",
        {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"});
    QByteArray number;
    for (QDeadlineTimer deadline(10000); !number.contains('\n') && !deadline.hasExpired();)
        number += server.waitForReadyRead(200) ? server.readAllStandardOutput() : QByteArray();
    display_name = ':' + QString::fromLatin1(number.trimmed());
    if (!number.contains('\n'))
        qWarning("Xvfb did not start: %s", qPrintable(server.errorString()));
    return number.contains('\n');
}

QProcessEnvironment X_Display::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("WAYLAND_DISPLAY");
    return env;
}

QString X_Display::run(const QString &program, const QStringList &arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

std::optional<X_Display::Window> X_Display::wait_for_window(
    const QString &title, int timeout_ms) const
{
    // e.g.  0x400007 "Zelvane(Clock+)": ("zelvane" "zelvane")  220x40+790+640  +790+640
    static const QRegularExpression line(
        R"re(^\s*(0x[0-9a-f]+) "(.*)": \(.*\)\s+(\d+)x(\d+)\S*\s+\+?(-?\d+)\+?(-?\d+)\s*$)re",
        QRegularExpression::MultilineOption);
    for (QDeadlineTimer deadline(timeout_ms); !deadline.hasExpired(); QThread::msleep(150)) {
        for (const auto &m : line.globalMatch(run("xwininfo", {"-root", "-tree"})))
            if (m.captured(2) == title
                && run("xwininfo", {"-id", m.captured(1)}).contains("IsViewable"))
                return Window {title,
                    QRect(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(3).toInt(),
                        m.captured(4).toInt())};
    }
    return std::nullopt;
}

void X_Display::click(const QPoint &at, int button) const
{
    // No --sync: it waits for ever when the pointer is already there.
    run("xdotool",
        {"mousemove", QString::number(at.x()), QString::number(at.y()), "sleep", "0.2", "click",
            QString::number(button)});
}

void X_Display::key(const QString &keys) const
{
    run("xdotool", {"key", keys});
}
