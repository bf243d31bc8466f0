// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_maxim_screen.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "maxim_word_rand.h"
#include "maxim_word_rand_ja.h"
#include "output_capture.h"
#include "right_menu.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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

QRadioButton *radio(QWidget &menu, const char *name)
{
    return menu.findChild<QRadioButton *>(QLatin1String(name));
}

void press(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// A radio button takes clicks on its circle and its text only, both at its
// left, while the layout stretches it across the group.
void press(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

// The small menu that chooses the kind of maxim and how to read them.
class Tst_Main_Maxim_Screen : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void built_with_numeric_chinese_checked();
    void select_opens_the_chosen_window_data();
    void select_opens_the_chosen_window();
    void last_choice_is_kept();
    void chinese_browser_continues_after_frame_close();
    void maxim_today_opens_the_menu();
};

void Tst_Main_Maxim_Screen::cleanup()
{
    for (QWidget *window : visible_windows())
        window->hide();
}

void Tst_Main_Maxim_Screen::built_with_numeric_chinese_checked()
{
    Main_Maxim_Screen menu;
    QVERIFY(menu.isWindow());
    QVERIFY(!menu.isVisible());
    QCOMPARE(menu.windowTitle(), QStringLiteral("Select maxim menu"));
    QCOMPARE(menu.pos(), QPoint(560, 400));

    auto *method = menu.findChild<QGroupBox *>(QStringLiteral("method_group"));
    auto *kind = menu.findChild<QGroupBox *>(QStringLiteral("kind_group"));
    auto *select = menu.findChild<QPushButton *>(QStringLiteral("select_button"));
    QVERIFY(method && kind && select);
    QCOMPARE(method->title(), QStringLiteral("Screen method"));
    QCOMPARE(kind->title(), QStringLiteral("Select kind of maxim"));
    QCOMPARE(select->text(), QStringLiteral("Select"));

    const struct
    {
        const char *name;
        QGroupBox *group;
        const char *text;
        bool checked;
    } radios[] = {{"random_radio", method, "1.&At random", false},
        {"numeric_radio", method, "2.&Innumeric order", true},
        {"chinese_radio", kind, "&Chinese maxim", true},
        {"japanese_radio", kind, "&Japanese maxim", false}, {"close_radio", kind, "&Close", false}};
    for (const auto &expected : radios) {
        QRadioButton *button = radio(menu, expected.name);
        QVERIFY2(button, expected.name);
        QCOMPARE(button->parentWidget(), expected.group);
        QCOMPARE(button->text(), QLatin1String(expected.text));
        QCOMPARE(button->isChecked(), expected.checked);
    }

    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QVERIFY(radio(menu, "random_radio")->y() < radio(menu, "numeric_radio")->y());
    QVERIFY(radio(menu, "chinese_radio")->y() < radio(menu, "japanese_radio")->y());
    QVERIFY(radio(menu, "japanese_radio")->y() < radio(menu, "close_radio")->y());
    QVERIFY(method->y() < kind->y());
    QVERIFY(kind->geometry().bottom() < select->y());
    // Select sits at the right.
    QVERIFY(select->geometry().right() > menu.width() - 20);
    QVERIFY(select->x() > menu.width() / 2);

    // One choice per group at a time.
    press(radio(menu, "japanese_radio"));
    QVERIFY(!radio(menu, "chinese_radio")->isChecked());
    press(radio(menu, "random_radio"));
    QVERIFY(!radio(menu, "numeric_radio")->isChecked());
    QVERIFY(radio(menu, "japanese_radio")->isChecked());
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
    QTest::newRow("close, numeric") << "close_radio"
                                    << "numeric_radio"
                                    << "";
    QTest::newRow("close, random") << "close_radio"
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
    press(radio(menu, qPrintable(kind)));
    press(radio(menu, qPrintable(method)));
    QVERIFY(radio(menu, qPrintable(kind))->isChecked());
    QVERIFY(radio(menu, qPrintable(method))->isChecked());
    press(menu.findChild<QPushButton *>(QStringLiteral("select_button")));

    QVERIFY(!menu.isVisible());
    const QList<QWidget *> shown = visible_windows();
    if (opened.isEmpty()) {
        QCOMPARE(shown, QList<QWidget *>());
    } else {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(QString::fromLatin1(shown.first()->metaObject()->className()), opened);
    }
}

void Tst_Main_Maxim_Screen::last_choice_is_kept()
{
    Main_Maxim_Screen menu;
    menu.show();
    press(radio(menu, "japanese_radio"));
    press(radio(menu, "random_radio"));
    press(menu.findChild<QPushButton *>(QStringLiteral("select_button")));
    QVERIFY(!menu.isVisible());
    cleanup();

    menu.show();
    QVERIFY(radio(menu, "japanese_radio")->isChecked());
    QVERIFY(radio(menu, "random_radio")->isChecked());
    QVERIFY(!radio(menu, "chinese_radio")->isChecked());
    QVERIFY(!radio(menu, "numeric_radio")->isChecked());

    // Closing through the frame opens nothing and keeps the choice as well.
    QVERIFY(menu.close());
    QCOMPARE(visible_windows().size(), 0);
    menu.show();
    QVERIFY(radio(menu, "japanese_radio")->isChecked());
}

void Tst_Main_Maxim_Screen::chinese_browser_continues_after_frame_close()
{
    Main_Maxim_Screen menu;
    Output_Capture output;
    menu.show();
    auto *select = menu.findChild<QPushButton *>(QStringLiteral("select_button"));
    press(select);
    QCOMPARE(visible_windows().size(), 1);
    auto *browser = qobject_cast<Maxim_Word *>(visible_windows().first());
    QVERIFY(browser);

    auto *next = browser->findChild<QPushButton *>(QStringLiteral("next_button"));
    const int start = Maxim_Word::current_number();
    for (int n = start; n < 5; ++n)
        press(next);
    QCOMPARE(Maxim_Word::current_number(), 5);
    QVERIFY(browser->close());

    menu.show();
    press(select);
    QCOMPARE(visible_windows(), QList<QWidget *>({browser}));
    QCOMPARE(
        browser->findChild<QLabel *>(QStringLiteral("no_label"))->text(), QStringLiteral("No=5"));
    QCOMPARE(browser->findChild<QLabel *>(QStringLiteral("heading_label"))->text(),
        browser->Get_Maxim_Text(5, 0));

    // Its own Close goes back to the first maxim.
    press(browser->findChild<QPushButton *>(QStringLiteral("close_button")));
    menu.show();
    press(select);
    QCOMPARE(
        browser->findChild<QLabel *>(QStringLiteral("no_label"))->text(), QStringLiteral("No=0"));
}

void Tst_Main_Maxim_Screen::maxim_today_opens_the_menu()
{
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    Right_Menu right_menu;
    Main_Maxim_Screen *maxim_menu = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!before.contains(top) && qobject_cast<Main_Maxim_Screen *>(top))
            maxim_menu = static_cast<Main_Maxim_Screen *>(top);
    }
    QVERIFY(maxim_menu);
    QVERIFY(!maxim_menu->isVisible());

    for (int round = 0; round < 2; ++round) {
        right_menu.show();
        press(right_menu.findChild<QPushButton *>(QStringLiteral("maxim_button")));
        QVERIFY(!right_menu.isVisible());
        QCOMPARE(visible_windows(), QList<QWidget *>({maxim_menu}));
    }
}

QTEST_MAIN(Tst_Main_Maxim_Screen)
#include "tst_main_maxim_screen.moc"
