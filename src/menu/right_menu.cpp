// SPDX-License-Identifier: GPL-3.0-or-later
#include "right_menu.h"

Right_Menu::Right_Menu(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(260, 150);
    move(660, 475);
    setWindowFlags(Qt::WindowTitleHint);
    setWindowTitle(tr("Right click menu"));
}
