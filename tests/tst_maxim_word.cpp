// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim_word.h"
#include "output_capture.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <cstdint>

namespace {

QString address_of(const Maxim_Entry &entry)
{
    return QString::number(
        static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&entry)));
}

} // namespace

// The Chinese browser: stepping through the 64 maxims in numeric order.
class Tst_Maxim_Word : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void new_window_shows_entry_0();
    void next_walks_to_the_last_entry_and_stops();
    void back_at_1_returns_to_0();
    void close_button_returns_to_entry_0();
    void frame_close_keeps_the_entry();
    void next_and_back_print_trace_lines();
    void entry_number_is_shared_by_every_window();

private:
    struct Parts
    {
        QLabel *no_label;
        QLabel *heading_label;
        QTextEdit *text_edit;
        QPushButton *back_button;
        QPushButton *next_button;
        QPushButton *close_button;
    };
    static Parts parts_of(Maxim_Word &window);
    static void verify_at(Maxim_Word &window, int number);
};

Tst_Maxim_Word::Parts Tst_Maxim_Word::parts_of(Maxim_Word &window)
{
    return {window.findChild<QLabel *>(QStringLiteral("no_label")),
        window.findChild<QLabel *>(QStringLiteral("heading_label")),
        window.findChild<QTextEdit *>(QStringLiteral("text_edit")),
        window.findChild<QPushButton *>(QStringLiteral("back_button")),
        window.findChild<QPushButton *>(QStringLiteral("next_button")),
        window.findChild<QPushButton *>(QStringLiteral("close_button"))};
}

void Tst_Maxim_Word::verify_at(Maxim_Word &window, int number)
{
    const Parts parts = parts_of(window);
    QCOMPARE(Maxim_Word::current_number(), number);
    QCOMPARE(parts.no_label->text(), QStringLiteral("No=%1").arg(number));
    QCOMPARE(parts.heading_label->text(), window.Get_Maxim_Text(number, 0));
    QCOMPARE(parts.text_edit->toPlainText(), window.Get_Maxim_Text(number, 1));
    QCOMPARE(window.entry(number).heading, window.Get_Maxim_Text(number, 0));
    QCOMPARE(window.entry(number).text, window.Get_Maxim_Text(number, 1));
    QCOMPARE(parts.back_button->isEnabled(), number > 0);
    QCOMPARE(parts.next_button->isEnabled(), number < Maxim_Word::maxim_count - 1);
}

// The entry number belongs to the whole program: each test starts it at 0,
// through the Close button that resets it.
void Tst_Maxim_Word::init()
{
    Maxim_Word reset;
    Output_Capture quiet;
    QTest::mouseClick(parts_of(reset).close_button, Qt::LeftButton);
    QCOMPARE(Maxim_Word::current_number(), 0);
}

void Tst_Maxim_Word::new_window_shows_entry_0()
{
    Maxim_Word window;
    const Parts parts = parts_of(window);
    QVERIFY(parts.no_label && parts.heading_label && parts.text_edit && parts.back_button
        && parts.next_button && parts.close_button);
    QVERIFY(window.isWindow());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Todays maxim"));
    QCOMPARE(window.pos(), QPoint(480, 360));
    QCOMPARE(window.minimumSize(), QSize(760, 280));
    QCOMPARE(window.maximumSize(), QSize(760, 280));

    QCOMPARE(parts.no_label->text(), QStringLiteral("No=0"));
    QCOMPARE(parts.heading_label->text(), QStringLiteral("Hijyouhatokunomotonari"));
    QCOMPARE(parts.text_edit->toPlainText(), QStringLiteral("Kenjyou koso Toku no kihon de aru"));
    verify_at(window, 0);

    QCOMPARE(parts.no_label->font().pointSize(), 10);
    QCOMPARE(parts.no_label->font().weight(), QFont::Bold);
    QCOMPARE(parts.heading_label->font().pointSize(), 10);
    QCOMPARE(parts.heading_label->font().weight(), QFont::Bold);
    QVERIFY(!parts.heading_label->wordWrap());
    QCOMPARE(parts.text_edit->font().pointSize(), 12);
    QCOMPARE(parts.text_edit->font().weight(), QFont::Bold);
    QVERIFY(parts.text_edit->isReadOnly());

    QCOMPARE(parts.back_button->text(), QStringLiteral("Back"));
    QCOMPARE(parts.next_button->text(), QStringLiteral("Next"));
    QCOMPARE(parts.close_button->text(), QStringLiteral("Close"));
    // Created Close, Next, Back: that is their focus order.
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    QCOMPARE(
        buttons, QList<QPushButton *>({parts.close_button, parts.next_button, parts.back_button}));

    // On screen the buttons sit at the right in the order Back, Next, Close.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(parts.back_button->x() < parts.next_button->x());
    QVERIFY(parts.next_button->x() < parts.close_button->x());
    QVERIFY(parts.close_button->geometry().right() > window.width() - 30);
    QVERIFY(parts.no_label->y() < parts.heading_label->y());
    QVERIFY(parts.heading_label->y() < parts.text_edit->y());
    QVERIFY(parts.text_edit->y() < parts.next_button->y());
    window.hide();
}

