// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_clock.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "maxim_word_rand.h"
#include "maxim_word_rand_ja.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <cstdlib>

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
    const QString text = window.findChild<QLabel *>(QStringLiteral("no_label"))->text();
    if (!text.startsWith(QLatin1String("No=")))
        return -1;
    bool ok = false;
    const int number = text.mid(3).toInt(&ok);
    return ok ? number : -1;
}

QString heading_of(QWidget &window)
{
    if (auto *label = window.findChild<QLabel *>(QStringLiteral("heading_label")))
        return label->text();
    return window.findChild<QTextEdit *>(QStringLiteral("heading_edit"))->toPlainText();
}

QString text_of(QWidget &window)
{
    return window.findChild<QTextEdit *>(QStringLiteral("text_edit"))->toPlainText();
}

void press_close(QWidget &window)
{
    QTest::mouseClick(
        window.findChild<QPushButton *>(QStringLiteral("close_button")), Qt::LeftButton);
}

} // namespace

// The two windows that show a maxim drawn at random.
class Tst_Maxim_Word_Rand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windows_are_built_as_designed();
    void start_up_draws_from_one_time_seeded_sequence();
    void every_draw_is_in_range_with_its_own_texts();
    void close_draws_again_from_the_time();
    void closes_in_one_second_draw_the_same_number();
    void title_bar_close_does_not_draw();
    void japanese_texts_are_editable_until_the_next_draw();

private:
    Maxim_Word chinese_catalogue;
    Maxim_Word_Ja japanese_catalogue;
};

void Tst_Maxim_Word_Rand::initTestCase()
{
    QVERIFY(!chinese_catalogue.Get_Maxim_Text(0, 0).isEmpty());
}

void Tst_Maxim_Word_Rand::windows_are_built_as_designed()
{
    Fake_Clock clock(start_moment);
    Maxim_Word_Rand_Ja japanese;
    Maxim_Word_Rand chinese;

    QVERIFY(chinese.isWindow() && japanese.isWindow());
    QVERIFY(!chinese.isVisible() && !japanese.isVisible());
    QCOMPARE(chinese.windowTitle(), QString());
    QCOMPARE(japanese.windowTitle(), QString());
    QCOMPARE(chinese.pos(), QPoint(480, 360));
    QCOMPARE(chinese.minimumSize(), QSize(760, 280));
    QCOMPARE(chinese.maximumSize(), QSize(760, 280));
    QCOMPARE(japanese.minimumSize(), QSize(500, 380));
    QCOMPARE(japanese.maximumSize(), QSize(500, 380));

    auto *heading_label = chinese.findChild<QLabel *>(QStringLiteral("heading_label"));
    auto *chinese_text = chinese.findChild<QTextEdit *>(QStringLiteral("text_edit"));
    QVERIFY(heading_label && chinese_text);
    QCOMPARE(heading_label->font().pointSize(), 10);
    QCOMPARE(heading_label->font().weight(), QFont::Bold);
    QCOMPARE(chinese_text->font().pointSize(), 12);
    QVERIFY(chinese_text->isReadOnly());
    QCOMPARE(chinese.findChild<QLabel *>(QStringLiteral("no_label"))->font().weight(), QFont::Bold);

    auto *heading_edit = japanese.findChild<QTextEdit *>(QStringLiteral("heading_edit"));
    auto *japanese_text = japanese.findChild<QTextEdit *>(QStringLiteral("text_edit"));
    QVERIFY(heading_edit && japanese_text);
    QCOMPARE(heading_edit->font().pointSize(), 14);
    QCOMPARE(japanese_text->font().pointSize(), 14);
    QCOMPARE(japanese_text->font().weight(), QFont::Bold);
    QVERIFY(!heading_edit->isReadOnly());
    QVERIFY(!japanese_text->isReadOnly());

    for (QWidget *window : {static_cast<QWidget *>(&chinese), static_cast<QWidget *>(&japanese)}) {
        const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.first()->text(), QStringLiteral("Close"));
    }

    // The hidden look-up browsers are never shown.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<Maxim_Word *>(top) || qobject_cast<Maxim_Word_Ja *>(top))
            QVERIFY(!top->isVisible());
    }
}

void Tst_Maxim_Word_Rand::start_up_draws_from_one_time_seeded_sequence()
{
    Fake_Clock clock(start_moment);
    // Whatever the generator held before, the Japanese window seeds it from
    // the time, and the Chinese window takes the next value.
    std::srand(99);
    Maxim_Word_Rand_Ja japanese;
    Maxim_Word_Rand chinese;
    QCOMPARE(shown_number(japanese), drawn_after_seeding(start_moment, 1, 40));
    QCOMPARE(shown_number(chinese), drawn_after_seeding(start_moment, 2, 64));

    // The Chinese window alone does not seed.
    std::srand(7);
    const int expected = std::rand() % 64;
    std::srand(7);
    Maxim_Word_Rand chinese_alone;
    QCOMPARE(shown_number(chinese_alone), expected);
}

