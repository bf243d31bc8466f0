// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/settings_screen.h"

#include "core/chime_bank.h"
#include "core/settings.h"
#include "core/time_source.h"
#include "core/window_placer.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {
// What the quiet hours offer before any are set: the night.
const QTime night_from(22, 0);
const QTime night_to(7, 0);

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A caption that names the control after it, for the eye and for screen readers.
QLabel *caption(const QString &text, QWidget *control)
{
    auto *label = new QLabel(text);
    label->setBuddy(control);
    return label;
}
} // namespace

Settings_Screen::Settings_Screen(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Settings"));

    chime_check = named(new QCheckBox(tr("Ring the hourly chime")), "chime_check");
    volume_slider = named(new QSlider(Qt::Horizontal), "volume_slider");
    volume_slider->setRange(0, 100);
    volume_slider->setPageStep(10);
    volume_label = named(new QLabel, "volume_label");
    volume_label->setMinimumWidth(
        volume_label->fontMetrics().horizontalAdvance(QLatin1String("100")));
    volume_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    test_button = named(new QPushButton(tr("Test")), "test_button");
    quiet_check = named(new QCheckBox(tr("Quiet hours")), "quiet_check");
    quiet_from_edit = named(new QTimeEdit, "quiet_from_edit");
    quiet_to_edit = named(new QTimeEdit, "quiet_to_edit");
    for (QTimeEdit *edit : {quiet_from_edit, quiet_to_edit})
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
    autostart_check = named(new QCheckBox(tr("Start with the desktop")), "autostart_check");
    put_back_button = named(new QPushButton(tr("Put the clock back")), "put_back_button");
    close_button = named(new QPushButton(tr("Close")), "close_button");

    auto *volume_row = new QHBoxLayout;
    volume_row->addWidget(caption(tr("Volume"), volume_slider));
    volume_row->addWidget(volume_slider, 1);
    volume_row->addWidget(volume_label);
    volume_row->addWidget(test_button);
    auto *quiet_row = new QHBoxLayout;
    quiet_row->addWidget(quiet_check);
    quiet_row->addStretch(1);
    quiet_row->addWidget(caption(tr("From"), quiet_from_edit));
    quiet_row->addWidget(quiet_from_edit);
    quiet_row->addWidget(caption(tr("To"), quiet_to_edit));
    quiet_row->addWidget(quiet_to_edit);
    auto *button_row = new QHBoxLayout;
    button_row->addWidget(put_back_button);
    button_row->addStretch(1);
    button_row->addWidget(close_button);
    auto *rows = new QVBoxLayout(this);
    rows->addWidget(chime_check);
    rows->addLayout(volume_row);
    rows->addLayout(quiet_row);
    rows->addWidget(autostart_check);
    rows->addLayout(button_row);

    show_settings();
    // Sized before it is placed: a window manager applies move() to the
    // inside of a window that is sized only when shown.
    adjustSize();
    move(560, 380);

    connect(chime_check, &QCheckBox::toggled, this,
        [](bool on) { Settings::current().set_chime_enabled(on); });
    // Saved when the slider is let go, not at every step of a drag.
    connect(volume_slider, &QSlider::valueChanged, this, [this](int percent) {
        volume_label->setNum(percent);
        if (!volume_slider->isSliderDown())
            Settings::current().set_chime_volume(percent);
    });
    connect(volume_slider, &QSlider::sliderReleased, this,
        [this] { Settings::current().set_chime_volume(volume_slider->value()); });
    connect(test_button, &QPushButton::clicked, this, &Settings_Screen::Test_Button_Clicked);
    connect(quiet_check, &QCheckBox::toggled, this, &Settings_Screen::save_quiet_hours);
    connect(quiet_from_edit, &QTimeEdit::timeChanged, this, &Settings_Screen::save_quiet_hours);
    connect(quiet_to_edit, &QTimeEdit::timeChanged, this, &Settings_Screen::save_quiet_hours);
    connect(autostart_check, &QCheckBox::toggled, this, [this](bool on) {
        // Shows what is so where the entry could not be written or removed.
        if (!Settings::current().set_starts_with_desktop(on)) {
            const QSignalBlocker quiet(autostart_check);
            autostart_check->setChecked(Settings::current().starts_with_desktop());
        }
    });
    connect(
        put_back_button, &QPushButton::clicked, this, &Settings_Screen::Put_Back_Button_Clicked);
    connect(close_button, &QPushButton::clicked, this, &QWidget::close);
}

void Settings_Screen::show_settings()
{
    const Settings &settings = Settings::current();
    // Shown, not changed: nothing is saved.
    const QList<QWidget *> controls {
        chime_check, volume_slider, quiet_check, quiet_from_edit, quiet_to_edit, autostart_check};
    for (QWidget *control : controls)
        control->blockSignals(true);
    chime_check->setChecked(settings.chime_enabled());
    volume_slider->setValue(settings.chime_volume());
    volume_label->setNum(settings.chime_volume());
    const bool quiet_hours = settings.quiet_from().isValid() && settings.quiet_to().isValid();
    quiet_check->setChecked(quiet_hours);
    quiet_from_edit->setTime(quiet_hours ? settings.quiet_from() : night_from);
    quiet_to_edit->setTime(quiet_hours ? settings.quiet_to() : night_to);
    quiet_from_edit->setEnabled(quiet_hours);
    quiet_to_edit->setEnabled(quiet_hours);
    autostart_check->setChecked(settings.starts_with_desktop());
    for (QWidget *control : controls)
        control->blockSignals(false);
}

void Settings_Screen::showEvent(QShowEvent *event)
{
    show_settings();
    QWidget::showEvent(event);
}

void Settings_Screen::save_quiet_hours()
{
    const bool on = quiet_check->isChecked();
    quiet_from_edit->setEnabled(on);
    quiet_to_edit->setEnabled(on);
    Settings::current().set_quiet_hours(
        on ? quiet_from_edit->time() : QTime(), on ? quiet_to_edit->time() : QTime());
}

// The chime of the hour it is now, at the volume set, whether or not the
// hourly chime is on.
void Settings_Screen::Test_Button_Clicked()
{
    const int dial = Time_Source::now().time().hour() % chime_count;
    Chime_Bank::ring(dial == 0 ? chime_count : dial);
}

void Settings_Screen::Put_Back_Button_Clicked()
{
    Window_Placer::put_clock_back();
    Settings::current().set_clock_position(Window_Placer::clock_home());
}
