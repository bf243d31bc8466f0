// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim_word_ja.h"
#include "output_capture.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>
#include <cstdint>

namespace {

QString address_of(const Maxim_Entry &entry)
{
    return QString::number(
        static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&entry)));
}

// Translates only the number label of the Japanese browser.
class Number_Translator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(
        const char *context, const char *source_text, const char *, int) const override
    {
        if (qstrcmp(context, "Maxim_Word_Ja") == 0 && qstrcmp(source_text, "No=%1") == 0)
            return QStringLiteral("番号=%1");
        return QString();
    }
};

} // namespace

// The Japanese browser: stepping through the 40 maxims in numeric order.
class Tst_Maxim_Word_Ja : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void new_window_shows_entry_0();
    void next_walks_to_the_last_entry_and_stops();
    void back_at_1_returns_to_0();
    void close_keeps_the_entry();
    void next_and_back_print_trace_lines();
    void typed_texts_give_way_to_the_catalogue();
    void translated_number_until_the_first_step();

private:
    struct Parts
    {
        QLabel *no_label;
        QTextEdit *heading_edit;
        QTextEdit *text_edit;
        QPushButton *back_button;
        QPushButton *next_button;
        QPushButton *close_button;
    };
    static Parts parts_of(Maxim_Word_Ja &window);
    static void verify_at(Maxim_Word_Ja &window, int number);
};

Tst_Maxim_Word_Ja::Parts Tst_Maxim_Word_Ja::parts_of(Maxim_Word_Ja &window)
{
    return {window.findChild<QLabel *>(QStringLiteral("no_label")),
        window.findChild<QTextEdit *>(QStringLiteral("heading_edit")),
        window.findChild<QTextEdit *>(QStringLiteral("text_edit")),
        window.findChild<QPushButton *>(QStringLiteral("back_button")),
        window.findChild<QPushButton *>(QStringLiteral("next_button")),
        window.findChild<QPushButton *>(QStringLiteral("close_button"))};
}

void Tst_Maxim_Word_Ja::verify_at(Maxim_Word_Ja &window, int number)
{
    const Parts parts = parts_of(window);
    QCOMPARE(Maxim_Word_Ja::current_number(), number);
    QCOMPARE(parts.no_label->text(), QStringLiteral("No=%1").arg(number));
    QCOMPARE(parts.heading_edit->toPlainText(), window.Get_Maxim_Text(number, 0));
    QCOMPARE(parts.text_edit->toPlainText(), window.Get_Maxim_Text(number, 1));
    QCOMPARE(window.entry(number).heading, window.Get_Maxim_Text(number, 0));
    QCOMPARE(window.entry(number).text, window.Get_Maxim_Text(number, 1));
    QCOMPARE(parts.back_button->isEnabled(), number > 0);
    QCOMPARE(parts.next_button->isEnabled(), number < Maxim_Word_Ja::maxim_count - 1);
}

// The entry number belongs to the whole program and Close keeps it: each test
// steps it back to 0 first.
void Tst_Maxim_Word_Ja::init()
{
    Maxim_Word_Ja reset;
    Output_Capture quiet;
    while (Maxim_Word_Ja::current_number() > 0)
        reset.Push_Back_Clicked();
}

void Tst_Maxim_Word_Ja::new_window_shows_entry_0()
{
    Maxim_Word_Ja window;
    const Parts parts = parts_of(window);
    QVERIFY(parts.no_label && parts.heading_edit && parts.text_edit && parts.back_button
        && parts.next_button && parts.close_button);
    QVERIFY(window.isWindow());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Todays maxim in Japan"));
    QCOMPARE(window.pos(), QPoint(630, 220));
    QCOMPARE(window.minimumSize(), QSize(500, 380));
    QCOMPARE(window.maximumSize(), QSize(500, 380));

    QCOMPARE(parts.no_label->text(), QStringLiteral("No=0"));
    QCOMPARE(parts.heading_edit->toPlainText(), QStringLiteral("1.Omoitukuhito"));
    QCOMPARE(parts.text_edit->toPlainText(), QStringLiteral("Hitto gaderuto"));
    verify_at(window, 0);

    QCOMPARE(parts.no_label->font().pointSize(), 10);
    QCOMPARE(parts.no_label->font().weight(), QFont::Bold);
    QCOMPARE(parts.heading_edit->font().pointSize(), 14);
    QCOMPARE(parts.heading_edit->font().weight(), QFont::Bold);
    QCOMPARE(parts.text_edit->font().pointSize(), 14);
    QCOMPARE(parts.text_edit->font().weight(), QFont::Bold);
    QVERIFY(!parts.heading_edit->isReadOnly());
    QVERIFY(!parts.text_edit->isReadOnly());

    // Created Next, Close, Back: that is their focus order.
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    QCOMPARE(
        buttons, QList<QPushButton *>({parts.next_button, parts.close_button, parts.back_button}));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(parts.back_button->x() < parts.next_button->x());
    QVERIFY(parts.next_button->x() < parts.close_button->x());
    QVERIFY(parts.heading_edit->y() < parts.text_edit->y());
    window.hide();
}

