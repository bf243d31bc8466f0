// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/date_time_screen.h"
#include "core/chime_bank.h"
#include "core/data_folder.h"
#include "core/japanese_catalogue.h"
#include "core/platform_choice.h"
#include "core/quit_on_close.h"
#include "core/single_instance.h"
#include "core/version.h"
#include "core/settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcessEnvironment>
#include <QTranslator>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Trace lines must reach a pipe as they are printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    QCoreApplication::setApplicationName(QStringLiteral("zelvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(zelvane_version));
    QStringList arguments;
    for (int at = 0; at < argc; ++at)
        arguments << QString::fromLocal8Bit(argv[at]);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("An always-on-top desk clock with hourly chimes, fortunes and maxims."));
    // The toolkit's options are single words after one dash (-platform,
    // -reverse).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // --help and --version are answered before the application object exists,
    // so they need no display. The toolkit's options pass this first reading.
    parser.parse(arguments);
    if (parser.isSet(version)) {
        std::printf("zelvane %s\n", zelvane_version);
        return 0;
    }
    if (parser.isSet(help)) {
        // With no application object Qt leaves the program's name to us.
        QString text = parser.helpText();
        text.replace(
            QLatin1String("<executable_name>"), arguments.value(0, QStringLiteral("zelvane")));
        std::printf("%s", qPrintable(text));
        return 0;
    }

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
    // The toolkit has taken out its own options: anything unknown left is an
    // error, and --help-all lists the toolkit's options too.
    parser.process(application);

    // One clock per user and display: a second start shows the first one's.
    Single_Instance instance(Single_Instance::display_of(
        QGuiApplication::platformName(), arguments, QProcessEnvironment::systemEnvironment()));
    if (!instance.claim()) {
        std::fprintf(stderr,
            "zelvane: already running on this display; its clock "
            "is brought to the front\n");
        return 0;
    }

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
    new Quit_On_Close(&clock);
    QObject::connect(&instance, &Single_Instance::show_requested, &clock, [&clock] {
        clock.setWindowState(clock.windowState() & ~Qt::WindowMinimized);
        clock.show();
        clock.raise();
        clock.activateWindow();
    });
    clock.show();
    return application.exec();
}
