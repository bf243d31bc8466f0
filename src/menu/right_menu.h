// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RIGHT_MENU_H
#define RIGHT_MENU_H

#include <QWidget>

// The feature menu that a right click on the clock opens.
class Right_Menu : public QWidget
{
    Q_OBJECT

public:
    explicit Right_Menu(QWidget *parent = nullptr);
};

#endif // RIGHT_MENU_H
