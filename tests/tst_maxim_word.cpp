// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim_window.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "output_capture.h"

#include <QTranslator>
#include <QtTest>
#include <cstdint>

namespace {

// Where the two browsers differ. In the trace formats %1 stands for the entry
// number and %2 for the address of its record, in decimal.
struct Browser
{
    QString title;
    QSize size;
    QStringList next_trace;
    QStringList back_trace;
    bool close_returns_to_first;
};

QStringList traced(const QStringList &formats, int number, const Maxim_Entry &record)
{
    const QString address = QString::number(
        static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(&record)));
    QStringList lines;
    for (QString line : formats)
        lines.append(line.replace("%1", QString::number(number)).replace("%2", address));
    return lines;
}

// The entry number belongs to the whole program: tests start it at 0.
template<typename Window> void back_to_first()
{
    Output_Capture quiet;
    Window window;
    while (Window::current_number() > 0)
        window.Push_Back_Clicked();
}

template<typename Window> void verify_at(Window &window, int number)
{
    QCOMPARE(Window::current_number(), number);
    QCOMPARE(maxim_number(window), QStringLiteral("No=%1").arg(number));
    QCOMPARE(maxim_heading(window), window.Get_Maxim_Text(number, 0));
    QCOMPARE(maxim_text(window), window.Get_Maxim_Text(number, 1));
    QCOMPARE(maxim_button(window, "back_button")->isEnabled(), number > 0);
    QCOMPARE(maxim_button(window, "next_button")->isEnabled(), number < Window::maxim_count - 1);
}

template<typename Window> void step_through(const Browser &expected)
{
    back_to_first<Window>();
    Window window;
    QCOMPARE(window.windowTitle(), expected.title);
    QCOMPARE(window.size(), expected.size);
    verify_at(window, 0);

    Output_Capture output;
    press(window, "next_button");
    verify_at(window, 1);
    QCOMPARE(output.take_lines(), traced(expected.next_trace, 1, window.entry(1)));
    press(window, "back_button");
    verify_at(window, 0);
    QCOMPARE(output.take_lines(), traced(expected.back_trace, 0, window.entry(0)));

    const int last = Window::maxim_count - 1;
    for (int n = 1; n <= last; ++n) {
        press(window, "next_button");
        verify_at(window, n);
    }

    // Closing through the frame keeps the entry; the Close button may not.
    window.show();
    QVERIFY(window.close());
    window.show();
    verify_at(window, last);
    press(window, "close_button");
    QVERIFY(!window.isVisible());
    verify_at(window, expected.close_returns_to_first ? 0 : last);
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

// The two browsers that step through a maxim catalogue in numeric order.
class Tst_Maxim_Word : public QObject
{
    Q_OBJECT

private slots:
    void chinese_browser();
    void japanese_browser();
    void japanese_number_is_translated_until_the_first_step();
};

void Tst_Maxim_Word::chinese_browser()
{
    step_through<Maxim_Word>({QStringLiteral("Todays maxim"), QSize(760, 280),
        {"1.i=%1,i=%1,maxim+i=%2", "2.i=%1,i=%1,maxim+i=%2", "i=%1"},
        {"1.i=%1,i=%1,maxim+i=%2", "2.i=%1,i=%1,maxim+i=%2"}, true});
}

void Tst_Maxim_Word::japanese_browser()
{
    step_through<Maxim_Word_Ja>({QStringLiteral("Todays maxim in Japan"), QSize(500, 380),
        {"1.i2=%1,i2=%1,maxim+i=%2", "2.i2=%1,i2=%1,maxim+i2=%2", "i2=%1"},
        {"1.i2=%1,i2=%1,maxim+i=%2", "2.i2=%1,i2=%1,maxim+i2=%2", "i2=%1"}, false});
}

void Tst_Maxim_Word::japanese_number_is_translated_until_the_first_step()
{
    back_to_first<Maxim_Word_Ja>();
    Number_Translator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    Maxim_Word_Ja window;
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(maxim_number(window), QStringLiteral("番号=0"));

    Output_Capture quiet;
    press(window, "next_button");
    QCOMPARE(maxim_number(window), QStringLiteral("No=1"));
}

QTEST_MAIN(Tst_Maxim_Word)
#include "tst_maxim_word.moc"
