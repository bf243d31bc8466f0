// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_entry.h"
#include "support/zelvane_test.h"

#include <cstdlib>

namespace {
// The number, heading and text a maxim window shows.
QString shown(QWidget *window)
{
    return texts(window, {"no_label", "heading_label", "heading_edit", "text_edit"});
}
} // namespace

// The maxims from the clock: each browser read forward and back, closed and
// opened again by its button and by its title bar; the random windows,
// drawing anew only when their Close is pressed. The browsers keep their
// entry for the life of the process.
class Tst_Maxims : public QObject
{
    Q_OBJECT
    QStringList read[2]; // each catalogue's entries, as its browser shows them

private slots:
    void cleanup() { take_down_clocks(); }

    // A browser worked step by step: > or < and a number, Next or Back
    // pressed until that entry shows; c, its Close; x, its title bar's close;
    // t, text typed into its text areas; o and a number, opened from the menu
    // on that entry. Then some entries, as the catalogue has them.
    void browsers_read_in_order_and_again_data()
    {
        table_data(R"(
Maxim_Word|chinese_radio|>63 <0 >17 x o17 c o0 >63 c o0|0|Hijyouhatokunomotonari|Kenjyou koso Toku no kihon de aru|20|Fuuki ni site kokyou ni kaerazaru ha syuu wo kite yoruikugagotosi|31seikou nisite|63|taiki ha bannseisu|97.kane ya kanae noyouna
Maxim_Word_Ja|japanese_radio|>39 <38 c o38 x o38 t >39 <38 <0|0|1.Omoitukuhito|Hitto gaderuto|39|40Hito ga jibunn kara|Seikousiteru hito ha)");
    }

    void browsers_read_in_order_and_again()
    {
        QFETCH(QStringList, row);
        const bool ja = row[0].endsWith("_Ja");
        const int last = ja ? 39 : 63;
        const QString name = ja ? "i2" : "i";
        Date_Time_Screen *clock = nullptr;
        const auto open = [&] {
            return choose_maxims(clock, qPrintable(row[1]), "numeric_radio", qPrintable(row[0]));
        };
        QWidget *browser = open();
        QStringList &entries = read[ja] = QStringList {shown(browser)};
        Output_Capture output;
        quint64 first = 0; // where entry 0 lies in memory, as the trace lines print it
        for (const QString &step : row[2].split(' ')) {
            const QChar action = step[0];
            const int n = step.mid(1).toInt();
            for (int at = shown(browser).section('|', 0, 0).mid(3).toInt();
                 (action == '>' && at < n) || (action == '<' && at > n);) {
                at += action == '>' ? 1 : -1;
                press(browser, action == '>' ? "next_button" : "back_button");
                if (entries.size() == at)
                    entries << shown(browser);
                const QStringList lines = output.take_lines();
                const quint64 address = lines.value(0).section('=', 3).toULongLong();
                first = first ? first : address - at * sizeof(Maxim_Entry);
                QCOMPARE(address, first + at * sizeof(Maxim_Entry));
                QCOMPARE(lines.join('|'),
                    QStringLiteral("1.%1=%2,%1=%2,maxim+i=%3|2.%1=%2,%1=%2,maxim+%1=%3")
                            .arg(name)
                            .arg(at)
                            .arg(address)
                        + (ja || action == '>' ? QStringLiteral("|%1=%2").arg(name).arg(at) : ""));
            }
            if (action == 't') {
                for (const char *area : {"heading_edit", "text_edit"})
                    QTest::keyClicks(browser->findChild<QWidget *>(area), "mine");
                QCOMPARE(shown(browser).count("mine"), 2);
            }
            if (action == 'c' || action == 'x')
                action == 'c' ? press(browser, "close_button") : (void)browser->close();
            if (action == 'o')
                QCOMPARE(open(), browser);
            QCOMPARE(browser->isVisible(), action != 'c' && action != 'x');
            const auto enabled = [&](const char *button) {
                return browser->findChild<QWidget *>(button)->isEnabled();
            };
            if (step.size() > 1)
                QCOMPARE(shown(browser) + (enabled("back_button") ? " back" : "")
                        + (enabled("next_button") ? " next" : ""),
                    entries.value(n) + (n > 0 ? " back" : "") + (n < last ? " next" : ""));
        }
        QCOMPARE(entries.size(), last + 1);
        for (int field = 3; field + 2 < row.size(); field += 3)
            QCOMPARE(entries[row[field].toInt()], "No=" + row.mid(field, 3).join('|'));
        // Closed with the focus and opened again, the window tells of each
        // focus move once.
        QVERIFY(QTest::qWaitForWindowActive(browser, patience_ms));
        browser->close();
        QVERIFY(QTest::qWaitForWindowActive(open(), patience_ms));
        QSignalSpy focus_moves(qApp, &QGuiApplication::focusObjectChanged);
        browser->findChild<QWidget *>("text_edit")->setFocus();
        browser->findChild<QWidget *>("next_button")->setFocus();
        QCOMPARE(focus_moves.size(), 2);
    }

    // The Japanese window seeds the generator from the clock's time and draws
    // first, the Chinese one draws next from the same sequence; Close seeds
    // again and draws, the title bar only hides. &Close opens nothing, and
    // the menu opens again on the last choice.
    void random_windows_draw_anew_on_close()
    {
        const qint64 seed = QDateTime(QDate(2009, 3, 5), QTime(9, 5, 8)).toSecsSinceEpoch();
        stand_clock_at(QDateTime::fromSecsSinceEpoch(seed));
        std::srand(seed);
        const int first[2] = {std::rand() % 40, std::rand() % 64};
        Date_Time_Screen *clock = nullptr;
        for (const bool ja : {false, true}) {
            const char *kind = ja ? "japanese_radio" : "chinese_radio",
                       *name = ja ? "Maxim_Word_Rand_Ja" : "Maxim_Word_Rand";
            const int count = ja ? 40 : 64;
            QWidget *window = choose_maxims(clock, kind, "random_radio", name);
            QCOMPARE(shown(window), read[ja].value(first[!ja]));
            window->close();
            QCOMPARE(choose_maxims(clock, kind, "random_radio", name), window);
            QCOMPARE(shown(window), read[ja].value(first[!ja]));
            stand_clock_at(QDateTime::fromSecsSinceEpoch(seed + 1));
            press(window, "close_button");
            std::srand(seed + 1);
            const int next = std::rand() % count;
            QVERIFY(next != first[!ja] && !window->isVisible());
            QCOMPARE(choose_maxims(clock, kind, "random_radio", name), window);
            QCOMPARE(shown(window), read[ja].value(next));
        }
        QVERIFY(!choose_maxims(clock, "close_radio", "numeric_radio", "Maxim_Word"));
        press(open_menu(clock), "maxim_button");
        for (const char *radio : {"close_radio", "numeric_radio"})
            QVERIFY(window_of("Main_Maxim_Screen")->findChild<QRadioButton *>(radio)->isChecked());
    }
};

QTEST_MAIN(Tst_Maxims)
#include "tst_maxims.moc"
