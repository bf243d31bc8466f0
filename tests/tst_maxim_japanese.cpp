// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim_window.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "program_run.h"

#include <QTranslator>
#include <QtTest>

// The maxim windows with the program's own Japanese catalogue, installed
// before anything looks a maxim up, as at start-up on a Japanese system.
class Tst_Maxim_Japanese : public QObject
{
    Q_OBJECT

private slots:
    void maxims_are_in_japanese();
};

void Tst_Maxim_Japanese::maxims_are_in_japanese()
{
    QTranslator translator;
    QVERIFY(
        translator.load(QDir(Program_Run::run_folder()).filePath(QStringLiteral("zelvane_ja.qm"))));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    Maxim_Word chinese;
    QCOMPARE(maxim_heading(chinese), QStringLiteral("卑譲は徳の基なり"));
    QCOMPARE(maxim_text(chinese), QStringLiteral("謙譲こそ徳の基本である"));
    Maxim_Word_Ja japanese;
    QCOMPARE(maxim_heading(japanese), QStringLiteral("1.思いつく人"));

    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(Tst_Maxim_Japanese)
#include "tst_maxim_japanese.moc"
