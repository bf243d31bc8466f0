// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim_word.h"
#include "maxim_word_ja.h"

#include <QRegularExpression>
#include <QtTest>
#include <climits>

// The two maxim catalogues as the windows look them up, without a translator.
class Tst_Maxim_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void listed_texts_data();
    void listed_texts();
    void texts_keep_line_feeds_and_blanks();
    void every_entry_has_heading_and_text_within_limits();
    void japanese_headings_carry_their_number();
    void chinese_texts_from_entry_20_carry_increasing_reference_numbers();
    void lookups_outside_the_catalogue_are_empty();
    void every_instance_gives_the_same_texts();
};

void Tst_Maxim_Catalogue::listed_texts_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("expected");

    QTest::newRow("chinese 0 heading") << false << 0 << 0 << "Hijyouhatokunomotonari";
    QTest::newRow("chinese 0 text") << false << 0 << 1 << "Kenjyou koso Toku no kihon de aru";
    QTest::newRow("chinese 20 text") << false << 20 << 1 << "31seikou nisite";
    QTest::newRow("chinese 27 text") << false << 27 << 1 << "43.syakuroku ha syakui to houroku";
    QTest::newRow("chinese 59 heading") << false << 59 << 0 << "Saiou ga uma";
    QTest::newRow("chinese 61 text")
        << false << 61 << 1 << "95 syuusyuujidaini seigino tatakaihanakatta";
    QTest::newRow("chinese 63 heading") << false << 63 << 0 << "taiki ha bannseisu";
    QTest::newRow("chinese 63 text") << false << 63 << 1 << "97.kane ya kanae noyouna";
    QTest::newRow("japanese 0 heading") << true << 0 << 0 << "1.Omoitukuhito";
    QTest::newRow("japanese 0 text") << true << 0 << 1 << "Hitto gaderuto";
    QTest::newRow("japanese 18 heading") << true << 18 << 0 << "19.Hariwood no priducer ha";
    QTest::newRow("japanese 20 heading") << true << 20 << 0 << "21Unn ga warukattara";
    QTest::newRow("japanese 39 heading") << true << 39 << 0 << "40Hito ga jibunn kara";
    QTest::newRow("japanese 39 text") << true << 39 << 1 << "Seikousiteru hito ha";
}

void Tst_Maxim_Catalogue::listed_texts()
{
    QFETCH(bool, japanese);
    QFETCH(int, number);
    QFETCH(int, column);
    QFETCH(QString, expected);
    Maxim_Word chinese;
    Maxim_Word_Ja japan;
    QCOMPARE(
        japanese ? japan.Get_Maxim_Text(number, column) : chinese.Get_Maxim_Text(number, column),
        expected);
}

void Tst_Maxim_Catalogue::texts_keep_line_feeds_and_blanks()
{
    Maxim_Word chinese;

    const QString heading_3 = chinese.Get_Maxim_Text(3, 0);
    QCOMPARE(heading_3.count(QLatin1Char('\n')), 1);
    QVERIFY(heading_3.startsWith(QLatin1String("Hito nisite sinn nakuba,")));
    QVERIFY(heading_3.contains(QLatin1String("daisya nigeinaku,\nsyousya ni getu nakunnba,")));

    const QStringList lines_2 = chinese.Get_Maxim_Text(2, 1).split(QLatin1Char('\n'));
    QCOMPARE(lines_2,
        QStringList({"Ti womigakunaraba kikenkarami wo sakerukotogadekiru", "",
            "ti toha fukaiyomi no dekirunouryoku", "",
            " sinjituno ti ha omotedattehyoumeisubekidehanai"}));

    QCOMPARE(chinese.Get_Maxim_Text(1, 1).count(QLatin1Char('\n')), 2);
    QCOMPARE(chinese.Get_Maxim_Text(17, 0),
        QStringLiteral("Syou ni  kyu nisite hai wo wasusururu kotonakare"));
}

