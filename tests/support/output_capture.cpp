// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_capture.h"

#include <QByteArray>
#include <cstdlib>
#include <unistd.h>

Output_Capture::Output_Capture(FILE *captured) : stream(captured), stream_fd(fileno(captured))
{
    std::fflush(stream);
    char name[] = "/tmp/zelvane-capture-XXXXXX";
    file_fd = mkstemp(name);
    unlink(name);
    saved_fd = dup(stream_fd);
    dup2(file_fd, stream_fd);
}

Output_Capture::~Output_Capture()
{
    // Pass everything on, so nothing printed meanwhile (a test failure
    // included) is lost from the test's own log.
    const QByteArray printed = [this] {
        read_offset = 0;
        return text().toUtf8();
    }();
    dup2(saved_fd, stream_fd);
    if (!printed.isEmpty())
        (void)!write(stream_fd, printed.constData(), size_t(printed.size()));
    close(saved_fd);
    close(file_fd);
}

QString Output_Capture::text()
{
    std::fflush(stream);
    QByteArray bytes;
    char buffer[4096];
    ssize_t n;
    long offset = read_offset;
    while ((n = pread(file_fd, buffer, sizeof buffer, offset)) > 0) {
        bytes.append(buffer, n);
        offset += n;
    }
    return QString::fromUtf8(bytes);
}

QStringList Output_Capture::take_lines()
{
    const QString printed = text();
    read_offset += printed.toUtf8().size();
    QStringList lines = printed.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
