// SPDX-License-Identifier: GPL-3.0-or-later
#include "gadget_test.h"
#include "maxim_entry.h"
#include "maxim_word.h"

#include <cstdlib>

namespace {
// The number, heading and text a maxim window shows.
QString shown(QWidget *window)
{
    return texts(window, {"no_label", "heading_label", "heading_edit", "text_edit"});
}

bool enabled(QWidget *window, const char *button)
{
    return window->findChild<QPushButton *>(button)->isEnabled();
}

// Opens the maxim window chosen in the selection menu, reached from the clock.
QWidget *choose(Date_Time_Screen *&screen, const char *kind, const char *method, const char *window)
{
    press(open_menu(screen), "maxim_button");
    QWidget *selection = window_of("Main_Maxim_Screen");
    // On the indicator: a radio reacts to clicks on its mark and its text only.
    for (const char *radio : {kind, method})
        QTest::mouseClick(selection->findChild<QRadioButton *>(radio), Qt::LeftButton, {}, {8, 8});
    press(selection, "select_button");
    return selection->isVisible() ? nullptr : window_of(window);
}
} // namespace

class Tst_Maxims : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete_program_windows(); }

    void chinese_maxims_read_forward_and_back()
    {
        Date_Time_Screen *screen = nullptr;
        QWidget *browser = choose(screen, "chinese_radio", "numeric_radio", "Maxim_Word");
        QCOMPARE(placed(browser), QRect(480, 360, 760, 280));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Todays maxim"));
        Output_Capture output;
        QStringList read {shown(browser)};
        quint64 previous = 0; // where the entry shown lies in memory, as printed
        for (int n = 1; enabled(browser, "next_button"); ++n) {
            QCOMPARE(enabled(browser, "back_button"), n > 1);
            press(browser, "next_button");
            read << shown(browser);
            const QStringList lines = output.take_lines();
            const quint64 address = lines.value(0).section('=', 3).toULongLong();
            QCOMPARE(lines.join('|'),
                QStringLiteral("1.i=%1,i=%1,maxim+i=%2|2.i=%1,i=%1,maxim+i=%2|i=%1")
                    .arg(n)
                    .arg(address));
            QVERIFY(n == 1 || address - previous == sizeof(Maxim_Entry));
            previous = address;
        }
        QCOMPARE(read.size(), 64);
        for (const char *entry : {"No=0|Hijyouhatokunomotonari|Kenjyou koso Toku no kihon de aru",
                 "No=20|Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi|31seikou "
                 "nisite",
                 "No=27|Syakuroku no yo rutokoro hasonnbou no ki nari|43.syakuroku ha syakui to "
                 "houroku",
                 "No=61|syunnsyuu ni gisenn nasi|95 syuusyuujidaini seigino tatakaihanakatta",
                 "No=63|taiki ha bannseisu|97.kane ya kanae noyouna"})
            QCOMPARE(read[QString(entry).section('|', 0, 0).mid(3).toInt()], entry);
        // Headings and texts keep their line breaks.
        QCOMPARE(read[3].section('|', 1, 1).count('\n'), 1);
        QVERIFY(read[17].section('|', 1, 1).startsWith("Syou ni  kyu"));
        QVERIFY(read[2].section('|', 2).count("\n\n") == 2 && read[2].contains("\n\n sinjituno"));

        for (int n = 62; n >= 0; --n) {
            press(browser, "back_button");
            QCOMPARE(shown(browser), read[n]);
            QVERIFY(enabled(browser, "back_button") == (n > 0) && enabled(browser, "next_button"));
            QCOMPARE(output.take_lines().size(), 2);
        }
        press(browser, "next_button");
        press(browser, "close_button");
        QVERIFY(!browser->isVisible());
        QCOMPARE(choose(screen, "chinese_radio", "numeric_radio", "Maxim_Word"), browser);
        QCOMPARE(shown(browser), read[0]);
        QVERIFY(!enabled(browser, "back_button") && enabled(browser, "next_button"));
        QVERIFY(!choose(screen, "close_radio", "random_radio", "Maxim_Word_Rand"));
        QVERIFY(!window_of("Main_Maxim_Screen"));
    }

    void japanese_maxims_keep_their_place()
    {
        Date_Time_Screen *screen = nullptr;
        QWidget *browser = choose(screen, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
        QCOMPARE(placed(browser), QRect(630, 220, 500, 380));
        QCOMPARE(shown(browser), "No=0|1.Omoitukuhito|Hitto gaderuto");
        Output_Capture output;
        for (int n = 1; n < 40; ++n)
            press(browser, "next_button");
        QCOMPARE(shown(browser), "No=39|40Hito ga jibunn kara|Seikousiteru hito ha");
        QVERIFY(!enabled(browser, "next_button"));
        output.take_lines();
        press(browser, "back_button");
        QCOMPARE(output.take_lines().mid(2), QStringList({"i2=38"}));
        QCOMPARE(shown(browser).section('|', 1, 1), "39Sippai sitemo");
        press(browser, "close_button");
        QCOMPARE(choose(screen, "japanese_radio", "numeric_radio", "Maxim_Word_Ja"), browser);
        QVERIFY(shown(browser).startsWith("No=38|"));
    }

    // The Japanese window seeds from the time and draws first, the Chinese
    // window draws next from the same sequence; Close seeds again.
    void random_maxims_drawn_from_the_time()
    {
        const QDateTime moment(QDate(2009, 3, 5), QTime(9, 5, 8));
        Fake_Clock clock(moment);
        std::srand(unsigned(moment.toSecsSinceEpoch()));
        const int japanese = std::rand() % 40, chinese = std::rand() % 64;
        std::srand(unsigned(moment.toSecsSinceEpoch()));
        const int after_close = std::rand() % 64;

        Date_Time_Screen *screen = nullptr;
        QWidget *window = choose(screen, "chinese_radio", "random_radio", "Maxim_Word_Rand");
        QCOMPARE(placed(window), QRect(480, 360, 760, 280));
        Maxim_Word catalogue;
        for (int number : {chinese, after_close}) {
            QCOMPARE(shown(window),
                QStringLiteral("No=%1|%2|%3")
                    .arg(number)
                    .arg(catalogue.Get_Maxim_Text(number, 0), catalogue.Get_Maxim_Text(number, 1)));
            press(window, "close_button");
            QVERIFY(!window->isVisible());
            QCOMPARE(choose(screen, "chinese_radio", "random_radio", "Maxim_Word_Rand"), window);
        }
        window = choose(screen, "japanese_radio", "random_radio", "Maxim_Word_Rand_Ja");
        QCOMPARE(window->size(), QSize(500, 380));
        QVERIFY(shown(window).startsWith(QStringLiteral("No=%1|").arg(japanese)));
    }
};

QTEST_MAIN(Tst_Maxims)
#include "tst_maxims.moc"
