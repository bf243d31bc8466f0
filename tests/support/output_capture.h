// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OUTPUT_CAPTURE_H
#define OUTPUT_CAPTURE_H

#include <QStringList>
#include <cstdio>

// Sends standard output (or error) of this process into a file while the
// object lives, so a test reads the trace lines exactly as they are printed.
class Output_Capture
{
public:
    explicit Output_Capture(FILE *stream = stdout);
    ~Output_Capture();

    QString text(); // everything printed since the start or the last take_lines()
    QStringList take_lines();

private:
    FILE *stream;
    int saved_fd;
    int file_fd;
    long read_offset = 0;
};

#endif // OUTPUT_CAPTURE_H
