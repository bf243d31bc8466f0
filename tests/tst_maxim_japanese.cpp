// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_maxim_screen.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "maxim_word_rand.h"
#include "maxim_word_rand_ja.h"
#include "program_run.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>
#include <algorithm>

namespace {

template<typename Window> Window *created_window(const QList<QWidget *> &before)
{
    Window *found = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!before.contains(top) && qobject_cast<Window *>(top))
            found = static_cast<Window *>(top);
    }
    return found;
}

} // namespace

// The maxim windows with the program's own Japanese catalogue, installed
// before anything looks a maxim up, as at start-up on a Japanese system.
class Tst_Maxim_Japanese : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windows_and_maxims_are_in_japanese();

private:
    QTranslator translator;
};

void Tst_Maxim_Japanese::initTestCase()
{
    QVERIFY(
        translator.load(QDir(Program_Run::run_folder()).filePath(QStringLiteral("zelvane_ja.qm"))));
    QVERIFY(QCoreApplication::installTranslator(&translator));
}

void Tst_Maxim_Japanese::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&translator);
}

void Tst_Maxim_Japanese::windows_and_maxims_are_in_japanese()
{
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    Main_Maxim_Screen menu;
    QCOMPARE(menu.windowTitle(), QStringLiteral("格言選択メニュー"));
    QCOMPARE(menu.findChild<QPushButton *>(QStringLiteral("select_button"))->text(),
        QStringLiteral("選択"));
    QCOMPARE(menu.findChild<QGroupBox *>(QStringLiteral("method_group"))->title(),
        QStringLiteral("表示方法"));
    QCOMPARE(menu.findChild<QRadioButton *>(QStringLiteral("chinese_radio"))->text(),
        QStringLiteral("中国の格言(&C)"));
    QCOMPARE(menu.findChild<QRadioButton *>(QStringLiteral("random_radio"))->text(),
        QStringLiteral("1.ランダム(&A)"));

    auto *chinese = created_window<Maxim_Word>(before);
    auto *japanese = created_window<Maxim_Word_Ja>(before);
    auto *chinese_random = created_window<Maxim_Word_Rand>(before);
    auto *japanese_random = created_window<Maxim_Word_Rand_Ja>(before);
    QVERIFY(chinese && japanese && chinese_random && japanese_random);

    QCOMPARE(chinese->windowTitle(), QStringLiteral("今日の格言"));
    QCOMPARE(chinese->findChild<QPushButton *>(QStringLiteral("next_button"))->text(),
        QStringLiteral("次へ"));
    QCOMPARE(chinese->findChild<QLabel *>(QStringLiteral("heading_label"))->text(),
        QStringLiteral("卑譲は徳の基なり"));
    QCOMPARE(chinese->findChild<QTextEdit *>(QStringLiteral("text_edit"))->toPlainText(),
        QStringLiteral("謙譲こそ徳の基本である"));
    // The Chinese browser shows its number untranslated.
    QCOMPARE(
        chinese->findChild<QLabel *>(QStringLiteral("no_label"))->text(), QStringLiteral("No=0"));

    QCOMPARE(japanese->windowTitle(), QStringLiteral("今日の日本の格言"));
    QCOMPARE(japanese->findChild<QLabel *>(QStringLiteral("no_label"))->text(),
        QStringLiteral("番号=0"));
    QCOMPARE(japanese->findChild<QTextEdit *>(QStringLiteral("heading_edit"))->toPlainText(),
        QStringLiteral("1.思いつく人"));

    // Every maxim has its own Japanese text.
    const auto japanese_script = [](const QString &text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    };
    for (int n = 0; n < Maxim_Word::maxim_count; ++n) {
        for (int column = 0; column < 2; ++column)
            QVERIFY2(japanese_script(chinese->Get_Maxim_Text(n, column)),
                qPrintable(chinese->Get_Maxim_Text(n, column)));
    }
    for (int n = 0; n < Maxim_Word_Ja::maxim_count; ++n) {
        for (int column = 0; column < 2; ++column)
            QVERIFY2(japanese_script(japanese->Get_Maxim_Text(n, column)),
                qPrintable(japanese->Get_Maxim_Text(n, column)));
    }

    for (QWidget *random :
        {static_cast<QWidget *>(chinese_random), static_cast<QWidget *>(japanese_random)}) {
        QVERIFY(random->findChild<QLabel *>(QStringLiteral("no_label"))
                    ->text()
                    .startsWith(QStringLiteral("番号=")));
        QCOMPARE(random->findChild<QPushButton *>(QStringLiteral("close_button"))->text(),
            QStringLiteral("閉じる"));
    }
}

QTEST_MAIN(Tst_Maxim_Japanese)
#include "tst_maxim_japanese.moc"
