// SPDX-License-Identifier: GPL-3.0-or-later
#include "chinese_maxims.h"
#include "japanese_maxims.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"

#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtTest>
#include <climits>

namespace {

// Translates the heading of entry 1 of each catalogue to its own word, and
// counts how often any catalogue text is asked for.
class Counting_Translator : public QTranslator
{
public:
    explicit Counting_Translator(const char *word) : word(QString::fromLatin1(word))
    {
        for (int k = 0; k < 2 * chinese_maxim_count; ++k)
            catalogue_texts.insert(chinese_maxim_source[k]);
        for (int k = 0; k < 2 * japanese_maxim_count; ++k)
            catalogue_texts.insert(japanese_maxim_source[k]);
    }

    bool isEmpty() const override { return false; }

    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (catalogue_texts.contains(source))
            ++calls;
        if (qstrcmp(source, chinese_maxim_source[2]) == 0
            || qstrcmp(source, japanese_maxim_source[2]) == 0)
            return word;
        return QString();
    }

    mutable int calls = 0;

private:
    QString word;
    QSet<QByteArray> catalogue_texts;
};

} // namespace

// The two maxim catalogues as the windows look them up. The cache lives for
// the whole process, so this test installs its translator before anything
// looks a maxim up.
class Tst_Maxim_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogues_are_translated_once_at_the_first_lookup();
    void listed_texts();
    void chinese_texts_are_short_and_numbered_from_entry_20();
    void lookups_outside_the_catalogues_are_empty();

private:
    Counting_Translator early {"early"};
};

void Tst_Maxim_Catalogue::initTestCase()
{
    QVERIFY(QCoreApplication::installTranslator(&early));
}

void Tst_Maxim_Catalogue::catalogues_are_translated_once_at_the_first_lookup()
{
    QCOMPARE(early.calls, 0);
    Maxim_Word chinese;
    QCOMPARE(early.calls, 2 * chinese_maxim_count);
    Maxim_Word_Ja japanese;
    QCOMPARE(early.calls, 2 * (chinese_maxim_count + japanese_maxim_count));
    QCOMPARE(chinese.Get_Maxim_Text(1, 0), QStringLiteral("early"));
    QCOMPARE(japanese.Get_Maxim_Text(1, 0), QStringLiteral("early"));

    // A translator installed now is used by others, but not by the catalogues:
    // new windows share the texts already translated.
    Counting_Translator late("late");
    QVERIFY(QCoreApplication::installTranslator(&late));
    Maxim_Word chinese_again;
    Maxim_Word_Ja japanese_again;
    for (int n = 0; n < chinese_maxim_count; ++n) {
        for (int column = 0; column < 2; ++column) {
            QCOMPARE(chinese_again.Get_Maxim_Text(n, column), chinese.Get_Maxim_Text(n, column));
            if (n < japanese_maxim_count)
                QCOMPARE(
                    japanese_again.Get_Maxim_Text(n, column), japanese.Get_Maxim_Text(n, column));
        }
    }
    QCOMPARE(chinese_again.Get_Maxim_Text(1, 0), QStringLiteral("early"));
    QCOMPARE(late.calls, 0);
    QCOMPARE(
        QCoreApplication::translate("Maxim_Word", chinese_maxim_source[2]), QStringLiteral("late"));
    QCoreApplication::removeTranslator(&late);
}

void Tst_Maxim_Catalogue::listed_texts()
{
    Maxim_Word chinese;
    Maxim_Word_Ja japanese;
    QCOMPARE(chinese.Get_Maxim_Text(0, 0), QStringLiteral("Hijyouhatokunomotonari"));
    QCOMPARE(chinese.Get_Maxim_Text(0, 1), QStringLiteral("Kenjyou koso Toku no kihon de aru"));
    QCOMPARE(chinese.Get_Maxim_Text(63, 1), QStringLiteral("97.kane ya kanae noyouna"));
    QCOMPARE(japanese.Get_Maxim_Text(0, 0), QStringLiteral("1.Omoitukuhito"));
    QCOMPARE(japanese.Get_Maxim_Text(0, 1), QStringLiteral("Hitto gaderuto"));
    QCOMPARE(japanese.Get_Maxim_Text(39, 0), QStringLiteral("40Hito ga jibunn kara"));
    QCOMPARE(japanese.Get_Maxim_Text(39, 1), QStringLiteral("Seikousiteru hito ha"));

    // Line feeds and doubled blanks are kept as written.
    QCOMPARE(chinese.Get_Maxim_Text(2, 1).split(QLatin1Char('\n')),
        QStringList({"Ti womigakunaraba kikenkarami wo sakerukotogadekiru", "",
            "ti toha fukaiyomi no dekirunouryoku", "",
            " sinjituno ti ha omotedattehyoumeisubekidehanai"}));
    QCOMPARE(chinese.Get_Maxim_Text(3, 0).section(QLatin1Char('\n'), 1),
        QStringLiteral("syousya ni getu nakunnba,sorenani wo nite korewo yarananya"));
    QCOMPARE(chinese.Get_Maxim_Text(17, 0),
        QStringLiteral("Syou ni  kyu nisite hai wo wasusururu kotonakare"));
}

void Tst_Maxim_Catalogue::chinese_texts_are_short_and_numbered_from_entry_20()
{
    // From entry 20 on, each text starts with its reference number.
    const QRegularExpression reference(QStringLiteral("^([0-9]+)[A-Za-z. ]"));
    Maxim_Word chinese;
    int previous = 0;
    for (int n = 0; n < chinese_maxim_count; ++n) {
        const QString text = chinese.Get_Maxim_Text(n, 1);
        QVERIFY2(!text.isEmpty() && text.size() <= 255, qPrintable(QString::number(n)));
        if (n < 20)
            continue;
        const QRegularExpressionMatch match = reference.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        const int number = match.captured(1).toInt();
        QVERIFY2(n == 20 ? number == 31 : number > previous, qPrintable(text));
        previous = number;
    }
    QCOMPARE(previous, 97);
}

void Tst_Maxim_Catalogue::lookups_outside_the_catalogues_are_empty()
{
    Maxim_Word chinese;
    Maxim_Word_Ja japanese;
    const QList<QPair<int, int>> outside
        = {{-1, 0}, {64, 0}, {INT_MIN, 1}, {INT_MAX, 0}, {0, -1}, {0, 2}, {63, 2}, {32, INT_MAX}};
    for (const auto &[number, column] : outside)
        QVERIFY(chinese.Get_Maxim_Text(number, column).isEmpty());
    for (const auto &[number, column] : outside)
        QVERIFY(japanese.Get_Maxim_Text(number, column).isEmpty());
    QVERIFY(japanese.Get_Maxim_Text(40, 0).isEmpty());
    QVERIFY(japanese.Get_Maxim_Text(39, 2).isEmpty());
}

QTEST_MAIN(Tst_Maxim_Catalogue)
#include "tst_maxim_catalogue.moc"