void Tst_Maxim_Word_Ja::next_walks_to_the_last_entry_and_stops()
{
    Maxim_Word_Ja window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    for (int n = 1; n <= 39; ++n) {
        QTest::mouseClick(parts.next_button, Qt::LeftButton);
        verify_at(window, n);
    }
    QCOMPARE(parts.no_label->text(), QStringLiteral("No=39"));
    QCOMPARE(parts.heading_edit->toPlainText(), QStringLiteral("40Hito ga jibunn kara"));
    QCOMPARE(parts.text_edit->toPlainText(), QStringLiteral("Seikousiteru hito ha"));
    QVERIFY(!parts.next_button->isEnabled());
    QVERIFY(parts.back_button->isEnabled());
    output.take_lines();

    window.Push_Ok_Clicked();
    verify_at(window, 39);
    QCOMPARE(output.take_lines(), QStringList({"i2=39"}));
}

void Tst_Maxim_Word_Ja::back_at_1_returns_to_0()
{
    Maxim_Word_Ja window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    verify_at(window, 1);
    QTest::mouseClick(parts.back_button, Qt::LeftButton);
    verify_at(window, 0);

    // Called at entry 0, Back only reports the number.
    output.take_lines();
    window.Push_Back_Clicked();
    verify_at(window, 0);
    QCOMPARE(output.take_lines(), QStringList({"i2=0"}));
}

void Tst_Maxim_Word_Ja::close_keeps_the_entry()
{
    Maxim_Word_Ja window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    window.show();
    for (int n = 0; n < 17; ++n)
        QTest::mouseClick(parts.next_button, Qt::LeftButton);
    QTest::mouseClick(parts.close_button, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.show();
    verify_at(window, 17);
    QVERIFY(parts.back_button->isEnabled());
    QVERIFY(parts.next_button->isEnabled());

    QVERIFY(window.close());
    window.show();
    verify_at(window, 17);
    window.hide();
}

void Tst_Maxim_Word_Ja::next_and_back_print_trace_lines()
{
    Maxim_Word_Ja window;
    const Parts parts = parts_of(window);
    Output_Capture output;

    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    const QString one = address_of(window.entry(1));
    QCOMPARE(output.take_lines(),
        QStringList({QStringLiteral("1.i2=1,i2=1,maxim+i=") + one,
            QStringLiteral("2.i2=1,i2=1,maxim+i2=") + one, QStringLiteral("i2=1")}));

    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    output.take_lines();
    QTest::mouseClick(parts.back_button, Qt::LeftButton);
    QCOMPARE(output.take_lines(),
        QStringList({QStringLiteral("1.i2=1,i2=1,maxim+i=") + one,
            QStringLiteral("2.i2=1,i2=1,maxim+i2=") + one, QStringLiteral("i2=1")}));
}

void Tst_Maxim_Word_Ja::typed_texts_give_way_to_the_catalogue()
{
    Maxim_Word_Ja window;
    const Parts parts = parts_of(window);
    Output_Capture output;
    window.show();
    QTest::mouseClick(parts.next_button, Qt::LeftButton);

    parts.heading_edit->setFocus();
    parts.heading_edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(parts.heading_edit, QStringLiteral(" mine"));
    parts.text_edit->setFocus();
    parts.text_edit->selectAll();
    QTest::keyClicks(parts.text_edit, QStringLiteral("my note"));
    QCOMPARE(
        parts.heading_edit->toPlainText(), window.Get_Maxim_Text(1, 0) + QStringLiteral(" mine"));
    QCOMPARE(parts.text_edit->toPlainText(), QStringLiteral("my note"));

    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    QTest::mouseClick(parts.back_button, Qt::LeftButton);
    verify_at(window, 1);
    window.hide();
}

void Tst_Maxim_Word_Ja::translated_number_until_the_first_step()
{
    Number_Translator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    Maxim_Word_Ja window;
    QCoreApplication::removeTranslator(&translator);
    const Parts parts = parts_of(window);
    Output_Capture output;

    QCOMPARE(parts.no_label->text(), QStringLiteral("番号=0"));
    QTest::mouseClick(parts.next_button, Qt::LeftButton);
    QCOMPARE(parts.no_label->text(), QStringLiteral("No=1"));
    QTest::mouseClick(parts.back_button, Qt::LeftButton);
    QCOMPARE(parts.no_label->text(), QStringLiteral("No=0"));
}

QTEST_MAIN(Tst_Maxim_Word_Ja)
#include "tst_maxim_word_ja.moc"
