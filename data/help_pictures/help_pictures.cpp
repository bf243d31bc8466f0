// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the pictures of the help pages from the program's own windows:
//   zelvane_help_pictures <data folder>
// writes <data folder>/html/images/*.png. Run it offscreen
// (QT_QPA_PLATFORM=offscreen) and commit the pictures. On a Japanese system
// (LANG=ja_JP.UTF-8) it shows the windows with the program's catalogue and
// writes the pictures of the Japanese pages, <data folder>/html/ja/images.
#include "clock/date_time_screen.h"
#include "core/japanese_catalogue.h"
#include "core/time_source.h"
#include "fortune/config_mini_omikuji.h"
#include "fortune/mini_omikuji.h"
#include "maxim/main_maxim_screen.h"
#include "maxim/maxim_word.h"
#include "maxim/maxim_word_ja.h"
#include "maxim/maxim_word_rand.h"
#include "menu/right_menu.h"
#include "tools/alarm_timer.h"
#include "tools/calender_show.h"
#include "tools/help_screen.h"
#include "tools/settings_screen.h"
#include "tools/version_screen.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMouseEvent>
#include <QTranslator>
#include <cstdio>
#include <functional>

namespace {

void left_click(QWidget *widget, int times)
{
    for (int i = 0; i < times; ++i) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5),
            widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
            widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }
}

// The clock on a fixed day, stepped to one of its four displays.
QWidget *clock_showing(int display)
{
    auto *clock = new Date_Time_Screen;
    left_click(clock, display);
    return clock;
}

// The configuration window with all five rows entered and checked.
Config_Mini_Omikuji *fortune_configured()
{
    auto *config = new Config_Mini_Omikuji;
    config->SetUnsei_five();
    config->SetUnsei_four();
    config->SetUnsei_three();
    config->SetUnsei_two();
    config->SetUnsei_one();
    config->Check_Unsei_button_clicked();
    return config;
}

// A drawn fortune: every slot holds the same grade, so any digit shows it.
QWidget *fortune_result(int grade)
{
    Mini_Omikuji *drawing = fortune_configured()->drawing_window();
    for (int &slot : drawing->buf_uranai_result)
        slot = grade;
    drawing->Start_Stop_Button_pushed();
    drawing->Start_Stop_Button_pushed();
    return drawing;
}

struct Picture
{
    const char *file;
    std::function<QWidget *()> make;
};

// One line per picture.
const Picture pictures[] = {
    {"clock_date.png", [] { return clock_showing(0); }},
    {"clock_month.png", [] { return clock_showing(1); }},
    {"clock_time.png", [] { return clock_showing(2); }},
    {"clock_period.png", [] { return clock_showing(3); }},
    {"menu.png", [] { return new Right_Menu; }},
    {"countdown.png", [] { return new Alarm_Timer; }},
    {"calendar.png", [] { return new Calender_Show; }},
    {"help.png", [] { return new Help_Screen; }},
    {"version.png", [] { return new Version_Screen; }},
    {"settings.png", [] { return new Settings_Screen; }},
    {"fortune_config.png", [] { return fortune_configured(); }},
    {"fortune_drawing.png", [] { return fortune_configured()->drawing_window(); }},
    {"fortune_result.png", [] { return fortune_result(1); }},
    {"maxim_menu.png", [] { return new Main_Maxim_Screen; }},
    {"maxim_chinese.png", [] { return new Maxim_Word; }},
    {"maxim_japanese.png", [] { return new Maxim_Word_Ja; }},
    {"maxim_random.png", [] { return new Maxim_Word_Rand; }},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zelvane_help_pictures <data folder>\n");
        return 2;
    }
    // The help window reads ./html from here, as the program does from its run folder.
    QDir::setCurrent(QString::fromLocal8Bit(argv[1]));
    // The windows translate their texts as they are built: install first.
    QTranslator toolkit_translator;
    QTranslator translator;
    const bool japanese = QLocale::system().language() == QLocale::Japanese;
    if (japanese) {
        Install_Toolkit_Catalogue(toolkit_translator);
        if (!translator.load(QStringLiteral(ZELVANE_CATALOGUE))) {
            std::fprintf(stderr, "could not read the catalogue %s\n", ZELVANE_CATALOGUE);
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    const QDir images(japanese ? QStringLiteral("html/ja/images") : QStringLiteral("html/images"));
    QDir().mkpath(images.path());
    Time_Source::set_reader([] { return QDateTime(QDate(2009, 3, 5), QTime(9, 5, 7)); });

    int failures = 0;
    for (const Picture &picture : pictures) {
        QWidget *window = picture.make();
        window->show();
        QApplication::processEvents();
        if (!window->grab().save(images.filePath(QLatin1String(picture.file)))) {
            std::fprintf(stderr, "could not write %s\n", picture.file);
            ++failures;
        }
        window->hide();
    }
    return failures == 0 ? 0 : 1;
}
