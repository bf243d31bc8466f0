// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_windows.h"

#include "date_time_screen.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

QWidget *window_of(const char *class_name)
{
    QWidget *found = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits(class_name) && window->isVisible()) {
            if (found)
                return nullptr;
            found = window;
        }
    }
    return found;
}

QRect placed(const QWidget *window)
{
    return QRect(window->pos(), window->size());
}

QWidget *open_menu(Date_Time_Screen *&screen)
{
    if (!screen) {
        screen = new Date_Time_Screen;
        screen->show();
    }
    QTest::mouseClick(screen, Qt::RightButton);
    return window_of("Right_Menu");
}

void press(QWidget *window, const QString &button)
{
    auto *target = window ? window->findChild<QPushButton *>(button) : nullptr;
    QVERIFY2(target, qPrintable(button));
    QTest::mouseClick(target, Qt::LeftButton);
}

QString texts(const QWidget *window, const QStringList &names)
{
    QStringList found;
    for (const QString &name : names)
        if (QObject *child = window->findChild<QObject *>(name)) {
            auto *area = qobject_cast<QTextEdit *>(child);
            found << (area ? area->toPlainText() : child->property("text").toString());
        }
    return found.join('|');
}

void delete_program_windows()
{
    // Each window takes down the windows it made, and the clock all others.
    QWidgetList clocks = QApplication::topLevelWidgets();
    clocks.removeIf([](QWidget *window) { return !window->inherits("Date_Time_Screen"); });
    qDeleteAll(clocks);
}
