// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/japanese_catalogue.h"
#include "fortune/config_mini_omikuji.h"
#include "fortune/mini_omikuji.h"
#include "support/zelvane_test.h"

// The system's language, from LANG: English or Japanese.
static const bool japanese = QLocale::system().language() == QLocale::Japanese;

// Every text a label or push button shows lies whole inside the area it is
// drawn in, measured with the widget's own font, with no two overlapping; on
// a Japanese system no text, tooltip or title is left in English. The faults
// found are added to the list.
static void check_fit(QWidget *window, const QString &name, QStringList &faults)
{
    QApplication::processEvents(); // the layout and size the user sees
    // An English word, but for the texts that stay as they are in Japanese
    // too: the addresses, the word Copyright, the English help's link, key names.
    static const QRegularExpression english(
        "(?s)^(?!.*(://|@|English help|Copyright \\(C\\) [^ -~])).*\\b[A-Za-z]{3,}\\b(?!キー)");
    QRegion covered;
    for (QWidget *widget : window->findChildren<QWidget *>() + QWidgetList {window}) {
        QString text; // whichever of these the widget has
        for (const char *property : {"text", "plainText", "title", "currentText"})
            text += widget->property(property).toString();
        for (const QString &shown : {text, widget->toolTip(), widget->windowTitle(),
                 widget->accessibleName(), widget->accessibleDescription()})
            if (japanese && widget->isVisible() && shown.contains(english))
                faults << shown + " in " + name + " is not in Japanese";
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

// Every window in the system's language, English or Japanese (CTest runs
// this program once with each), the catalogues installed as start-up
// installs them: the texts are in that language, and every text fits.
class Tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { take_down_clocks(); }
    void every_window_speaks_the_language_and_every_text_fits()
    {
        QStringList faults;
        QTranslator toolkit, catalogue;
        Install_Toolkit_Catalogue(toolkit);
        QCOMPARE(Install_Japanese_Catalogue(catalogue), japanese);
        stand_clock_at(QDateTime(QDate(2028, 1, 1), QTime()));
        Date_Time_Screen *clock = nullptr;
        check_fit(open_menu(clock), "menu", faults);
        // Month k + 1 at the hour of period k (23 h for the first): each display in turn.
        for (int step = 0; step < 48; ++step, check_fit(clock, "clock", faults)) {
            stand_clock_at(
                QDateTime(QDate(2028, step / 4 + 1, 28), QTime((step / 4 * 2 + 23) % 24, 59, 59)));
            QTest::mouseClick(clock, Qt::LeftButton);
        }
        for (const char *button : {"calender_button", "timer_button", "version_button",
                 "settings_button", "help_button", "omikuji_button", "maxim_button"})
            press(open_menu(clock), button);
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                check_fit(window, window->metaObject()->className(), faults);
        QCOMPARE(qobject_cast<QTextBrowser *>(window_of("Help_Screen"))->documentTitle(),
            japanese ? "ゼルヴァーネのヘルプ" : "Zelvane help");

        // Each grade in every slot, so any digit drawn shows it.
        auto *config = static_cast<Config_Mini_Omikuji *>(window_of("Config_Mini_Omikuji"));
        Mini_Omikuji *fortune = config->drawing_window();
        for (int grade = 1; grade <= 12; ++grade) {
            fortune->show();
            std::fill_n(fortune->buf_uranai_result, 5, grade);
            press(fortune, "start_stop_button");
            press(fortune, "start_stop_button");
            check_fit(fortune, QStringLiteral("fortune result of grade %1").arg(grade), faults);
            if (!japanese)
                QCOMPARE(texts(fortune, result_labels), fortune_result(grade));
            else if (grade == 9) // a money line's words, meant otherwise
                QVERIFY(texts(fortune, result_labels).endsWith("悩み事：逃げるが勝ち"));
            press(fortune, "close_button");
        }

        press(window_of("Main_Maxim_Screen"), "select_button");
        QWidget *browser = window_of("Maxim_Word");
        for (int entry = 0; entry < 64; ++entry, press(browser, "next_button"))
            check_fit(browser, QStringLiteral("maxim browser at %1").arg(entry), faults);
        QWidget *japanese_maxims
            = choose_maxims(clock, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
        for (int entry = 0; entry < 40; ++entry, press(japanese_maxims, "next_button"))
            check_fit(
                japanese_maxims, QStringLiteral("Japanese maxim browser at %1").arg(entry), faults);
        // The toolkit's own texts, as in a text area's right-click menu.
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Undo"),
            japanese ? "元に戻す(&U)" : "&Undo");
        qWarning().noquote() << faults.join('\n');
        QVERIFY2(faults.isEmpty(), "texts that do not fit or stay in English are listed above");
    }
};

QTEST_MAIN(Tst_Languages)
#include "tst_languages.moc"
