// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "help_screen.h"
#include "japanese_catalogue.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "mini_omikuji.h"

#include <QtTest>
#include <QtWidgets>

// A Japanese system: CTest sets LANG=ja_JP.UTF-8 and starts this in the
// program's run folder; the catalogues are installed as start-up installs them.
class Tst_Japanese : public QObject
{
    Q_OBJECT

private slots:
    void japanese_reader_sees_japanese();
};

void Tst_Japanese::japanese_reader_sees_japanese()
{
    QTranslator toolkit, catalogue;
    QVERIFY(Install_Toolkit_Catalogue(toolkit) && Install_Japanese_Catalogue(catalogue));

    // Every slot gets the grade, so any digit drawn shows it: money line, trouble line.
    for (const QStringList &fortune :
        {QStringList {"9", "金運：小銭を大切に", "悩み事：逃げるが勝ち"},
            QStringList {"10", "金運：出ていくばかり", "悩み事：自然に解決する"}}) {
        Config_Mini_Omikuji config;
        for (QComboBox *row : config.findChildren<QComboBox *>())
            for (int grade = 1; grade < fortune[0].toInt(); ++grade)
                QTest::keyClick(row, Qt::Key_Down);
        for (QPushButton *input : config.findChildren<QPushButton *>(QRegularExpression("input")))
            QTest::mouseClick(input, Qt::LeftButton);
        QCOMPARE(config.findChild<QPushButton *>("row_input_button_1")->text(), "決定");
        QWidget *drawing = config.drawing_window();
        QTest::mouseClick(config.findChild<QPushButton *>("check_button"), Qt::LeftButton);
        QTest::mouseClick(config.findChild<QPushButton *>("next_button"), Qt::LeftButton);
        QTest::mouseClick(drawing->findChild<QPushButton *>("start_stop_button"), Qt::LeftButton);
        QTest::mouseClick(drawing->findChild<QPushButton *>("start_stop_button"), Qt::LeftButton);
        QCOMPARE(drawing->findChild<QLabel *>("money_label")->text(), fortune[1]);
        QCOMPARE(drawing->findChild<QLabel *>("trouble_label")->text(), fortune[2]);
    }

    Maxim_Word chinese;
    for (int step = 0; step < 63; ++step)
        QTest::mouseClick(chinese.findChild<QPushButton *>("next_button"), Qt::LeftButton);
    QCOMPARE(chinese.findChild<QLabel *>("heading_label")->text(), "大器は晩成す");
    Maxim_Word_Ja japanese;
    QCOMPARE(japanese.findChild<QLabel *>("no_label")->text(), "番号：0");

    // The toolkit's own menu of a text area, as a right click opens it.
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, {}, {});
    QApplication::sendEvent(japanese.findChild<QTextEdit *>("text_edit")->viewport(), &right_click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && menu->actions().first()->text().startsWith("元に戻す(&U)"));

    Help_Screen help;
    QCOMPARE(help.documentTitle(), "ゼルヴァーネのヘルプ");

    // Local links and pictures of both help sets resolve; web links go to the desktop.
    const QRegularExpression reference(R"re((?:href|src)="([^"#:]+)(?=["#]))re");
    QDirIterator pages(HELP_PAGES, {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        QFile file(pages.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (auto links = reference.globalMatch(file.readAll()); links.hasNext(); links.next())
            QVERIFY2(QFileInfo(pages.fileInfo().dir(), links.peekNext().captured(1)).isFile(),
                qPrintable(file.fileName() + ": " + links.peekNext().captured(1)));
    }
}

QTEST_MAIN(Tst_Japanese)
#include "tst_japanese.moc"