void Tst_Maxim_Catalogue::every_entry_has_heading_and_text_within_limits()
{
    const QRegularExpression printable(QStringLiteral("^[\\x20-\\x7e\\n]+$"));
    Maxim_Word chinese;
    for (int n = 0; n < Maxim_Word::maxim_count; ++n) {
        const QString heading = chinese.Get_Maxim_Text(n, 0);
        const QString text = chinese.Get_Maxim_Text(n, 1);
        QVERIFY2(printable.match(heading).hasMatch(), qPrintable(QString::number(n)));
        QVERIFY2(printable.match(text).hasMatch(), qPrintable(QString::number(n)));
        QVERIFY2(heading.size() <= 128, qPrintable(QString::number(n)));
        QVERIFY2(text.size() <= 255, qPrintable(QString::number(n)));
    }
    Maxim_Word_Ja japanese;
    for (int n = 0; n < Maxim_Word_Ja::maxim_count; ++n) {
        QVERIFY(printable.match(japanese.Get_Maxim_Text(n, 0)).hasMatch());
        QVERIFY(printable.match(japanese.Get_Maxim_Text(n, 1)).hasMatch());
    }
}

void Tst_Maxim_Catalogue::japanese_headings_carry_their_number()
{
    Maxim_Word_Ja japanese;
    for (int n = 0; n < Maxim_Word_Ja::maxim_count; ++n) {
        const QString heading = japanese.Get_Maxim_Text(n, 0);
        const QString number = QString::number(n + 1);
        QVERIFY2(heading.startsWith(number), qPrintable(heading));
        const QChar after = heading.at(number.size());
        if (n < 20)
            QVERIFY2(after == QLatin1Char('.'), qPrintable(heading));
        else
            QVERIFY2(after.isLetter(), qPrintable(heading));
    }
}

void Tst_Maxim_Catalogue::chinese_texts_from_entry_20_carry_increasing_reference_numbers()
{
    const QRegularExpression reference(QStringLiteral("^([0-9]+)[A-Za-z. ]"));
    Maxim_Word chinese;
    int first = 0;
    int previous = 0;
    for (int n = 20; n < Maxim_Word::maxim_count; ++n) {
        const QString text = chinese.Get_Maxim_Text(n, 1);
        const QRegularExpressionMatch match = reference.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(QString::number(n) + QLatin1Char(' ') + text));
        const int number = match.captured(1).toInt();
        if (n == 20)
            first = number;
        else
            QVERIFY2(number > previous, qPrintable(QString::number(n) + QLatin1Char(' ') + text));
        previous = number;
    }
    QCOMPARE(first, 31);
    QCOMPARE(previous, 97);
}

void Tst_Maxim_Catalogue::lookups_outside_the_catalogue_are_empty()
{
    Maxim_Word chinese;
    Maxim_Word_Ja japanese;
    const QList<QPair<int, int>> outside
        = {{-1, 0}, {64, 0}, {0, 2}, {0, -1}, {63, 2}, {INT_MIN, 1}, {INT_MAX, 0}, {32, INT_MAX}};
    for (const auto &[number, column] : outside)
        QVERIFY2(chinese.Get_Maxim_Text(number, column).isNull(),
            qPrintable(QStringLiteral("%1,%2").arg(number).arg(column)));
    for (const auto &[number, column] : outside)
        QVERIFY(japanese.Get_Maxim_Text(number, column).isNull());
    QVERIFY(japanese.Get_Maxim_Text(40, 0).isNull());
    QVERIFY(japanese.Get_Maxim_Text(39, 2).isNull());
    QVERIFY(!japanese.Get_Maxim_Text(39, 1).isEmpty());
    QVERIFY(!chinese.Get_Maxim_Text(63, 1).isEmpty());
}

void Tst_Maxim_Catalogue::every_instance_gives_the_same_texts()
{
    Maxim_Word first;
    Maxim_Word second;
    for (int n = 0; n < Maxim_Word::maxim_count; ++n) {
        for (int column = 0; column < 2; ++column)
            QCOMPARE(second.Get_Maxim_Text(n, column), first.Get_Maxim_Text(n, column));
    }
    Maxim_Word_Ja first_ja;
    Maxim_Word_Ja second_ja;
    for (int n = 0; n < Maxim_Word_Ja::maxim_count; ++n) {
        for (int column = 0; column < 2; ++column)
            QCOMPARE(second_ja.Get_Maxim_Text(n, column), first_ja.Get_Maxim_Text(n, column));
    }
    // The two catalogues are kept apart.
    QVERIFY(first.Get_Maxim_Text(0, 0) != first_ja.Get_Maxim_Text(0, 0));
}

QTEST_MAIN(Tst_Maxim_Catalogue)
#include "tst_maxim_catalogue.moc"
