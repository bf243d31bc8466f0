// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_clock.h"
#include "maxim_window.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "maxim_word_rand.h"
#include "maxim_word_rand_ja.h"

#include <QtTest>
#include <cstdlib>
#include <functional>

namespace {

const QDateTime start_moment(QDate(2026, 12, 6), QTime(20, 15, 0), Qt::UTC);

// What the generator gives as its draw-th value after being seeded with the
// seconds of this moment.
int drawn_after_seeding(const QDateTime &moment, int draw, int modulus)
{
    std::srand(static_cast<unsigned>(moment.toSecsSinceEpoch()));
    int value = 0;
    for (int k = 0; k < draw; ++k)
        value = std::rand();
    return value % modulus;
}

// The number a random window shows, read back from its label.
int shown_number(QWidget &window)
{
    const QString text = maxim_number(window);
    bool ok = false;
    const int number = text.mid(3).toInt(&ok);
    return ok && text.startsWith(QLatin1String("No=")) ? number : -1;
}

} // namespace

// The two windows that show a maxim drawn at random.
class Tst_Maxim_Word_Rand : public QObject
{
    Q_OBJECT

private slots:
    void start_up_seeds_before_the_first_draw();
    void close_button_draws_and_title_bar_close_does_not();
};

void Tst_Maxim_Word_Rand::start_up_seeds_before_the_first_draw()
{
    Fake_Clock clock(start_moment);
    // Whatever the generator held before, the Japanese window seeds it from
    // the time, and the Chinese window takes the next value.
    std::srand(99);
    Maxim_Word_Rand_Ja japanese;
    Maxim_Word_Rand chinese;
    QCOMPARE(shown_number(japanese), drawn_after_seeding(start_moment, 1, 40));
    QCOMPARE(shown_number(chinese), drawn_after_seeding(start_moment, 2, 64));
}

void Tst_Maxim_Word_Rand::close_button_draws_and_title_bar_close_does_not()
{
    Fake_Clock clock(start_moment);
    Maxim_Word chinese_catalogue;
    Maxim_Word_Ja japanese_catalogue;
    Maxim_Word_Rand chinese;
    Maxim_Word_Rand_Ja japanese;
    const struct
    {
        QWidget *window;
        int count;
        std::function<QString(int, int)> lookup;
    } windows[] = {{&chinese, Maxim_Word::maxim_count,
                       [&](int n, int c) { return chinese_catalogue.Get_Maxim_Text(n, c); }},
        {&japanese, Maxim_Word_Ja::maxim_count,
            [&](int n, int c) { return japanese_catalogue.Get_Maxim_Text(n, c); }}};

    for (const auto &subject : windows) {
        QWidget &window = *subject.window;
        clock.set(start_moment);
        for (int second = 0; second < 100; ++second) {
            clock.advance_ms(1000);
            std::srand(second); // whatever the generator held before
            window.show();
            press(window, "close_button");
            QVERIFY(!window.isVisible());
            const int number = shown_number(window);
            QCOMPARE(number, drawn_after_seeding(clock.now(), 1, subject.count));
            QCOMPARE(maxim_heading(window), subject.lookup(number, 0));
            QCOMPARE(maxim_text(window), subject.lookup(number, 1));
        }

        // Within the same second Close seeds alike and draws the same number.
        const int number = shown_number(window);
        std::rand();
        clock.advance_ms(999);
        press(window, "close_button");
        QCOMPARE(shown_number(window), number);

        // The title bar's close neither seeds nor draws.
        window.show();
        clock.advance_ms(60000);
        std::srand(555);
        const int untouched = std::rand();
        std::srand(555);
        QVERIFY(window.close());
        QCOMPARE(std::rand(), untouched);
        QCOMPARE(shown_number(window), number);
    }
}

QTEST_MAIN(Tst_Maxim_Word_Rand)
#include "tst_maxim_word_rand.moc"
