// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGS_SCREEN_H
#define SETTINGS_SCREEN_H

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QSlider;
class QTimeEdit;

// The user's settings: the hourly chime on or off, its volume with a Test
// button, quiet hours, starting with the desktop, and putting the clock back
// at its place. Every change applies and is saved at once.
class Settings_Screen : public QWidget
{
    Q_OBJECT

public:
    explicit Settings_Screen(QWidget *parent = nullptr);

public slots:
    void Test_Button_Clicked();
    void Put_Back_Button_Clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void show_settings();
    void save_quiet_hours();

    QCheckBox *chime_check = nullptr;
    QSlider *volume_slider = nullptr;
    QLabel *volume_label = nullptr;
    QPushButton *test_button = nullptr;
    QCheckBox *quiet_check = nullptr;
    QTimeEdit *quiet_from_edit = nullptr;
    QTimeEdit *quiet_to_edit = nullptr;
    QCheckBox *autostart_check = nullptr;
    QPushButton *put_back_button = nullptr;
    QPushButton *close_button = nullptr;
};

#endif // SETTINGS_SCREEN_H
