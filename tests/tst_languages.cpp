// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/japanese_catalogue.h"
#include "support/zelvane_test.h"

namespace {
// Every window in the program as designed. A row names a window and the
// context its texts are translated in (none: shown untranslated), then pairs
// of a widget and what it shows: "@" and where the window lies, its size
// ("x,y wxh", a pattern) and whether it is kept on top; no widget and its
// title; a pattern of object names and their source text, where %1 stands
// for a number. A window's buttons are listed in their layout order, row by
// row from the top, each row from the left.
const QList<QStringList> designed = table(R"(
Date_Time_Screen|Date_Time_Screen|@|790,640 \d+x40 on top||Zelvane(Clock+)
Right_Menu|Right_Menu|@|660,475 260x150 on top||Right click menu|calender_button|Calender
Right_Menu|Right_Menu|maxim_button|maxim Today|timer_button|Known Timer|omikuji_button|mini omikuji
Right_Menu|Right_Menu|help_button|Help|version_button|Version|close_menu_button|Close menu
Right_Menu|Right_Menu|quit_button|Quit
Calender_Show||@|900,120 \d+x\d+ on top||
Alarm_Timer|Alarm_Timer|@|660,545 200x60 on top||Alrm Timer screen
Help_Screen|Help_Screen|@|-?\d+,-?\d+ 460x560 on top||How to use screen
Version_Screen|Version_Screen|@|530,460 400x210||Version screen|name_label|Soft name:Zelvane
Version_Screen|Version_Screen|version_label|Version:version 1.00
Version_Screen|Version_Screen|author_label|Author:The Zelvane developers
Version_Screen|Version_Screen|url_label|URL:https://zelvane.example.org/
Version_Screen||mail_label|E-mail: zelvane@example.org
Version_Screen|Version_Screen|rights_label|Copyright (C) The Zelvane project|ok_button|OK
Version_Screen|Version_Screen|version_frame|Version Information
Config_Mini_Omikuji|Config_Mini_Omikuji|@|500,420 400x200||Zelvane Uranai Config
Config_Mini_Omikuji|Config_Mini_Omikuji|title_label|Select Omikuji type,please|row_label_.|No unsei
Config_Mini_Omikuji|Config_Mini_Omikuji|row_input_button_.|Input|check_button|Check|next_button|Next
Mini_Omikuji|Mini_Omikuji|@|500,460 280x200||Zelvane Uranai|start_stop_button|Start|close_button|Close
Main_Maxim_Screen|Main_Maxim_Screen|@|560,400 \d+x\d+||Select maxim menu|method_group|Screen method
Main_Maxim_Screen|Main_Maxim_Screen|random_radio|1.&At random|numeric_radio|2.&Innumeric order
Main_Maxim_Screen|Main_Maxim_Screen|kind_group|Select kind of maxim|chinese_radio|&Chinese maxim
Main_Maxim_Screen|Main_Maxim_Screen|japanese_radio|&Japanese maxim|close_radio|&Close
Main_Maxim_Screen|Main_Maxim_Screen|select_button|Select
Maxim_Word|Maxim_Word|@|480,360 760x280||Todays maxim|back_button|Back|next_button|Next
Maxim_Word|Maxim_Word|close_button|Close
Maxim_Word||no_label|No=%1
Maxim_Word_Ja|Maxim_Word_Ja|@|630,220 500x380||Todays maxim in Japan|no_label|No=%1
Maxim_Word_Ja|Maxim_Word_Ja|back_button|Back|next_button|Next|close_button|Close
Maxim_Word_Rand|Maxim_Word_Rand|@|480,360 760x280|no_label|No=%1|close_button|Close
Maxim_Word_Rand|||
Maxim_Word_Rand_Ja|Maxim_Word_Rand_Ja|@|-?\d+,-?\d+ 500x380|no_label|No=%1|close_button|Close
Maxim_Word_Rand_Ja|||)");

// The month and period tables: month 1 to 12, traditional and English; period
// 0 (23 and 0 h) to 11.
const QList<QStringList> names = table(R"(
Usi no Tuki|Tora no Tuki|U no Tuki|Tatu no Tuki|Mi no Tuki|Uma no Tuki|Hituji no Tuki|Saru no Tuki|Tori no Tuki|inu no Tuki|I no Tuki|Ne no Tuki
January|February|March|April|May|June|July|August |September|October|November|December
Ne no koku|Ushi no koku|Tora no koku|U no koku|Tatu no koku|Me no koku|Uma no koku|Hituji no koku|Saru no koku|Tori no koku|Inu no koku|i no koku)");

// The source's translation; a disambiguation may follow the source after a '#'.
QString translated(const char *context, const QString &source)
{
    const QByteArray comment = source.section('#', 1).toUtf8();
    return QCoreApplication::translate(context, qPrintable(source.section('#', 0, 0)),
        comment.isEmpty() ? nullptr : comment.constData());
}

bool japanese()
{
    return QLocale::system().language() == QLocale::Japanese;
}

// The window lies where it is designed to, with its designed texts in its
// designed contexts and its buttons in their designed order. Every text a
// label or push button shows lies whole inside the area it is drawn in,
// measured with the widget's own font, with no two overlapping; on a Japanese
// system no text, tooltip, title or text area is left in English. The faults
// found are added to the list.
void check_window(QWidget *window, const QString &name, QStringList &faults)
{
    QApplication::processEvents(); // the layout and size the user sees
    const QString kind = window->metaObject()->className();
    QStringList buttons;
    for (const QStringList &row : designed)
        for (int field = 2; row[0] == kind && field + 1 < row.size(); field += 2) {
            const QString source = row[field + 1];
            if (row[field] == "@") {
                if (!look(window).contains(QRegularExpression("^" + source + "$")))
                    faults << name + " lies at " + look(window);
                continue;
            }
            const QString expected
                = row[1].isEmpty() ? source : translated(qPrintable(row[1]), source);
            const QRegularExpression pattern(
                "^" + QRegularExpression::escape(expected).replace("\\%1", "\\d+") + "$");
            const QWidgetList widgets = row[field].isEmpty()
                ? QWidgetList {window}
                : window->findChildren<QWidget *>(QRegularExpression("^" + row[field] + "$"));
            if (widgets.isEmpty())
                faults << name + " has no " + row[field];
            for (QWidget *widget : widgets) {
                const QString shown = widget == window
                    ? widget->windowTitle()
                    : widget->property(widget->inherits("QGroupBox") ? "title" : "text").toString();
                if (!shown.contains(pattern))
                    faults
                        << QString("%1 %2 shows %3, not %4").arg(name, row[field], shown, expected);
                if (widget->inherits("QAbstractButton") && widget->isVisible())
                    buttons << widget->objectName();
            }
        }
    QStringList laid_out = in_layout_order(window, "QAbstractButton").split(' ');
    laid_out.removeIf([&](const QString &button) { return !buttons.contains(button); });
    if (laid_out != buttons)
        faults << name + " lays its buttons out as " + laid_out.join(' ');

    // ASCII with a letter, but for the texts that stay as they are in Japanese
    // too: OK, the mail address and the Chinese browser's number.
    static const QRegularExpression english("^(?!OK$|E-mail: )[ -~\\n]*[A-Za-z][ -~\\n]*$");
    QRegion covered;
    for (QWidget *widget : window->findChildren<QWidget *>() + QWidgetList {window}) {
        const QString text
            = widget->property(widget->inherits("QTextEdit") ? "plainText" : "text").toString();
        for (const QString &shown : {text, widget->toolTip(), widget->windowTitle()})
            if (japanese() && widget->isVisible() && shown.contains(english)
                && !(kind == "Maxim_Word" && shown.startsWith("No=")))
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
} // namespace

// Every window in the system's language, English or Japanese (CTest runs this
// program once with each), the catalogues installed as start-up installs them,
// opened as a user opens them and again after a close by the title bar.
class Tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void every_window_speaks_the_language_and_every_text_fits()
    {
        QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR));
        QStringList faults;
        QTranslator toolkit, catalogue;
        Install_Toolkit_Catalogue(toolkit);
        QCOMPARE(Install_Japanese_Catalogue(catalogue), japanese());
        const auto in_language = [](const char *english, const char *in_japanese) {
            return QString::fromUtf8(japanese() ? in_japanese : english);
        };
        stand_clock_at(QDateTime(QDate(2028, 1, 1), QTime()));
        Date_Time_Screen *clock = nullptr;
        check_window(open_menu(clock), "menu", faults);
        // Month k + 1 in the hours of period k, each display in turn.
        for (int step = 0; step < 48; ++step) {
            const int month = step / 4 + 1;
            const QDateTime moment(
                QDate(2028, month, 28), QTime((step / 4 * 2 + 23 + step % 2) % 24, 59, 59));
            stand_clock_at(moment);
            QTest::mouseClick(clock, Qt::LeftButton);
            const char *context = "Date_Time_Screen";
            const QString month_name = translated(context, names[0][month - 1]),
                          period = translated(context, names[2][step / 4]);
            const QStringList shown[4]
                = {{moment.date().toString(translated(context, "yyyy.M.d")), month_name},
                    {month_name, translated(context, names[1][month - 1])},
                    {moment.time().toString(translated(context, "h:m:ss")), period},
                    {period, moment.time().toString(translated(context, "h:m"))}};
            if (QStringList {clock->text(), clock->toolTip()} != shown[(step + 1) % 4])
                faults << "the clock shows " + clock->text() + " | " + clock->toolTip();
            check_window(clock, "clock", faults);
        }
        for (const QStringList &row : table(R"(
Calender_Show|calender_button
Alarm_Timer|timer_button
Version_Screen|version_button
Help_Screen|help_button
Config_Mini_Omikuji|omikuji_button
Main_Maxim_Screen|maxim_button)"))
            for (const QString opening : {"", " opened again"}) {
                press(open_menu(clock), row[1]);
                QWidget *window = window_of(qPrintable(row[0]));
                check_window(window, row[0] + opening, faults);
                if (opening.isEmpty())
                    window->close(); // by its title bar
            }
        QCOMPARE(qobject_cast<QTextBrowser *>(window_of("Help_Screen"))->documentTitle(),
            in_language("Zelvane help", "ゼルヴァーネのヘルプ"));

        // Each grade in every slot, so any digit drawn shows it.
        QWidget *config = window_of("Config_Mini_Omikuji");
        auto *list = config->findChild<QComboBox *>("row_combo_3");
        for (int grade = 1; grade <= 12; ++grade) {
            QCOMPARE(list->itemText(grade - 1),
                translated("Config_Mini_Omikuji", fortune_grade(grade)[0]));
            for (int digit = 5; digit >= 1; --digit)
                enter_grade(config, digit, grade);
            press(config, "check_button");
            press(config, "next_button");
            QWidget *fortune = window_of("Mini_Omikuji");
            press(fortune, "start_stop_button");
            QCOMPARE(texts(fortune, {"start_stop_button"}), translated("Mini_Omikuji", "Stop"));
            press(fortune, "start_stop_button");
            check_window(fortune, QStringLiteral("fortune result of grade %1").arg(grade), faults);
            QStringList row = fortune_grade(grade), result {translated("Mini_Omikuji", row[0])};
            for (const QString pattern : {"Study:%1", "lover:%1", "money:%1", "trouble:%1"}) {
                row.removeFirst();
                result
                    << translated("Mini_Omikuji", pattern).arg(translated("Mini_Omikuji", row[0]));
            }
            QCOMPARE(texts(fortune, result_labels), result.join('|'));
            press(fortune, "close_button");
            press(open_menu(clock), "omikuji_button");
        }

        QWidget *browser = choose_maxims(clock, "chinese_radio", "numeric_radio", "Maxim_Word");
        for (int entry = 0; entry < 64; ++entry, press(browser, "next_button"))
            check_window(browser, QStringLiteral("maxim browser at %1").arg(entry), faults);
        browser = choose_maxims(clock, "japanese_radio", "numeric_radio", "Maxim_Word_Ja");
        for (int entry = 0; entry < 40; ++entry, press(browser, "next_button"))
            check_window(
                browser, QStringLiteral("Japanese maxim browser at %1").arg(entry), faults);
        for (const char *kind : {"chinese_radio", "japanese_radio"})
            for (int draw = 0; draw < 8; ++draw) {
                stand_clock_at(QDateTime::fromSecsSinceEpoch(1830000000 + draw));
                QWidget *window = choose_maxims(clock, kind, "random_radio",
                    kind[0] == 'c' ? "Maxim_Word_Rand" : "Maxim_Word_Rand_Ja");
                check_window(window, QStringLiteral("random maxim %1").arg(kind), faults);
                press(window, "close_button");
            }
        // The toolkit's own texts, as in a text area's right-click menu.
        QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Undo"),
            in_language("&Undo", "元に戻す(&U)"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(Tst_Languages)
#include "tst_languages.moc"
