// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_mini_omikuji.h"
#include "gadget_test.h"
#include "japanese_catalogue.h"
#include "mini_omikuji.h"

// Every window in the system's language, English or Japanese (CTest runs this
// once with each, in the program's run folder, the catalogues installed as
// start-up installs them): the texts are in that language, and every text a
// label or push button shows lies whole inside the area it is drawn in,
// measured with the widget's own font, with no two overlapping.
class Tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void every_window_speaks_the_language_and_every_text_fits();
    void every_text_has_a_finished_japanese_entry();

private:
    void check(QWidget *window, const QString &name);
    QStringList faults;
};

void Tst_Languages::check(QWidget *window, const QString &name)
{
    QApplication::processEvents(); // the layout and size the user sees
    QRegion covered;
    for (QWidget *widget : window->findChildren<QWidget *>() + QWidgetList {window}) {
        const QString text = widget->property("text").toString();
        auto *button = qobject_cast<QPushButton *>(widget);
        if (!(button || widget->inherits("QLabel")) || !widget->isVisible() || text.isEmpty())
            continue;
        // A flat button draws no frame; a framed one keeps its text within its 1 px frame.
        const bool framed = button && !button->isFlat();
        const QRect area = widget->contentsRect().adjusted(framed, framed, -framed, -framed);
        const int wrap = widget->property("wordWrap").toBool() ? Qt::TextWordWrap : 0;
        const QSize need = QFontMetrics(widget->font()).boundingRect(area, wrap, text).size();
        const QRect place(widget->mapTo(window, QPoint()), widget->size());
        if (need.width() > area.width() || need.height() > area.height()
            || covered.intersects(place) || !window->rect().contains(place))
            QDebug(&faults.emplace_back())
                << text << "in" << name << "overflows by" << need - area.size()
                << "px, or overlaps, or is outside";
        covered += place;
    }
}

