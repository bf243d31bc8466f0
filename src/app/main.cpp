// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/date_time_screen.h"
#include "core/chime_bank.h"
#include "core/data_folder.h"
#include "core/japanese_catalogue.h"
#include "core/platform_choice.h"
#include "core/settings.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QTranslator>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Trace lines must reach a pipe as they are printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    // The platform is read when the application object is built.
    const QByteArray platform = choose_platform(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // The clock repaints its small window every second. Through shared memory
    // Qt waits for the X server to take each frame, which wakes the clock a
    // second time; a plain request needs no such wait. A user's setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    QApplication application(argc, argv);
    Chime_Bank chimes;
    Settings settings(Settings::user_config_folder());
    // The toolkit's texts first: a catalogue installed later is asked first,
    // so the program's own entries always win.
    QTranslator toolkit_translator;
    Install_Toolkit_Catalogue(toolkit_translator);
    QTranslator translator;
    const bool japanese = Install_Japanese_Catalogue(translator);
    // A catalogue loaded under another of the names tried is not missing.
    Data_Folder::report_missing(japanese && translator.isEmpty());

    Date_Time_Screen clock;
    clock.show();
    return application.exec();
}
