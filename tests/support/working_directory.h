// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WORKING_DIRECTORY_H
#define WORKING_DIRECTORY_H

#include <QDir>
#include <QString>

// Makes a folder the working directory while the object lives: the program
// reads its wave/, html/ and catalogue from there.
class Working_Directory
{
public:
    explicit Working_Directory(const QString &path) : previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~Working_Directory() { QDir::setCurrent(previous); }

    Working_Directory(const Working_Directory &) = delete;
    Working_Directory &operator=(const Working_Directory &) = delete;

private:
    QString previous;
};

#endif // WORKING_DIRECTORY_H
