// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OUTPUT_CAPTURE_H
#define OUTPUT_CAPTURE_H

#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <unistd.h>

// Sends standard output of this process into a file while the object lives, so
// a test reads the program's trace lines exactly as they are printed.
class Output_Capture
{
public:
    Output_Capture() : saved_fd(dup(STDOUT_FILENO)), file(std::tmpfile()), file_fd(fileno(file))
    {
        std::fflush(stdout);
        dup2(file_fd, STDOUT_FILENO);
    }
    ~Output_Capture()
    {
        take_lines();
        dup2(saved_fd, STDOUT_FILENO);
        // Pass everything on, so nothing printed meanwhile is lost from the log.
        (void)!write(STDOUT_FILENO, printed.constData(), size_t(printed.size()));
        close(saved_fd);
        std::fclose(file);
    }

    // The lines printed since the start or the last call; the test library's
    // own messages, which share standard output, left out.
    QStringList take_lines()
    {
        std::fflush(stdout);
        const qsizetype taken = printed.size();
        char buffer[4096];
        for (ssize_t n; (n = pread(file_fd, buffer, sizeof buffer, printed.size())) > 0;)
            printed.append(buffer, n);
        QStringList lines = QString::fromUtf8(printed.mid(taken)).split('\n');
        lines.removeLast();
        static const QRegularExpression test_message("^Q(WARN|DEBUG|INFO|SYSTEM) ");
        lines.removeIf([](const QString &line) { return line.contains(test_message); });
        return lines;
    }

private:
    int saved_fd;
    FILE *file;
    int file_fd;
    QByteArray printed;
};

#endif // OUTPUT_CAPTURE_H
