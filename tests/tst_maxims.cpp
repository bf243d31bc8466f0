// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zelvane_test.h"

// The number, heading and text a maxim window shows.
static QString shown(QWidget *window)
{
    return texts(window, {"no_label", "heading_label", "heading_edit", "text_edit"});
}

static bool enabled(QWidget *window, const char *button)
{
    return window->findChild<QPushButton *>(button)->isEnabled();
}

// The named widgets from left to right by their middles, then the window's
// buttons in the order Tab takes them.
static QString arrangement(QWidget *window, QStringList names)
{
    const auto middle = [window](const QString &name) {
        return window->findChild<QWidget *>(name)->geometry().center().x();
    };
    std::stable_sort(names.begin(), names.end(),
        [&](const QString &a, const QString &b) { return middle(a) < middle(b); });
    for (QWidget *child = window; (child = child->nextInFocusChain()) != window;)
        if (child->inherits("QPushButton"))
            names << child->objectName();
    return names.join(' ');
}

// The maxims chosen from the clock's menu, read in order and at random. The
// browsers keep their place for the life of the process, which is this
// program's alone.
class Tst_Maxims : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }

    // The browsers read forward and back; then the random windows. The
    // Japanese one seeds from the time and draws first, the Chinese one draws
    // next from the same sequence; Close seeds again.
    void maxims_read_in_order_and_at_random()
    {
        const unsigned seed
            = unsigned(QDateTime(QDate(2009, 3, 5), QTime(9, 5, 8)).toSecsSinceEpoch());
        stand_clock_at(QDateTime::fromSecsSinceEpoch(seed));
        std::srand(seed);
        const int japanese = std::rand() % 40, chinese = std::rand() % 64;
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "maxim_button");
        QCOMPARE(arrangement(window_of("Main_Maxim_Screen"), {"select_button", "kind_group"}),
            "kind_group select_button select_button");
        QWidget *browser = choose_maxims(clock, "chinese_radio", "numeric_radio", "Maxim_Word");
        check_place(browser, clock, {480, 360}, {760, 280});
        const QStringList row {"close_button", "next_button", "back_button", "no_label"};
        QCOMPARE(arrangement(browser, row),
            "no_label back_button next_button close_button close_button next_button back_button");
        Output_Capture output;
        QStringList read {shown(browser)};
        for (int n = 1; enabled(browser, "next_button"); ++n) {
            QCOMPARE(enabled(browser, "back_button"), n > 1);
            press(browser, "next_button");
            read << shown(browser);
            const QStringList lines = output.take_lines();
            const QString at = lines.value(0).section('=', 3); // where the entry lies in memory
            QCOMPARE(lines.join('|'),
                QStringLiteral("1.i=%1,i=%1,maxim+i=%2|2.i=%1,i=%1,maxim+i=%2|i=%1")
                    .arg(QString::number(n), at));
        }
        QCOMPARE(read.size(), 64);
        QVERIFY(browser->findChild<QTextEdit *>("text_edit")->isReadOnly());
        for (const char *entry : {"No=0|Hijyouhatokunomotonari|Kenjyou koso Toku no kihon de aru",
                 "No=20|Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi|31seikou "
                 "nisite",
                 "No=63|taiki ha bannseisu|97.kane ya kanae noyouna"})
            QCOMPARE(read[QString(entry).section('|', 0, 0).mid(3).toInt()], entry);

        for (int n = 62; n >= 0; --n) {
            press(browser, "back_button");
            QCOMPARE(shown(browser), read[n]);
            QVERIFY(enabled(browser, "back_button") == (n > 0) && enabled(browser, "next_button"));
            QCOMPARE(output.take_lines().size(), 2);
        }
        for (int n = 0; n < 63; ++n) // closed on the last, where Next is disabled
            press(browser, "next_button");
        QVERIFY(QTest::qWaitForWindowActive(browser));
        press(browser, "close_button");
        QVERIFY(!browser->isVisible());
        QCOMPARE(choose_maxims(clock, "chinese_radio", "numeric_radio", "Maxim_Word"), browser);
        QCOMPARE(shown(browser), read[0]);
        // Closed and opened again, the window tells of each focus move once.
        QVERIFY(QTest::qWaitForWindowActive(browser));
        QSignalSpy focus_moves(qApp, &QGuiApplication::focusObjectChanged);
        browser->findChild<QWidget *>("text_edit")->setFocus();
        browser->findChild<QWidget *>("next_button")->setFocus();
        QCOMPARE(focus_moves.size(), 2);
        QVERIFY(!enabled(browser, "back_button") && enabled(browser, "next_button"));

        // The Japanese browser keeps its entry when closed.
        browser = choose_maxims(clock, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
        check_place(browser, clock, {630, 220}, {500, 380});
        QCOMPARE(arrangement(browser, row),
            "no_label back_button next_button close_button next_button close_button back_button");
        QCOMPARE(shown(browser), "No=0|1.Omoitukuhito|Hitto gaderuto");
        for (int n = 1; n < 40; ++n)
            press(browser, "next_button");
        QCOMPARE(shown(browser), "No=39|40Hito ga jibunn kara|Seikousiteru hito ha");
        QVERIFY(!enabled(browser, "next_button"));
        output.take_lines();
        press(browser, "back_button");
        QCOMPARE(output.take_lines().join('|').remove(QRegularExpression("\\d{6,}")), // addresses
            "1.i2=38,i2=38,maxim+i=|2.i2=38,i2=38,maxim+i2=|i2=38");
        press(browser, "close_button");
        QCOMPARE(choose_maxims(clock, "japanese_radio", "numeric_radio", "Maxim_Word_Ja"), browser);
        QCOMPARE(shown(browser).section('|', 0, 1), "No=38|39Sippai sitemo");
        QVERIFY(!choose_maxims(clock, "close_radio", "random_radio", "Maxim_Word_Rand"));
        QVERIFY(!window_of("Main_Maxim_Screen"));

        browser = choose_maxims(clock, "chinese_radio", "random_radio", "Maxim_Word_Rand");
        check_place(browser, clock, {480, 360}, {760, 280});
        QCOMPARE(shown(browser), read[chinese]);
        press(browser, "close_button");
        std::srand(seed);
        QCOMPARE(choose_maxims(clock, "chinese_radio", "random_radio", "Maxim_Word_Rand"), browser);
        QCOMPARE(shown(browser).section('|', 0, 0), QStringLiteral("No=%1").arg(std::rand() % 64));
        browser = choose_maxims(clock, "japanese_radio", "random_radio", "Maxim_Word_Rand_Ja");
        check_place(browser, clock, {}, {500, 380});
        QCOMPARE(shown(browser).section('|', 0, 0), QStringLiteral("No=%1").arg(japanese));
    }
};

QTEST_MAIN(Tst_Maxims)
#include "tst_maxims.moc"
