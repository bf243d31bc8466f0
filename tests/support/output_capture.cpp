// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_capture.h"

#include <QRegularExpression>
#include <unistd.h>

Output_Capture::Output_Capture(FILE *captured) : stream(captured)
{
    std::fflush(stream);
    char name[] = "/tmp/zelvane-capture-XXXXXX";
    file_fd = mkstemp(name);
    unlink(name);
    saved_fd = dup(fileno(stream));
    dup2(file_fd, fileno(stream));
}

Output_Capture::~Output_Capture()
{
    // Pass everything on, so nothing printed meanwhile is lost from the log.
    read_offset = 0;
    const QByteArray printed = text().toUtf8();
    dup2(saved_fd, fileno(stream));
    (void)!write(fileno(stream), printed.constData(), size_t(printed.size()));
    close(saved_fd);
    close(file_fd);
}

QString Output_Capture::text()
{
    std::fflush(stream);
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = pread(file_fd, buffer, sizeof buffer, read_offset + bytes.size())) > 0;)
        bytes.append(buffer, n);
    return QString::fromUtf8(bytes);
}

QStringList Output_Capture::take_lines()
{
    const QString printed = text();
    read_offset += printed.toUtf8().size();
    // The test library's own messages share standard output; they are no
    // trace lines of the program.
    static const QRegularExpression test_message("^Q(WARN|DEBUG|INFO|SYSTEM) ");
    QStringList lines = printed.split('\n');
    lines.removeLast();
    lines.removeIf([](const QString &line) { return line.contains(test_message); });
    return lines;
}
