// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "help_screen.h"
#include "japanese_catalogue.h"
#include "maxim_window.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "mini_omikuji.h"
#include "program_run.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

// A Japanese system (CTest sets LANG=ja_JP.UTF-8) running from the run folder,
// with the catalogues installed as start-up installs them.
class Tst_Japanese : public QObject
{
    Q_OBJECT
    QTranslator toolkit, catalogue;

private slots:
    void initTestCase();
    void fortune_and_maxims_read_right();
    void help_opens_in_japanese();
    void every_link_and_picture_resolves();
};

void Tst_Japanese::initTestCase()
{
    QDir::setCurrent(Program_Run::run_folder());
    QVERIFY(Install_Toolkit_Catalogue(toolkit));
    QVERIFY(Install_Japanese_Catalogue(catalogue) && !catalogue.isEmpty());
}

// Every slot holds the grade, so the drawing shows it whatever digit it stops on.
static QStringList fortune_lines(int grade)
{
    Config_Mini_Omikuji config;
    for (int digit = 1; digit <= 5; ++digit) {
        for (int step = 1; step < grade; ++step)
            QTest::keyClick(
                config.findChild<QComboBox *>(QStringLiteral("row_combo_%1").arg(digit)),
                Qt::Key_Down);
        press(config, qPrintable(QStringLiteral("row_input_button_%1").arg(digit)));
    }
    press(config, "check_button");
    press(config, "next_button");
    Mini_Omikuji &drawing = *config.drawing_window();
    press(drawing, "start_stop_button");
    press(drawing, "start_stop_button");
    return {maxim_button(config, "row_input_button_3")->text(),
        drawing.findChild<QLabel *>(QStringLiteral("money_label"))->text(),
        drawing.findChild<QLabel *>(QStringLiteral("trouble_label"))->text()};
}

void Tst_Japanese::fortune_and_maxims_read_right()
{
    QCOMPARE(
        fortune_lines(9), (QStringList {"決定", "金運：小銭を大切に", "悩み事：逃げるが勝ち"}));
    QCOMPARE(fortune_lines(10).at(1), QStringLiteral("金運：出ていくばかり"));

    Maxim_Word chinese;
    for (int step = 0; step < 63; ++step)
        press(chinese, "next_button");
    QCOMPARE(maxim_heading(chinese), QStringLiteral("大器は晩成す"));
    for (int step = 63; step > 47; --step)
        press(chinese, "back_button");
    QVERIFY(maxim_text(chinese).endsWith(QStringLiteral("遠くの助けは急場には間に合わない")));

    Maxim_Word_Ja japanese;
    QCOMPARE(maxim_number(japanese), QStringLiteral("番号：0"));
    for (int step = 0; step < 23; ++step)
        press(japanese, "next_button");
    QCOMPARE(maxim_heading(japanese), QStringLiteral("24.間違っている"));

    // The text area's own context menu, opened as a right click opens it.
    QWidget *area = japanese.findChild<QTextEdit *>(QStringLiteral("text_edit"))->viewport();
    QContextMenuEvent right_click(
        QContextMenuEvent::Mouse, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(area, &right_click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    for (QAction *action : menu->actions())
        entries.append(action->text());
    menu->close();
    QVERIFY2(
        entries.join(' ').contains("元に戻す(&U)") && entries.join(' ').contains("すべてを選択"),
        qPrintable(entries.join(' ')));
}

void Tst_Japanese::help_opens_in_japanese()
{
    Help_Screen help;
    help.show();
    QCOMPARE(help.documentTitle(), QStringLiteral("ゼルヴァーネのヘルプ"));
    help.setSource(QUrl(QStringLiteral("countdown.html")));
    QCOMPARE(help.documentTitle(), QStringLiteral("タイマー"));
    QVERIFY(help.close());
    help.show();
    QCOMPARE(help.documentTitle(), QStringLiteral("ゼルヴァーネのヘルプ"));
    help.setSource(QUrl(QStringLiteral("../index.html")));
    QCOMPARE(help.documentTitle(), QStringLiteral("Zelvane help"));
}

void Tst_Japanese::every_link_and_picture_resolves()
{
    const QString root = QDir::cleanPath(QStringLiteral(ZELVANE_SOURCE_DIR "/data/html"));
    const QRegularExpression reference(QStringLiteral(R"re((?:href|src)="([^"]*)")re"));
    const QStringList pages = QDir(root).entryList({"*.html"}, QDir::Files);
    QCOMPARE(QDir(root + "/ja").entryList({"*.html"}, QDir::Files), pages);
    QStringList broken;
    for (const QString &page :
        pages + QStringList(pages).replaceInStrings(QRegularExpression("^"), "ja/")) {
        QFile file(root + '/' + page);
        const QFileInfo info(file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (auto match = reference.globalMatch(QString::fromUtf8(file.readAll()));
             match.hasNext();) {
            const QUrl url(match.next().captured(1));
            const QString target = QDir::cleanPath(
                info.dir().filePath(url.path().isEmpty() ? info.fileName() : url.path()));
            QFile linked(target);
            if (!url.scheme().startsWith("http")
                && (!target.startsWith(root + '/') || !linked.open(QIODevice::ReadOnly)
                    || (url.hasFragment()
                        && !linked.readAll().contains(("id=\"" + url.fragment() + '"').toUtf8()))))
                broken.append(page + ": " + url.toString());
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join('\n')));
}

QTEST_MAIN(Tst_Japanese)
#include "tst_japanese.moc"