void Tst_Maxim_Word_Rand::every_draw_is_in_range_with_its_own_texts()
{
    Fake_Clock clock(start_moment);
    Maxim_Word_Rand_Ja japanese;
    Maxim_Word_Rand chinese;
    QSet<int> chinese_seen;
    QSet<int> japanese_seen;
    for (int second = 0; second < 400; ++second) {
        clock.advance_ms(1000);
        press_close(chinese);
        press_close(japanese);
        const int c = shown_number(chinese);
        const int j = shown_number(japanese);
        QVERIFY2(c >= 0 && c < 64, qPrintable(QString::number(c)));
        QVERIFY2(j >= 0 && j < 40, qPrintable(QString::number(j)));
        QCOMPARE(heading_of(chinese), chinese_catalogue.Get_Maxim_Text(c, 0));
        QCOMPARE(text_of(chinese), chinese_catalogue.Get_Maxim_Text(c, 1));
        QCOMPARE(heading_of(japanese), japanese_catalogue.Get_Maxim_Text(j, 0));
        QCOMPARE(text_of(japanese), japanese_catalogue.Get_Maxim_Text(j, 1));
        chinese_seen.insert(c);
        japanese_seen.insert(j);
    }
    // Over 400 draws the numbers spread over the catalogues, ends included.
    QVERIFY(chinese_seen.size() > 40);
    QVERIFY(japanese_seen.size() > 30);
}

void Tst_Maxim_Word_Rand::close_draws_again_from_the_time()
{
    Fake_Clock clock(start_moment);
    Maxim_Word_Rand chinese;
    Maxim_Word_Rand_Ja japanese;

    chinese.show();
    clock.advance_ms(5000);
    std::srand(1234);
    press_close(chinese);
    QVERIFY(!chinese.isVisible());
    QCOMPARE(shown_number(chinese), drawn_after_seeding(clock.now(), 1, 64));
    const QString heading = heading_of(chinese);
    chinese.show();
    QCOMPARE(heading_of(chinese), heading);
    chinese.hide();

    japanese.show();
    clock.advance_ms(7000);
    std::srand(4321);
    press_close(japanese);
    QVERIFY(!japanese.isVisible());
    QCOMPARE(shown_number(japanese), drawn_after_seeding(clock.now(), 1, 40));
}

void Tst_Maxim_Word_Rand::closes_in_one_second_draw_the_same_number()
{
    Fake_Clock clock(start_moment.addSecs(31));
    Maxim_Word_Rand chinese;
    Maxim_Word_Rand_Ja japanese;
    press_close(chinese);
    const int first = shown_number(chinese);
    std::rand(); // someone else draws in between
    clock.advance_ms(999);
    press_close(chinese);
    QCOMPARE(shown_number(chinese), first);

    press_close(japanese);
    const int first_ja = shown_number(japanese);
    press_close(japanese);
    QCOMPARE(shown_number(japanese), first_ja);
}

void Tst_Maxim_Word_Rand::title_bar_close_does_not_draw()
{
    Fake_Clock clock(start_moment);
    Maxim_Word_Rand chinese;
    Maxim_Word_Rand_Ja japanese;
    for (QWidget *window : {static_cast<QWidget *>(&chinese), static_cast<QWidget *>(&japanese)}) {
        window->show();
        const int number = shown_number(*window);
        const QString heading = heading_of(*window);
        clock.advance_ms(60000);
        std::srand(555);
        const int untouched = std::rand();
        std::srand(555);
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        // Neither drawn nor seeded: the generator goes on where it was.
        QCOMPARE(std::rand(), untouched);
        window->show();
        QCOMPARE(shown_number(*window), number);
        QCOMPARE(heading_of(*window), heading);
        window->hide();
    }
}

void Tst_Maxim_Word_Rand::japanese_texts_are_editable_until_the_next_draw()
{
    Fake_Clock clock(start_moment);
    Maxim_Word_Rand_Ja japanese;
    japanese.show();
    auto *heading_edit = japanese.findChild<QTextEdit *>(QStringLiteral("heading_edit"));
    heading_edit->setFocus();
    heading_edit->selectAll();
    QTest::keyClicks(heading_edit, QStringLiteral("my own"));
    QCOMPARE(heading_of(japanese), QStringLiteral("my own"));
    press_close(japanese);
    QCOMPARE(heading_of(japanese), japanese_catalogue.Get_Maxim_Text(shown_number(japanese), 0));
}

QTEST_MAIN(Tst_Maxim_Word_Rand)
#include "tst_maxim_word_rand.moc"
