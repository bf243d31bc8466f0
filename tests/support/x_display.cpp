// SPDX-License-Identifier: GPL-3.0-or-later
#include "x_display.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

X_Display::~X_Display()
{
    for (QProcess *process : {&window_manager, &server}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(1000);
        }
    }
}

bool X_Display::start(bool with_window_manager)
{
    for (const char *tool : {"Xvfb", "xwininfo", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            failure = QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
            return false;
        }
    }
    // Xvfb picks a free display itself and writes its number to the given fd.
    server.setProgram(QStringLiteral("Xvfb"));
    server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
        QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24"),
        QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.start();
    if (!server.waitForStarted(5000)) {
        failure = QStringLiteral("Xvfb did not start");
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    QByteArray number;
    while (!number.contains('\n') && waited.elapsed() < 10000) {
        server.waitForReadyRead(200);
        number += server.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        failure = QStringLiteral("Xvfb gave no display number: %1")
                      .arg(QString::fromLocal8Bit(server.readAllStandardError()));
        return false;
    }
    display_name = QLatin1Char(':') + QString::fromLatin1(number.trimmed());

    if (with_window_manager) {
        if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
            failure = QStringLiteral("openbox is not installed");
            return false;
        }
        window_manager.setProcessEnvironment(environment());
        window_manager.start(QStringLiteral("openbox"), {});
        window_manager.waitForStarted(5000);
        QThread::msleep(500);
    }
    return true;
}

QProcessEnvironment X_Display::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString X_Display::run_tool(const QString &program, const QStringList &arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QList<X_Display::Window> X_Display::windows() const
{
    // e.g.  0x400007 "Zelvane(Clock+)": ("zelvane" "zelvane")  220x40+790+640  +790+640
    static const QRegularExpression line(QStringLiteral(
        R"re(^\s*(0x[0-9a-f]+) "(.*)": \(.*\)\s+(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+?(-?\d+)\+?(-?\d+)\s*$)re"));
    QList<Window> found;
    const QString listing
        = run_tool(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    for (const QString &text : listing.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch())
            continue;
        const QString id = m.captured(1);
        const QString state = run_tool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        if (!state.contains(QLatin1String("IsViewable")))
            continue;
        found.append({id, m.captured(2),
            QRect(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(3).toInt(),
                m.captured(4).toInt())});
    }
    return found;
}

std::optional<X_Display::Window> X_Display::wait_for_window(
    const QString &title, int timeout_ms) const
{
    QElapsedTimer waited;
    waited.start();
    do {
        for (const Window &window : windows()) {
            if (window.title == title)
                return window;
        }
        QThread::msleep(150);
    } while (waited.elapsed() < timeout_ms);
    return std::nullopt;
}

bool X_Display::wait_until_gone(const QString &title, int timeout_ms) const
{
    QElapsedTimer waited;
    waited.start();
    do {
        bool present = false;
        for (const Window &window : windows())
            present = present || window.title == title;
        if (!present)
            return true;
        QThread::msleep(150);
    } while (waited.elapsed() < timeout_ms);
    return false;
}

void X_Display::click(const QPoint &screen_position, int button) const
{
    // No --sync: it waits for ever when the pointer is already there.
    run_tool(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(screen_position.x()),
            QString::number(screen_position.y()), QStringLiteral("sleep"), QStringLiteral("0.2"),
            QStringLiteral("click"), QString::number(button)});
}

bool X_Display::screenshot(const QString &png_path) const
{
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start(
        QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), png_path});
    return import.waitForFinished(15000) && import.exitCode() == 0;
}
