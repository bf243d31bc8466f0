// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_time_screen.h"
#include "fake_clock.h"
#include "mini_omikuji.h"

#include <QtTest>
#include <QtWidgets>

// Every text a label or push button shows must lie whole inside the area it
// is drawn in, measured with the widget's own font, and no two may overlap.
// Runs once per system language.
static QStringList faults;

static void check_window(QWidget *window, const QString &name)
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

static QWidget *window_of(const char *class_name, bool shown = false)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    return *std::find_if(all.begin(), all.end(), [&](QWidget *window) {
        return window->inherits(class_name) && (window->isVisible() || !shown);
    });
}

static void click(QWidget *window, const char *name, QPoint at = QPoint())
{
    QTest::mouseClick(window->findChild<QAbstractButton *>(name), Qt::LeftButton, {}, at);
}

class Tst_Text_Fit : public QObject
{
    Q_OBJECT

private slots:
    void every_text_fits_its_label();
};

void Tst_Text_Fit::every_text_fits_its_label()
{
    QTranslator catalogue; // the real one, as a Japanese system loads it
    if (QLocale::system().language() == QLocale::Japanese)
        QVERIFY(catalogue.load(ZELVANE_RUN_DIR "/zelvane_ja.qm")
            && qApp->installTranslator(&catalogue));
    Fake_Clock time(QDateTime(QDate(2028, 1, 1), QTime()));
    Date_Time_Screen clock;
    clock.show();
    // Month k + 1 at the hour of period k (23 h for the first): each display in turn.
    for (int step = 0; step < 48; ++step, check_window(&clock, QStringLiteral("clock"))) {
        time.set(QDateTime(QDate(2028, step / 4 + 1, 28), QTime((step / 4 * 2 + 23) % 24, 59, 59)));
        QTest::mouseClick(&clock, Qt::LeftButton);
    }
    QTest::mouseClick(&clock, Qt::RightButton);
    check_window(window_of("Right_Menu"), QStringLiteral("menu"));
    click(window_of("Right_Menu"), "version_button");
    check_window(window_of("Version_Screen"), QStringLiteral("version screen"));
    QTest::mouseClick(&clock, Qt::RightButton);
    click(window_of("Right_Menu"), "omikuji_button"); // the fortune windows are built on first use
    check_window(window_of("Config_Mini_Omikuji"), QStringLiteral("fortune configuration"));

    auto *fortune = static_cast<Mini_Omikuji *>(window_of("Mini_Omikuji"));
    for (int grade = 1; grade <= 12; ++grade) {
        fortune->show();
        std::fill_n(fortune->buf_uranai_result, 5, grade);
        click(fortune, "start_stop_button");
        click(fortune, "start_stop_button");
        check_window(fortune, QStringLiteral("fortune result of grade %1").arg(grade));
        click(fortune, "close_button");
    }

    QTest::mouseClick(&clock, Qt::RightButton);
    click(window_of("Right_Menu"), "maxim_button");
    QWidget *maxim_menu = window_of("Main_Maxim_Screen");
    check_window(maxim_menu, QStringLiteral("maxim menu"));
    click(maxim_menu, "select_button");
    QWidget *browser = window_of("Maxim_Word", true);
    for (int entry = 0; entry < 64; ++entry, click(browser, "next_button"))
        check_window(browser, QStringLiteral("maxim browser at %1").arg(entry));
    maxim_menu->show();
    click(maxim_menu, "japanese_radio", QPoint(8, 8));
    click(maxim_menu, "select_button");
    QWidget *japanese = window_of("Maxim_Word_Ja", true);
    for (int entry = 0; entry < 40; ++entry, click(japanese, "next_button")) {
        check_window(japanese, QStringLiteral("Japanese maxim browser at %1").arg(entry));
        // The number keeps the system's form from the first entry to the last.
        QCOMPARE(japanese->findChild<QLabel *>("no_label")->text(),
            QCoreApplication::translate("Maxim_Word_Ja", "No=%1").arg(entry));
    }
    qWarning().noquote() << faults.join('\n');
    QVERIFY2(faults.isEmpty(), "texts that do not fit are listed above");
}

QTEST_MAIN(Tst_Text_Fit)
#include "tst_text_fit.moc"
