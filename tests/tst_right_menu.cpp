// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm_timer.h"
#include "calender_show.h"
#include "help_screen.h"
#include "right_menu.h"
#include "version_screen.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

namespace {

QList<QWidget *> windows_made_by(const std::function<void()> &make)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    make();
    QList<QWidget *> made;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!before.contains(window))
            made.append(window);
    return made;
}

template<typename Window> Window *find_window(const QList<QWidget *> &windows)
{
    for (QWidget *window : windows)
        if (auto *found = qobject_cast<Window *>(window))
            return found;
    return nullptr;
}

} // namespace

class Tst_Right_Menu : public QObject
{
    Q_OBJECT

private slots:
    void layout_of_the_menu();
    void feature_buttons_open_their_windows_once();
    void close_menu_opens_nothing();
};

void Tst_Right_Menu::layout_of_the_menu()
{
    Right_Menu menu;
    QCOMPARE(menu.pos(), QPoint(660, 475));
    QCOMPARE(menu.size(), QSize(260, 150));
    QCOMPARE(menu.windowTitle(), QStringLiteral("Right click menu"));
    QVERIFY(!menu.isVisible());

    const QList<QPushButton *> buttons = menu.findChildren<QPushButton *>();
    QStringList labels;
    for (QPushButton *button : buttons) {
        labels.append(button->text());
        QVERIFY(button->isFlat());
        QCOMPARE(button->height(), 21);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(labels,
        (QStringList {"Calender", "maxim Today", "Known Timer", "mini omikuji", "Help", "Version",
            "Close menu", "Quit"}));

    // The rows are squeezed into 150 pixels but stay in order, one below the other.
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    for (int row = 1; row < buttons.size(); ++row)
        QVERIFY(buttons[row]->geometry().top() > buttons[row - 1]->geometry().top());
    for (QPushButton *button : buttons)
        QVERIFY(menu.rect().contains(button->geometry().center()));
    menu.close();
}

void Tst_Right_Menu::feature_buttons_open_their_windows_once()
{
    Right_Menu *menu = nullptr;
    const QList<QWidget *> made = windows_made_by([&] { menu = new Right_Menu; });
    QVERIFY(menu);
    auto *help = find_window<Help_Screen>(made);
    auto *version = find_window<Version_Screen>(made);
    auto *timer = find_window<Alarm_Timer>(made);
    auto *calendar = find_window<Calender_Show>(made);
    QVERIFY(help && version && timer && calendar);
    for (QWidget *window : {static_cast<QWidget *>(help), static_cast<QWidget *>(version),
             static_cast<QWidget *>(timer), static_cast<QWidget *>(calendar)})
        QVERIFY(!window->isVisible());

    const struct
    {
        const char *button;
        QWidget *window;
    } cases[] = {{"calender_button", calendar}, {"timer_button", timer}, {"help_button", help},
        {"version_button", version}};
    for (const auto &c : cases) {
        auto *button = menu->findChild<QPushButton *>(QLatin1String(c.button));
        QVERIFY(button);
        menu->show();
        button->click();
        QVERIFY2(c.window->isVisible(), c.button);
        QVERIFY(!menu->isVisible());
        c.window->close();
        QVERIFY(!c.window->isVisible());
    }

    // Pressed again, the same calendar comes back with the month the user left it on.
    const int month_left = calendar->monthShown() == 12 ? 1 : calendar->monthShown() + 1;
    calendar->setCurrentPage(calendar->yearShown(), month_left);
    const QList<QWidget *> again = windows_made_by([&] {
        menu->show();
        menu->findChild<QPushButton *>(QStringLiteral("calender_button"))->click();
    });
    QVERIFY(again.isEmpty());
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->monthShown(), month_left);

    // An open window stays open when its button is pressed again.
    menu->show();
    menu->findChild<QPushButton *>(QStringLiteral("calender_button"))->click();
    QVERIFY(calendar->isVisible());
    QVERIFY(!menu->isVisible());
    calendar->close();
}

void Tst_Right_Menu::close_menu_opens_nothing()
{
    Right_Menu menu;
    menu.show();
    const QList<QWidget *> visible_before = [] {
        QList<QWidget *> list;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                list.append(w);
        return list;
    }();
    menu.findChild<QPushButton *>(QStringLiteral("close_menu_button"))->click();
    QVERIFY(!menu.isVisible());
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            QVERIFY2(visible_before.contains(w), qPrintable(w->windowTitle()));
}

QTEST_MAIN(Tst_Right_Menu)
#include "tst_right_menu.moc"
