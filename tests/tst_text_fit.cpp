// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_time_screen.h"
#include "fake_clock.h"
#include "mini_omikuji.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Every text a label or push button shows must lie whole inside the area it
// is drawn in, measured with the widget's own font, and no two may overlap.
// Runs once per system language.
int faults = 0;

void fault(const QString &message)
{
    qWarning("%s", qUtf8Printable(message));
    ++faults;
}

// Where the widget lies in its window if it shows a text, else a null rect.
QRect check(QWidget *widget, const QString &window)
{
    const QString text = widget->property("text").toString();
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QPushButton *>(widget);
    if (!(label || button) || !widget->isVisible() || text.isEmpty())
        return QRect();
    QStyleOptionButton option;
    option.initFrom(widget);
    // A flat button draws no frame: its text has the whole button.
    const QRect area = button && !button->isFlat()
        ? widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, widget)
        : widget->contentsRect();
    const int flags = Qt::TextShowMnemonic | (label && label->wordWrap() ? Qt::TextWordWrap : 0);
    const QSize need = QFontMetrics(widget->font()).boundingRect(area, flags, text).size();
    const QSize over = (need - area.size()).expandedTo(QSize(0, 0));
    const QRect place(widget->mapTo(widget->window(), QPoint()), widget->size());
    if (!over.isNull() || !widget->window()->rect().contains(place))
        fault(
            QStringLiteral("\"%1\" in %2: %3 px too wide, %4 px too tall, or outside")
                .arg(text, window, QString::number(over.width()), QString::number(over.height())));
    return place;
}

void check_window(QWidget *window, const QString &name)
{
    QApplication::processEvents(); // the layout and size the user sees
    QList<QRect> shown;
    for (QWidget *widget : window->findChildren<QWidget *>() + QWidgetList {window}) {
        const QRect place = check(widget, name);
        for (const QRect &other : shown)
            if (place.intersects(other))
                fault(QStringLiteral("\"%1\" in %2 covers another text by %3 px")
                          .arg(widget->property("text").toString(), name,
                              QString::number((place & other).height())));
        if (!place.isNull())
            shown << place;
    }
}

QWidget *window_of(const char *class_name, bool shown = false)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->inherits(class_name) && (window->isVisible() || !shown))
            return window;
    return nullptr;
}

void click(QWidget *window, const char *name, QPoint at = QPoint())
{
    QTest::mouseClick(window->findChild<QAbstractButton *>(name), Qt::LeftButton, {}, at);
}

} // namespace

class Tst_Text_Fit : public QObject
{
    Q_OBJECT

private slots:
    void every_text_fits_its_label();
};

void Tst_Text_Fit::every_text_fits_its_label()
{
    QTranslator catalogue;
    if (QLocale::system().language() == QLocale::Japanese)
        QVERIFY(catalogue.load(ZELVANE_RUN_DIR "/zelvane_ja.qm")
            && QCoreApplication::installTranslator(&catalogue));
    Fake_Clock time(QDateTime(QDate(2028, 1, 28), QTime(0, 59, 59)));
    Date_Time_Screen clock;
    clock.show();
    // Month m at the hour of period m (0 at 23 h): each of the four displays in turn.
    for (int month = 1; month <= 12; ++month) {
        time.set(QDateTime(QDate(2028, month, 28), QTime((2 * month + 21) % 24, 59, 59)));
        for (int display = 0; display < 4; ++display) {
            QTest::mouseClick(&clock, Qt::LeftButton);
            check_window(&clock, QStringLiteral("clock"));
        }
    }
    QTest::mouseClick(&clock, Qt::RightButton);
    check_window(window_of("Right_Menu"), QStringLiteral("menu"));

    auto *fortune = static_cast<Mini_Omikuji *>(window_of("Mini_Omikuji"));
    for (int grade = 1; grade <= 12; ++grade) {
        fortune->show();
        std::fill_n(fortune->buf_uranai_result, 5, grade);
        click(fortune, "start_stop_button");
        check_window(fortune, QStringLiteral("fortune drawing"));
        click(fortune, "start_stop_button");
        check_window(fortune, QStringLiteral("fortune result of grade %1").arg(grade));
        click(fortune, "close_button");
    }

    QWidget *maxim_menu = window_of("Main_Maxim_Screen");
    maxim_menu->show();
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
    QCOMPARE(faults, 0);
}

QTEST_MAIN(Tst_Text_Fit)
#include "tst_text_fit.moc"
