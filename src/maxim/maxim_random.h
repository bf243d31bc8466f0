// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_RANDOM_H
#define MAXIM_RANDOM_H

#include "maxim/maxim_window.h"

#include <memory>

class Maxim_Browser;

// Shows one maxim drawn at random; Close draws the next one, so it is ready
// when the window is shown again.
class Maxim_Random : public Maxim_Window
{
    Q_OBJECT

public:
    enum class Seeding { on_close, also_at_start }; // of the program's random generator

    // Where the Chinese and the Japanese random window differ.
    struct Traits
    {
        Maxim_Browser *catalogue; // a browser of the language, never shown, owned here
        Maxim_Look look;
        std::optional<QPoint> position;
        QString number_format, close;
        QString name; // what a screen reader calls the window, which has no title
        Seeding seeding;
    };

    ~Maxim_Random() override;

public slots:
    void Push_Close_Clicked();

protected:
    Maxim_Random(const Traits &traits, QWidget *parent);

private:
    void Set_Rand_Maxim();

    int rand_no = 0;
    std::unique_ptr<Maxim_Browser> catalogue; // only for looking texts up
    QString number_format;
    QPushButton *close_button = nullptr;
};

#endif // MAXIM_RANDOM_H
