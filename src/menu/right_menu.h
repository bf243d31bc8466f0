// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RIGHT_MENU_H
#define RIGHT_MENU_H

#include <QWidget>

class Alarm_Timer;
class Calender_Show;
class Config_Mini_Omikuji;
class Help_Screen;
class Main_Maxim_Screen;
class QPushButton;
class QShowEvent;
class Settings_Screen;
class Version_Screen;

// The feature menu that a right click on the clock opens: nine flat buttons,
// seven of which open the program's feature windows and its settings. The
// menu creates each feature window once (the costly ones when first opened)
// and only ever shows it; the window looks after its own closing.
class Right_Menu : public QWidget
{
    Q_OBJECT

public:
    explicit Right_Menu(QWidget *parent = nullptr);
    ~Right_Menu() override;

public slots:
    void CalenderButton_click();
    void Mini_Omikuji_Game();
    void Quit_Button_Clicked();
    void Help_Screen_Button_Clicked();
    void version_show();
    void Maxim_screen_show();
    void known_timer_button_select();
    void settings_show();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *add_button(const QString &label, const char *object_name);
    void open(QWidget *window);
    template<typename Window> Window *built(Window *&window);

    Version_Screen *version_screen = nullptr;
    Help_Screen *help_screen = nullptr;
    Calender_Show *calender_show = nullptr;
    Main_Maxim_Screen *maxim_screen = nullptr;
    Alarm_Timer *alarm_timer = nullptr;
    Config_Mini_Omikuji *config_omikuji = nullptr;
    Settings_Screen *settings_screen = nullptr;
    QPushButton *maxim_button = nullptr;
    QPushButton *timer_button = nullptr;
    QPushButton *calender_button = nullptr;
    QPushButton *omikuji_button = nullptr;
    QPushButton *help_button = nullptr;
    QPushButton *version_button = nullptr;
    QPushButton *settings_button = nullptr;
    QPushButton *close_menu_button = nullptr;
    QPushButton *quit_button = nullptr;
};

#endif // RIGHT_MENU_H
