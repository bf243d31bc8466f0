// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "data_folder.h"
#include "date_time_screen.h"
#include "japanese_catalogue.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Trace lines must reach a pipe as they are printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    QApplication application(argc, argv);
    Chime_Bank chimes;
    QTranslator translator;
    const bool japanese = Install_Japanese_Catalogue(translator);
    Data_Folder::report_missing(japanese);

    Date_Time_Screen clock;
    clock.show();
    return application.exec();
}