void Tst_Languages::every_window_speaks_the_language_and_every_text_fits()
{
    const bool japanese = QLocale::system().language() == QLocale::Japanese;
    const auto in_language = [japanese](const char *english, const char *in_japanese) {
        return QString::fromUtf8(japanese ? in_japanese : english);
    };
    QTranslator toolkit, catalogue;
    Install_Toolkit_Catalogue(toolkit);
    QCOMPARE(Install_Japanese_Catalogue(catalogue), japanese);
    Fake_Clock time(QDateTime(QDate(2028, 1, 1), QTime()));
    Date_Time_Screen *clock = nullptr;
    check(open_menu(clock), "menu");
    // Month k + 1 at the hour of period k (23 h for the first): each display in turn.
    for (int step = 0; step < 48; ++step, check(clock, "clock")) {
        time.set(QDateTime(QDate(2028, step / 4 + 1, 28), QTime((step / 4 * 2 + 23) % 24, 59, 59)));
        QTest::mouseClick(clock, Qt::LeftButton);
    }
    press(open_menu(clock), "version_button");
    check(window_of("Version_Screen"), "version screen");
    press(open_menu(clock), "help_button");
    QCOMPARE(qobject_cast<QTextBrowser *>(window_of("Help_Screen"))->documentTitle(),
        in_language("Zelvane help", "ゼルヴァーネのヘルプ"));

    // Each grade in every slot, so any digit drawn shows it.
    press(open_menu(clock), "omikuji_button");
    auto *config = static_cast<Config_Mini_Omikuji *>(window_of("Config_Mini_Omikuji"));
    check(config, "fortune configuration");
    QCOMPARE(texts(config, {"row_input_button_1"}), in_language("Input", "決定"));
    Mini_Omikuji *fortune = config->drawing_window();
    for (int grade = 1; grade <= 12; ++grade) {
        fortune->show();
        std::fill_n(fortune->buf_uranai_result, 5, grade);
        press(fortune, "start_stop_button");
        press(fortune, "start_stop_button");
        check(fortune, QStringLiteral("fortune result of grade %1").arg(grade));
        if (grade == 9 || grade == 10)
            QCOMPARE(texts(fortune, {"money_label", "trouble_label"}),
                grade == 9 ? in_language("money:you will bless the penny|trouble:Only get out",
                    "金運：小銭を大切に|悩み事：逃げるが勝ち")
                           : in_language("money:Only get out|trouble:Natural solve the probrem",
                               "金運：出ていくばかり|悩み事：自然に解決する"));
        press(fortune, "close_button");
    }

    press(open_menu(clock), "maxim_button");
    QWidget *maxim_menu = window_of("Main_Maxim_Screen");
    check(maxim_menu, "maxim menu");
    press(maxim_menu, "select_button");
    QWidget *browser = window_of("Maxim_Word");
    for (int entry = 0; entry < 64; ++entry, press(browser, "next_button"))
        check(browser, QStringLiteral("maxim browser at %1").arg(entry));
    QCOMPARE(texts(browser, {"heading_label"}), in_language("taiki ha bannseisu", "大器は晩成す"));
    press(open_menu(clock), "maxim_button");
    QTest::mouseClick(
        maxim_menu->findChild<QRadioButton *>("japanese_radio"), Qt::LeftButton, {}, QPoint(8, 8));
    press(maxim_menu, "select_button");
    QWidget *japanese_maxims = window_of("Maxim_Word_Ja");
    for (int entry = 0; entry < 40; ++entry, press(japanese_maxims, "next_button")) {
        check(japanese_maxims, QStringLiteral("Japanese maxim browser at %1").arg(entry));
        QCOMPARE(texts(japanese_maxims, {"no_label"}), in_language("No=%1", "番号：%1").arg(entry));
    }
    // The toolkit's own menu of a text area, as a right click opens it.
    QContextMenuEvent right_click(QContextMenuEvent::Mouse, {}, {});
    QApplication::sendEvent(
        japanese_maxims->findChild<QTextEdit *>("text_edit")->viewport(), &right_click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(
        menu && menu->actions().first()->text().startsWith(in_language("&Undo", "元に戻す(&U)")));
    menu->close();
    qWarning().noquote() << faults.join('\n');
    QVERIFY2(faults.isEmpty(), "texts that do not fit are listed above");
    delete clock;
}

// lupdate over the sources into a scratch copy of the catalogue: a text
// without a finished Japanese entry shows up as unfinished there. Local links
// and pictures of both help sets resolve; web links go to the desktop.
void Tst_Languages::every_text_has_a_finished_japanese_entry()
{
    QTemporaryDir scratch;
    const QString copy = scratch.filePath("zelvane_ja.ts");
    QVERIFY(QFile::copy(ZELVANE_SOURCE_DIR "/translations/zelvane_ja.ts", copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(QProcess::execute(LUPDATE_PROGRAM,
                 {"-locations", "none", "-silent", ZELVANE_SOURCE_DIR "/src", "-ts", copy}),
        0);
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString catalogue = QString::fromUtf8(file.readAll());
    const qsizetype unfinished = catalogue.indexOf("type=\"unfinished\"");
    QVERIFY2(unfinished < 0, qPrintable(catalogue.mid(unfinished - 300, 300)));
    QVERIFY(catalogue.count("<translation>") > 300);

    const QRegularExpression reference(R"re((?:href|src)="([^"#:]+)(?=["#]))re");
    QDirIterator pages(
        ZELVANE_SOURCE_DIR "/data/html", {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        QFile page(pages.next());
        QVERIFY(page.open(QIODevice::ReadOnly));
        for (auto links = reference.globalMatch(page.readAll()); links.hasNext(); links.next())
            QVERIFY2(QFileInfo(pages.fileInfo().dir(), links.peekNext().captured(1)).isFile(),
                qPrintable(page.fileName() + ": " + links.peekNext().captured(1)));
    }
}

QTEST_MAIN(Tst_Languages)
#include "tst_languages.moc"