void Tst_Maxim_Word::next_walks_to_the_last_entry_and_stops()
{
    Maxim_Word window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    for (int n = 1; n <= 63; ++n) {
        QTest::mouseClick(parts.next_button, Qt::LeftButton);
        verify_at(window, n);
    }
    QCOMPARE(parts.no_label->text(), QStringLiteral("No=63"));
    QCOMPARE(parts.text_edit->toPlainText(), QStringLiteral("97.kane ya kanae noyouna"));
    QVERIFY(!parts.next_button->isEnabled());
    QVERIFY(parts.back_button->isEnabled());
    output.take_lines();

    // Called past the end, Next stays at the last entry and says so.
    window.Push_Next_Clicked();
    verify_at(window, 63);
    QCOMPARE(output.take_lines(), QStringList({"i=63"}));
}

void Tst_Maxim_Word::back_at_1_returns_to_0()
{
    Maxim_Word window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    verify_at(window, 1);
    QTest::mouseClick(parts.back_button, Qt::LeftButton);
    verify_at(window, 0);
    QCOMPARE(parts.heading_label->text(), QStringLiteral("Hijyouhatokunomotonari"));

    // Called at entry 0, Back does nothing and prints nothing.
    output.take_lines();
    window.Push_Back_Clicked();
    verify_at(window, 0);
    QCOMPARE(output.take_lines(), QStringList());
}

void Tst_Maxim_Word::close_button_returns_to_entry_0()
{
    Maxim_Word window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    window.show();
    for (int n = 0; n < 17; ++n)
        QTest::mouseClick(parts.next_button, Qt::LeftButton);
    verify_at(window, 17);
    QTest::mouseClick(parts.close_button, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.show();
    verify_at(window, 0);
    QCOMPARE(parts.heading_label->text(), QStringLiteral("Hijyouhatokunomotonari"));

    for (int n = 0; n < 63; ++n)
        QTest::mouseClick(parts.next_button, Qt::LeftButton);
    verify_at(window, 63);
    QTest::mouseClick(parts.close_button, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.show();
    verify_at(window, 0);
    QVERIFY(parts.next_button->isEnabled());
    window.hide();
}

void Tst_Maxim_Word::frame_close_keeps_the_entry()
{
    Maxim_Word window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    window.show();
    for (int n = 0; n < 5; ++n)
        QTest::mouseClick(parts.next_button, Qt::LeftButton);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    window.show();
    verify_at(window, 5);
    window.hide();
}

void Tst_Maxim_Word::next_and_back_print_trace_lines()
{
    Maxim_Word window;
    const Parts parts = parts_of(window);
    Output_Capture output;

    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    const QString one = address_of(window.entry(1));
    QCOMPARE(output.take_lines(),
        QStringList({QStringLiteral("1.i=1,i=1,maxim+i=") + one,
            QStringLiteral("2.i=1,i=1,maxim+i=") + one, QStringLiteral("i=1")}));

    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    const QString two = address_of(window.entry(2));
    QCOMPARE(output.take_lines(),
        QStringList({QStringLiteral("1.i=2,i=2,maxim+i=") + two,
            QStringLiteral("2.i=2,i=2,maxim+i=") + two, QStringLiteral("i=2")}));

    QTest::mouseClick(parts.back_button, Qt::LeftButton);
    QCOMPARE(output.take_lines(),
        QStringList({QStringLiteral("1.i=1,i=1,maxim+i=") + one,
            QStringLiteral("2.i=1,i=1,maxim+i=") + one}));
}

void Tst_Maxim_Word::entry_number_is_shared_by_every_window()
{
    Maxim_Word first;
    Maxim_Word second;
    Output_Capture output;
    QTest::mouseClick(parts_of(first).next_button, Qt::LeftButton);
    QTest::mouseClick(parts_of(first).next_button, Qt::LeftButton);
    // The other window steps on from the same number.
    QTest::mouseClick(parts_of(second).next_button, Qt::LeftButton);
    QCOMPARE(Maxim_Word::current_number(), 3);
    QCOMPARE(parts_of(second).no_label->text(), QStringLiteral("No=3"));
    QCOMPARE(parts_of(second).heading_label->text(), second.Get_Maxim_Text(3, 0));
    QCOMPARE(output.take_lines().last(), QStringLiteral("i=3"));
}

QTEST_MAIN(Tst_Maxim_Word)
#include "tst_maxim_word.moc"
