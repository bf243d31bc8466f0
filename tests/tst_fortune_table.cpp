// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "fortune_table.h"
#include "mini_omikuji.h"
#include "program_run.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

// Compiles a small catalogue of Config_Mini_Omikuji entries with lrelease.
bool make_catalogue(
    const QString &folder, const QList<QPair<QString, QString>> &entries, QString *qm_path)
{
    const QString ts_path = folder + QStringLiteral("/test.ts");
    *qm_path = folder + QStringLiteral("/test.qm");
    QFile ts(ts_path);
    if (!ts.open(QIODevice::WriteOnly))
        return false;
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                     "<TS version=\"2.1\" language=\"ja_JP\">\n<context>\n"
                     "<name>Config_Mini_Omikuji</name>\n";
    for (const auto &entry : entries)
        xml += "<message><source>" + entry.first.toUtf8() + "</source><translation>"
            + entry.second.toUtf8() + "</translation></message>\n";
    xml += "</context>\n</TS>\n";
    ts.write(xml);
    ts.close();

    QProcess lrelease;
    lrelease.start(QStringLiteral(LRELEASE_PROGRAM),
        {QStringLiteral("-silent"), ts_path, QStringLiteral("-qm"), *qm_path});
    return lrelease.waitForFinished(60000) && lrelease.exitCode() == 0;
}

} // namespace

class Tst_Fortune_Table : public QObject
{
    Q_OBJECT

private slots:
    void first_and_last_rows();
    void duplicates_are_separate_entries();
    void rows_outside_the_table_give_nothing();
    void configuration_copy_of_the_names_matches();
    void grade_lookup_matches_whole_names_only();
    void same_translation_for_two_grades_gives_the_better_one();
    void japanese_catalogue_names_the_grades_in_both_windows();
};

void Tst_Fortune_Table::first_and_last_rows()
{
    QCOMPARE(Mini_Omikuji::Unsei_Name(0), QStringLiteral("Daikichi"));
    QCOMPARE(Mini_Omikuji::Study_Text(0), QStringLiteral("Beleave my self"));
    QCOMPARE(Mini_Omikuji::Lover_Text(0), QStringLiteral("Take your pick"));
    QCOMPARE(Mini_Omikuji::Money_Text(0), QStringLiteral("Lose something get anything"));
    QCOMPARE(Mini_Omikuji::Trouble_Text(0), QStringLiteral("Thinking will work out all right"));

    QCOMPARE(Mini_Omikuji::Unsei_Name(11), QStringLiteral("Daikyou"));
    QCOMPARE(Mini_Omikuji::Study_Text(11), QStringLiteral("You need not expect"));
    QCOMPARE(Mini_Omikuji::Lover_Text(11), QStringLiteral("Lover alarm"));
    QCOMPARE(Mini_Omikuji::Money_Text(11), QStringLiteral("outgo at great"));
    QCOMPARE(Mini_Omikuji::Trouble_Text(11), QStringLiteral("Good luck"));

    // The names keep their exact spelling: the catalogue is keyed by them.
    QCOMPARE(Mini_Omikuji::Unsei_Name(1), QStringLiteral("Chu kichi"));
    QCOMPARE(Mini_Omikuji::Unsei_Name(2), QStringLiteral("shoukichi"));
    QCOMPARE(Mini_Omikuji::Unsei_Name(6), QStringLiteral("Sue-shoukichi"));
}

