// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/right_menu.h"

#include "core/window_keys.h"
#include "fortune/config_mini_omikuji.h"
#include "maxim/main_maxim_screen.h"
#include "maxim/maxim_seed.h"
#include "tools/alarm_timer.h"
#include "tools/calender_show.h"
#include "tools/help_screen.h"
#include "tools/settings_screen.h"
#include "tools/version_screen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Nine rows in the menu's 168 pixels: 3 + 9 x 18 + 3, with no gap, so no row
// covers the next and every label keeps its whole height.
constexpr int row_height = 18;
constexpr int row_margin = 3;

// A row of the menu: a flat button, which the style draws without its focus,
// so the row with the keyboard's focus gets a ring of its own.
class Menu_Row : public QPushButton
{
public:
    Menu_Row(const QString &label, QWidget *menu) : QPushButton(label, menu) { }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        Window_Keys::Paint_Focus_Ring(this);
    }
};
} // namespace

Right_Menu::Right_Menu(QWidget *parent) : QWidget(parent)
{
    setFixedSize(260, 168);
    // The calendar, help, fortune and maxim windows are costly to build and
    // most runs never open them: each is built the first time its button is
    // pressed, and kept from then on.
    version_screen = new Version_Screen(nullptr);
    alarm_timer = new Alarm_Timer(nullptr);
    // Built here, the random maxim windows would seed the random generator
    // before the fortune drawing first draws from it; the seed stays here.
    Seed_Maxim_Random();

    move(660, 475);
    // Kept on top like the countdown, the clock and the calendar, which it
    // opens: a plain window would open beneath them.
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(tr("Right click menu"));

    calender_button = add_button(tr("Calender"), "calender_button");
    maxim_button = add_button(tr("maxim Today"), "maxim_button");
    timer_button = add_button(tr("Known Timer"), "timer_button");
    omikuji_button = add_button(tr("mini omikuji"), "omikuji_button");
    help_button = add_button(tr("Help"), "help_button");
    version_button = add_button(tr("Version"), "version_button");
    settings_button = add_button(tr("Settings"), "settings_button");
    close_menu_button = add_button(tr("Close menu"), "close_menu_button");
    quit_button = add_button(tr("Quit"), "quit_button");

    auto *column = new QVBoxLayout;
    for (QPushButton *button : {calender_button, maxim_button, timer_button, omikuji_button,
             help_button, version_button, settings_button, close_menu_button, quit_button}) {
        auto *row = new QHBoxLayout;
        row->addWidget(button, 0);
        column->addLayout(row, 0);
    }
    column->addStretch(0);
    column->setSpacing(0);
    column->setContentsMargins(row_margin * 3, row_margin, row_margin * 3, row_margin);
    setLayout(column);

    connect(calender_button, &QPushButton::clicked, this, &Right_Menu::CalenderButton_click);
    connect(maxim_button, &QPushButton::clicked, this, &Right_Menu::Maxim_screen_show);
    connect(timer_button, &QPushButton::clicked, this, &Right_Menu::known_timer_button_select);
    connect(omikuji_button, &QPushButton::clicked, this, &Right_Menu::Mini_Omikuji_Game);
    connect(help_button, &QPushButton::clicked, this, &Right_Menu::Help_Screen_Button_Clicked);
    connect(version_button, &QPushButton::clicked, this, &Right_Menu::version_show);
    connect(settings_button, &QPushButton::clicked, this, &Right_Menu::settings_show);
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
    delete settings_screen;
}

QPushButton *Right_Menu::add_button(const QString &label, const char *object_name)
{
    auto *button = new Menu_Row(label, this);
    button->setObjectName(QLatin1String(object_name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedHeight(row_height);
    // Enter presses the row with the focus, as Space does; Up and Down move it.
    button->setAutoDefault(true);
    return button;
}

// The menu is the window the user just asked for: it comes on top, above the
// countdown too, so that a click meant for a row lands on it. The keyboard
// starts on its first row, wherever it was left.
void Right_Menu::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    calender_button->setFocus();
    activateWindow();
}

void Right_Menu::open(QWidget *window)
{
    window->show();
    // The keyboard goes to the window opened, also to one that was open.
    window->activateWindow();
    close();
}

// The window in this member, built now if it was not yet.
template<typename Window> Window *Right_Menu::built(Window *&window)
{
    if (!window)
        window = new Window(nullptr);
    return window;
}

void Right_Menu::CalenderButton_click()
{
    open(built(calender_show));
}

void Right_Menu::Mini_Omikuji_Game()
{
    open(built(config_omikuji));
}

void Right_Menu::Quit_Button_Clicked()
{
    close();
}

void Right_Menu::Help_Screen_Button_Clicked()
{
    open(built(help_screen));
}

void Right_Menu::version_show()
{
    open(version_screen);
}

void Right_Menu::Maxim_screen_show()
{
    open(built(maxim_screen));
}

void Right_Menu::known_timer_button_select()
{
    open(alarm_timer);
}

void Right_Menu::settings_show()
{
    open(built(settings_screen));
}
