// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OUTPUT_CAPTURE_H
#define OUTPUT_CAPTURE_H

#include <QStringList>
#include <cstdio>

// Redirects standard output (or standard error) of this process into a file
// for the life of the object, so a test can read the trace lines exactly as
// the program prints them.
class Output_Capture
{
public:
    explicit Output_Capture(FILE *stream = stdout);
    ~Output_Capture();

    Output_Capture(const Output_Capture &) = delete;
    Output_Capture &operator=(const Output_Capture &) = delete;

    // Everything printed since the capture began (or since the last take_lines()).
    QString text();
    QStringList take_lines();

private:
    FILE *stream;
    int stream_fd;
    int saved_fd;
    int file_fd;
    long read_offset = 0;
};

#endif // OUTPUT_CAPTURE_H
