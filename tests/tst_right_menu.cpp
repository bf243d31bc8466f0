// SPDX-License-Identifier: GPL-3.0-or-later
#include "calender_show.h"
#include "fake_clock.h"
#include "right_menu.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

namespace {

QWidgetList visible_windows()
{
    QWidgetList visible;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            visible.append(window);
    return visible;
}

} // namespace

class Tst_Right_Menu : public QObject
{
    Q_OBJECT

private slots:
    void layout_of_the_menu();
    void each_button_shows_its_own_window_again_and_again();
    void close_menu_opens_nothing();
};

void Tst_Right_Menu::layout_of_the_menu()
{
    Right_Menu menu;
    QCOMPARE(menu.windowTitle(), QStringLiteral("Right click menu"));
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(QRect(menu.pos(), menu.size()), QRect(660, 475, 260, 150));

    QList<QPushButton *> buttons = menu.findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
        [](QPushButton *a, QPushButton *b) { return a->y() < b->y(); });
    QStringList labels;
    for (QPushButton *button : buttons) {
        labels.append(button->text());
        QVERIFY(button->isFlat());
        QCOMPARE(button->height(), 21);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(menu.rect().contains(button->geometry()));
    }
    QCOMPARE(labels,
        (QStringList {"Calender", "maxim Today", "Known Timer", "mini omikuji", "Help", "Version",
            "Close menu", "Quit"}));
}

void Tst_Right_Menu::each_button_shows_its_own_window_again_and_again()
{
    // Made just before midnight, the calendar keeps that day when shown later.
    Fake_Clock clock(QDateTime(QDate(2011, 12, 31), QTime(23, 59, 58)));
    const QWidgetList earlier = QApplication::topLevelWidgets();
    Right_Menu menu;
    clock.set(QDateTime(QDate(2012, 1, 1), QTime(0, 0, 5)));

    const QList<QPair<const char *, const char *>> cases
        = {{"calender_button", "Calender_Show"}, {"maxim_button", "Main_Maxim_Screen"},
            {"timer_button", "Alarm_Timer"}, {"omikuji_button", "Config_Mini_Omikuji"},
            {"help_button", "Help_Screen"}, {"version_button", "Version_Screen"}};
    for (const auto &[button, window_class] : cases) {
        QWidget *shown = nullptr;
        for (int press = 0; press < 2; ++press) {
            menu.show();
            menu.findChild<QPushButton *>(QLatin1String(button))->click();
            QVERIFY(!menu.isVisible());
            const QWidgetList visible = visible_windows();
            QVERIFY2(visible.size() == 1 && visible.first()->inherits(window_class), button);
            QVERIFY2(!shown || visible.first() == shown, button);
            shown = visible.first();
            shown->close();
        }
    }

    // The same calendar comes back on the month the user left it on.
    Calender_Show *calendar = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<Calender_Show *>(window); found && !earlier.contains(found))
            calendar = found;
    QVERIFY(calendar);
    menu.findChild<QPushButton *>(QStringLiteral("calender_button"))->click();
    calendar->showNextMonth();
    calendar->close();
    menu.findChild<QPushButton *>(QStringLiteral("calender_button"))->click();
    QVERIFY(calendar->isVisible());
    calendar->close();
}

void Tst_Right_Menu::close_menu_opens_nothing()
{
    Right_Menu menu;
    const qsizetype visible_before = visible_windows().size();
    menu.show();
    menu.findChild<QPushButton *>(QStringLiteral("close_menu_button"))->click();
    QVERIFY(!menu.isVisible());
    QCOMPARE(visible_windows().size(), visible_before);
}

QTEST_MAIN(Tst_Right_Menu)
#include "tst_right_menu.moc"
