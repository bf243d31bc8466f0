// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_maxim_screen.h"
#include "maxim_window.h"
#include "maxim_word.h"
#include "output_capture.h"
#include "right_menu.h"

#include <QRadioButton>
#include <QtTest>

namespace {

QList<QWidget *> visible_windows()
{
    QList<QWidget *> shown;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            shown.append(top);
    }
    return shown;
}

QRadioButton *radio(QWidget &menu, const QString &name)
{
    return menu.findChild<QRadioButton *>(name);
}

// A radio button takes clicks on its circle and its text only, both at its
// left, while the layout stretches it across the group.
void choose(QWidget &menu, const QString &name)
{
    QRadioButton *button = radio(menu, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

// The small menu that chooses the kind of maxim and how to read them.
class Tst_Main_Maxim_Screen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void select_opens_the_chosen_window_data();
    void select_opens_the_chosen_window();
    void chinese_browser_continues_after_frame_close();
    void maxim_today_opens_the_menu();
};

void Tst_Main_Maxim_Screen::cleanup()
{
    for (QWidget *window : visible_windows())
        window->hide();
}

void Tst_Main_Maxim_Screen::select_opens_the_chosen_window_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("opened");

    QTest::newRow("chinese, numeric") << "chinese_radio"
                                      << "numeric_radio"
                                      << "Maxim_Word";
    QTest::newRow("japanese, numeric") << "japanese_radio"
                                       << "numeric_radio"
                                       << "Maxim_Word_Ja";
    QTest::newRow("japanese, random") << "japanese_radio"
                                      << "random_radio"
                                      << "Maxim_Word_Rand_Ja";
    QTest::newRow("chinese, random") << "chinese_radio"
                                     << "random_radio"
                                     << "Maxim_Word_Rand";
    QTest::newRow("close") << "close_radio"
                           << "random_radio"
                           << "";
}

void Tst_Main_Maxim_Screen::select_opens_the_chosen_window()
{
    QFETCH(QString, kind);
    QFETCH(QString, method);
    QFETCH(QString, opened);

    Main_Maxim_Screen menu;
    menu.show();
    choose(menu, kind);
    choose(menu, method);
    press(menu, "select_button");

    QVERIFY(!menu.isVisible());
    const QList<QWidget *> shown = visible_windows();
    QStringList shown_classes;
    for (QWidget *window : shown)
        shown_classes.append(QString::fromLatin1(window->metaObject()->className()));
    QCOMPARE(shown_classes, opened.isEmpty() ? QStringList() : QStringList(opened));

    // Opened again, the menu shows the last choice.
    cleanup();
    menu.show();
    QVERIFY(radio(menu, kind)->isChecked());
    QVERIFY(radio(menu, method)->isChecked());
}

void Tst_Main_Maxim_Screen::chinese_browser_continues_after_frame_close()
{
    Main_Maxim_Screen menu;
    Output_Capture output;
    menu.show();
    press(menu, "select_button"); // the first choice: Chinese, in numeric order
    const QList<QWidget *> shown = visible_windows();
    QCOMPARE(shown.size(), 1);
    auto *browser = qobject_cast<Maxim_Word *>(shown.first());
    QVERIFY(browser);
    for (int n = Maxim_Word::current_number(); n < 5; ++n)
        press(*browser, "next_button");
    QVERIFY(browser->close());

    menu.show();
    press(menu, "select_button");
    QCOMPARE(visible_windows(), QList<QWidget *>({browser}));
    QCOMPARE(maxim_number(*browser), QStringLiteral("No=5"));
    QCOMPARE(maxim_heading(*browser), browser->Get_Maxim_Text(5, 0));
}

void Tst_Main_Maxim_Screen::maxim_today_opens_the_menu()
{
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    Right_Menu right_menu;
    right_menu.show();
    press(right_menu, "maxim_button");
    Main_Maxim_Screen *maxim_menu = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!before.contains(top) && qobject_cast<Main_Maxim_Screen *>(top))
            maxim_menu = static_cast<Main_Maxim_Screen *>(top);
    }
    QVERIFY(maxim_menu);
    QCOMPARE(visible_windows(), QList<QWidget *>({maxim_menu}));
}

QTEST_MAIN(Tst_Main_Maxim_Screen)
#include "tst_main_maxim_screen.moc"