void Tst_Fortune_Table::duplicates_are_separate_entries()
{
    QCOMPARE(Mini_Omikuji::Study_Text(2), QStringLiteral("effort the everyday"));
    QCOMPARE(Mini_Omikuji::Study_Text(3), QStringLiteral("effort the everyday"));
    QCOMPARE(Mini_Omikuji::Lover_Text(2), QStringLiteral("you close attention"));
    QCOMPARE(Mini_Omikuji::Lover_Text(5), QStringLiteral("you close attention"));
    QCOMPARE(Mini_Omikuji::Lover_Text(8), QStringLiteral("you close attention"));
    QCOMPARE(Mini_Omikuji::Money_Text(1), QStringLiteral("Only get out"));
    QCOMPARE(Mini_Omikuji::Money_Text(9), QStringLiteral("Only get out"));
    QCOMPARE(Mini_Omikuji::Trouble_Text(8), QStringLiteral("Only get out"));
    QCOMPARE(Mini_Omikuji::Trouble_Text(5), QStringLiteral("when calm down is kichi"));
    QCOMPARE(Mini_Omikuji::Trouble_Text(7), QStringLiteral("when calm down is kichi"));
    QCOMPARE(Mini_Omikuji::Lover_Text(7), QStringLiteral("Matters took a turn for the worth"));
    QCOMPARE(Mini_Omikuji::Study_Text(6), QStringLiteral("Matters took a turn for the worth"));
}

void Tst_Fortune_Table::rows_outside_the_table_give_nothing()
{
    for (int row :
        {-1, 12, 13, -1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        QCOMPARE(Mini_Omikuji::Unsei_Name(row), QString());
        QCOMPARE(Mini_Omikuji::Study_Text(row), QString());
        QCOMPARE(Mini_Omikuji::Lover_Text(row), QString());
        QCOMPARE(Mini_Omikuji::Money_Text(row), QString());
        QCOMPARE(Mini_Omikuji::Trouble_Text(row), QString());
    }
}

void Tst_Fortune_Table::configuration_copy_of_the_names_matches()
{
    for (int row = 0; row < fortune_row_count; ++row)
        QCOMPARE(QString::fromLatin1(config_unsei_name_table[row]),
            QString::fromLatin1(unsei_name_table[row]));
}

void Tst_Fortune_Table::grade_lookup_matches_whole_names_only()
{
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kyou")), 8);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("shoukichi")), 3);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Shoukichi")), -1);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kichi ")), -1);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kichi")), 4);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QString()), -1);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Dai")), -1);
    for (int row = 0; row < fortune_row_count; ++row)
        QCOMPARE(
            Config_Mini_Omikuji::Unsei_Number(QString::fromLatin1(unsei_name_table[row])), row + 1);
}

void Tst_Fortune_Table::same_translation_for_two_grades_gives_the_better_one()
{
    QTemporaryDir folder;
    QString qm;
    QVERIFY(make_catalogue(folder.path(),
        {{QStringLiteral("Suekyou"), QStringLiteral("Same")},
            {QStringLiteral("Kichi"), QStringLiteral("Same")},
            {QStringLiteral("Daikyou"), QStringLiteral("Daikichi")}},
        &qm));
    QTranslator translator;
    QVERIFY(translator.load(qm));
    QCoreApplication::installTranslator(&translator);

    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Same")), 4);
    // The untranslated name no longer names a grade in this context.
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kichi")), -1);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Daikichi")), 1);
    // The drawing window's context is another one.
    QCOMPARE(Mini_Omikuji::Unsei_Name(3), QStringLiteral("Kichi"));

    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Same")), -1);
}

void Tst_Fortune_Table::japanese_catalogue_names_the_grades_in_both_windows()
{
    QTranslator translator;
    QVERIFY(
        translator.load(QDir(Program_Run::run_folder()).filePath(QStringLiteral("zelvane_ja.qm"))));
    QCoreApplication::installTranslator(&translator);

    const QStringList japanese = {"大吉", "中吉", "小吉", "吉", "半吉", "末吉", "末小吉", "凶",
        "小凶", "半凶", "末凶", "大凶"};
    for (int row = 0; row < fortune_row_count; ++row) {
        QCOMPARE(Mini_Omikuji::Unsei_Name(row), japanese.at(row));
        QCOMPARE(Config_Mini_Omikuji::Unsei_Number(japanese.at(row)), row + 1);
    }
    QCOMPARE(Mini_Omikuji::Study_Text(0), QStringLiteral("自分を信じよ"));
    QCOMPARE(Config_Mini_Omikuji::Unsei_Number(QStringLiteral("Kyou")), -1);

    QCoreApplication::removeTranslator(&translator);
}

QTEST_GUILESS_MAIN(Tst_Fortune_Table)
#include "tst_fortune_table.moc"
