// SPDX-License-Identifier: GPL-3.0-or-later
#include "right_menu.h"

#include "alarm_timer.h"
#include "calender_show.h"
#include "config_mini_omikuji.h"
#include "help_screen.h"
#include "main_maxim_screen.h"
#include "version_screen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

Right_Menu::Right_Menu(QWidget *parent) : QWidget(parent)
{
    setFixedSize(260, 150);
    help_screen = new Help_Screen(nullptr);
    version_screen = new Version_Screen(nullptr);
    config_omikuji = new Config_Mini_Omikuji(nullptr);
    alarm_timer = new Alarm_Timer(nullptr);
    calender_show = new Calender_Show(nullptr);
    maxim_screen = new Main_Maxim_Screen(nullptr);

    move(660, 475);
    setWindowFlags(Qt::WindowTitleHint);
    setWindowTitle(tr("Right click menu"));

    calender_button = add_button(tr("Calender"), "calender_button");
    maxim_button = add_button(tr("maxim Today"), "maxim_button");
    timer_button = add_button(tr("Known Timer"), "timer_button");
    omikuji_button = add_button(tr("mini omikuji"), "omikuji_button");
    help_button = add_button(tr("Help"), "help_button");
    version_button = add_button(tr("Version"), "version_button");
    close_menu_button = add_button(tr("Close menu"), "close_menu_button");
    quit_button = add_button(tr("Quit"), "quit_button");

    auto *rows = new QVBoxLayout;
    for (QPushButton *button : {calender_button, maxim_button, timer_button, omikuji_button,
             help_button, version_button, close_menu_button, quit_button}) {
        auto *row = new QHBoxLayout;
        row->addWidget(button, 0);
        rows->addLayout(row, 0);
    }
    rows->addStretch(0);
    setLayout(rows);

    connect(calender_button, &QPushButton::clicked, this, &Right_Menu::CalenderButton_click);
    connect(maxim_button, &QPushButton::clicked, this, &Right_Menu::Maxim_screen_show);
    connect(timer_button, &QPushButton::clicked, this, &Right_Menu::known_timer_button_select);
    connect(omikuji_button, &QPushButton::clicked, this, &Right_Menu::Mini_Omikuji_Game);
    connect(help_button, &QPushButton::clicked, this, &Right_Menu::Help_Screen_Button_Clicked);
    connect(version_button, &QPushButton::clicked, this, &Right_Menu::version_show);
    connect(close_menu_button, &QPushButton::clicked, this, &Right_Menu::Quit_Button_Clicked);
    connect(quit_button, &QPushButton::clicked, qApp, &QCoreApplication::quit);
}

// The feature windows have no parent; they live as long as the menu, which
// lives as long as the clock.
Right_Menu::~Right_Menu()
{
    delete help_screen;
    delete version_screen;
    delete config_omikuji;
    delete alarm_timer;
    delete calender_show;
    delete maxim_screen;
}

QPushButton *Right_Menu::add_button(const QString &label, const char *object_name)
{
    auto *button = new QPushButton(label, this);
    button->setObjectName(QLatin1String(object_name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedHeight(21);
    return button;
}

// Feature windows that are not built yet are null: their button only closes
// the menu.
void Right_Menu::open(QWidget *window)
{
    if (window)
        window->show();
    close();
}

void Right_Menu::CalenderButton_click()
{
    open(calender_show);
}

void Right_Menu::Mini_Omikuji_Game()
{
    open(config_omikuji);
}

void Right_Menu::Quit_Button_Clicked()
{
    close();
}

void Right_Menu::Help_Screen_Button_Clicked()
{
    open(help_screen);
}

void Right_Menu::version_show()
{
    open(version_screen);
}

void Right_Menu::Maxim_screen_show()
{
    open(maxim_screen);
}

void Right_Menu::known_timer_button_select()
{
    open(alarm_timer);
}
