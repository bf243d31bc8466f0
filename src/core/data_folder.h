// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DATA_FOLDER_H
#define DATA_FOLDER_H

#include <QString>
#include <QStringList>

// Where the program reads its data (wave/, html/ and the catalogue): the
// working directory first, then the data folder installed with the program,
// <bindir>/../share/zelvane, found from the program's own location so that a
// moved installation still finds it.
class Data_Folder
{
public:
    // The folders looked in, in order: the working directory, then the
    // installed data folder (if the program's location is known).
    static QStringList folders();
    static QString installed();

    // The absolute path of a file or folder in the first folder that holds
    // it; in the working directory if none does.
    static QString locate(const QString &relative_path);

    // Writes one line on standard error when the chimes, the help pages or
    // (when it is wanted) the catalogue are in none of the folders, naming
    // them and what the program does without each of them, and nothing else.
    // Returns whether everything was found.
    static bool report_missing(bool want_catalogue);
};

#endif // DATA_FOLDER_H
