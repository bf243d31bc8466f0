// SPDX-License-Identifier: GPL-3.0-or-later
#include "mini_omikuji.h"
#include "output_capture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

namespace {

// QObject::receivers() is protected; how many slots a tick reaches is the point.
struct Connection_Count : QTimer
{
    static int of_timeout(QTimer *timer)
    {
        return static_cast<Connection_Count *>(timer)->receivers(SIGNAL(timeout()));
    }
};

// Qt Test logs toolkit warnings to standard output too (the offscreen platform
// warns about fixed sizes of shown windows); only the window's own lines count.
QStringList trace_lines(Output_Capture &output)
{
    QStringList lines = output.take_lines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                    [](const QString &line) { return line.startsWith("QWARN"); }),
        lines.end());
    return lines;
}

// A seed whose first digit, drawn as the window draws it, is the given one.
unsigned seed_drawing_first(int digit)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % 5 == digit)
            return seed;
    }
}

struct Window_Parts
{
    explicit Window_Parts(Mini_Omikuji &window)
        : lcd(window.findChild<QLCDNumber *>(QStringLiteral("lcd_number")))
        , start_stop(window.findChild<QPushButton *>(QStringLiteral("start_stop_button")))
        , close(window.findChild<QPushButton *>(QStringLiteral("close_button")))
        , timer(window.findChild<QTimer *>(QStringLiteral("draw_timer")))
        , unsei(window.findChild<QLabel *>(QStringLiteral("unsei_label")))
        , study(window.findChild<QLabel *>(QStringLiteral("study_label")))
        , lover(window.findChild<QLabel *>(QStringLiteral("lover_label")))
        , money(window.findChild<QLabel *>(QStringLiteral("money_label")))
        , trouble(window.findChild<QLabel *>(QStringLiteral("trouble_label")))
    { }
    bool complete() const
    {
        return lcd && start_stop && close && timer && unsei && study && lover && money && trouble;
    }
    QList<QLabel *> labels() const { return {unsei, study, lover, money, trouble}; }

    QLCDNumber *lcd;
    QPushButton *start_stop;
    QPushButton *close;
    QTimer *timer;
    QLabel *unsei;
    QLabel *study;
    QLabel *lover;
    QLabel *money;
    QLabel *trouble;
};

} // namespace

class Tst_Mini_Omikuji : public QObject
{
    Q_OBJECT

private slots:
    void first_show_then_result_then_close();
    void stop_before_the_first_tick_takes_the_first_digit();
    void stop_shows_the_fortune_of_its_slot();
    void stop_on_zero_reads_slot_zero();
    void many_drawings_still_draw_one_digit_a_tick();
    void slots_changed_during_a_result_count_from_the_next_stop();
    void slot_without_a_grade_says_no_fortune();
    void labels_use_a_mincho_face_where_installed();
};

void Tst_Mini_Omikuji::first_show_then_result_then_close()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    QCOMPARE(window.windowTitle(), QStringLiteral("Zelvane Uranai"));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (int slot = 0; slot < 5; ++slot)
        QCOMPARE(window.buf_uranai_result[slot], 0);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(100, 120));
    QCOMPARE(window.pos(), QPoint(500, 520));
    QCOMPARE(parts.lcd->intValue(), 0);
    QCOMPARE(parts.lcd->digitCount(), 1);
    QCOMPARE(parts.lcd->segmentStyle(), QLCDNumber::Flat);
    QCOMPARE(parts.start_stop->text(), QStringLiteral("Start"));
    QVERIFY(parts.lcd->isVisible());
    QVERIFY(!parts.close->isVisible());
    for (QLabel *label : parts.labels())
        QVERIFY(!label->isVisible());
    QVERIFY(!parts.timer->isActive());

    // The white background with its outline, clipped to the small window.
    const QImage look = window.grab().toImage();
    QCOMPARE(look.pixelColor(3, 3), QColor(Qt::white));
    QVERIFY(look.pixelColor(0, 0).lightness() < 128);

    for (int slot = 0; slot < 5; ++slot)
        window.buf_uranai_result[slot] = slot + 1;
    parts.start_stop->click();
    QCOMPARE(parts.start_stop->text(), QStringLiteral("Stop"));
    QVERIFY(parts.timer->isActive());
    QCOMPARE(parts.timer->interval(), 80);
    QVERIFY(!parts.timer->isSingleShot());
    QCOMPARE(window.size(), QSize(100, 120));

    parts.start_stop->click();
    QVERIFY(!parts.timer->isActive());
    QCOMPARE(parts.start_stop->text(), QStringLiteral("Start"));
    QCOMPARE(window.size(), QSize(280, 200));
    QCOMPARE(window.pos(), QPoint(500, 460));
    QVERIFY(!parts.lcd->isVisible());
    QVERIFY(!parts.start_stop->isVisible());
    QVERIFY(parts.close->isVisible());
    QCOMPARE(parts.close->text(), QStringLiteral("Close"));
    for (QLabel *label : parts.labels())
        QVERIFY(label->isVisible());
    QCOMPARE(trace_lines(output).size(), 1);

    const int last_digit = parts.lcd->intValue();
    parts.close->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.size(), QSize(120, 130));
    QCOMPARE(window.pos(), QPoint(500, 520));
    QVERIFY(!parts.lcd->isHidden());
    QVERIFY(!parts.start_stop->isHidden());
    QVERIFY(parts.close->isHidden());
    for (QLabel *label : parts.labels())
        QVERIFY(label->isHidden());
    QCOMPARE(parts.lcd->intValue(), last_digit);
    QCOMPARE(trace_lines(output), QStringList());
}

void Tst_Mini_Omikuji::stop_before_the_first_tick_takes_the_first_digit()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    for (int slot = 0; slot < 5; ++slot)
        window.buf_uranai_result[slot] = 12 - slot;

    for (unsigned seed : {1u, 2u, 3u, 42u, 2024u}) {
        std::srand(seed);
        const int first = std::rand() % 5;
        std::srand(seed);
        parts.start_stop->click();
        QCOMPARE(parts.lcd->intValue(), first);
        parts.start_stop->click();
        QCOMPARE(trace_lines(output), QStringList({QStringLiteral("buf_r-1=%1").arg(first - 1)}));
        QCOMPARE(parts.unsei->text(), Mini_Omikuji::Unsei_Name(12 - first - 1));
        parts.close->click();
    }
}

void Tst_Mini_Omikuji::stop_shows_the_fortune_of_its_slot()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    window.buf_uranai_result[0] = 1;
    window.buf_uranai_result[1] = 5;
    window.buf_uranai_result[2] = 12;
    window.buf_uranai_result[3] = 3;
    window.buf_uranai_result[4] = 7;
    window.show();

    std::srand(seed_drawing_first(2));
    parts.start_stop->click();
    parts.start_stop->click();
    QCOMPARE(trace_lines(output), QStringList({"buf_r-1=1"}));
    QCOMPARE(parts.unsei->text(), QStringLiteral("Daikyou"));
    QCOMPARE(parts.study->text(), QStringLiteral("Study:You need not expect"));
    QCOMPARE(parts.lover->text(), QStringLiteral("lover:Lover alarm"));
    QCOMPARE(parts.money->text(), QStringLiteral("money:outgo at great"));
    QCOMPARE(parts.trouble->text(), QStringLiteral("trouble:Good luck"));
    QCOMPARE(parts.unsei->font().pointSize(), 25);
    QCOMPARE(parts.study->font().pointSize(), 16);

    // Top to bottom: grade, study, love, money, trouble, then Close.
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    int previous_bottom = -1;
    for (QWidget *widget :
        {static_cast<QWidget *>(parts.unsei), static_cast<QWidget *>(parts.study),
            static_cast<QWidget *>(parts.lover), static_cast<QWidget *>(parts.money),
            static_cast<QWidget *>(parts.trouble), static_cast<QWidget *>(parts.close)}) {
        QVERIFY2(widget->geometry().top() >= previous_bottom, qPrintable(widget->objectName()));
        previous_bottom = widget->geometry().bottom();
    }
    parts.close->click();
}

void Tst_Mini_Omikuji::stop_on_zero_reads_slot_zero()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    const int grades[5] = {8, 2, 2, 2, 2};
    std::copy(grades, grades + 5, window.buf_uranai_result);

    std::srand(seed_drawing_first(0));
    parts.start_stop->click();
    parts.start_stop->click();
    QCOMPARE(trace_lines(output), QStringList({"buf_r-1=-1"}));
    QCOMPARE(parts.unsei->text(), QStringLiteral("Kyou"));
    QCOMPARE(parts.study->text(), QStringLiteral("Study:you have pure luck"));
    QCOMPARE(parts.money->text(), QStringLiteral("money:small income,big outgo"));
}

void Tst_Mini_Omikuji::many_drawings_still_draw_one_digit_a_tick()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    for (int slot = 0; slot < 5; ++slot)
        window.buf_uranai_result[slot] = 1;

    for (int cycle = 0; cycle < 40; ++cycle) {
        parts.start_stop->click();
        parts.start_stop->click();
        parts.close->click();
    }
    QCOMPARE(trace_lines(output).size(), 40);
    parts.start_stop->click();
    QCOMPARE(parts.start_stop->text(), QStringLiteral("Stop"));
    QCOMPARE(Connection_Count::of_timeout(parts.timer), 1);

    // One tick takes exactly one number from the generator.
    for (unsigned seed : {5u, 77u, 901u}) {
        std::srand(seed);
        const int digit = std::rand() % 5;
        const int following = std::rand();
        std::srand(seed);
        QVERIFY(QMetaObject::invokeMethod(parts.timer, "timeout"));
        QCOMPARE(parts.lcd->intValue(), digit);
        QCOMPARE(std::rand(), following);
    }
    parts.start_stop->click();
    QCOMPARE(trace_lines(output).size(), 1);
    parts.close->click();
}

void Tst_Mini_Omikuji::slots_changed_during_a_result_count_from_the_next_stop()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    for (int slot = 0; slot < 5; ++slot)
        window.buf_uranai_result[slot] = 4;

    const unsigned seed = seed_drawing_first(3);
    std::srand(seed);
    parts.start_stop->click();
    parts.start_stop->click();
    QCOMPARE(parts.unsei->text(), QStringLiteral("Kichi"));

    for (int slot = 0; slot < 5; ++slot)
        window.buf_uranai_result[slot] = 6;
    QCOMPARE(parts.unsei->text(), QStringLiteral("Kichi"));
    QCOMPARE(
        parts.trouble->text(), QStringLiteral("trouble:Discretion is the better part of valor"));

    parts.close->click();
    std::srand(seed);
    parts.start_stop->click();
    parts.start_stop->click();
    QCOMPARE(parts.unsei->text(), QStringLiteral("Suekichi"));
    QCOMPARE(parts.money->text(), QStringLiteral("money:inconstancy"));
    QCOMPARE(trace_lines(output), QStringList({"buf_r-1=2", "buf_r-1=2"}));
}

void Tst_Mini_Omikuji::slot_without_a_grade_says_no_fortune()
{
    Output_Capture output;
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    window.show();

    for (int value : {0, -1, 13, 1000, std::numeric_limits<int>::min()}) {
        for (int slot = 0; slot < 5; ++slot)
            window.buf_uranai_result[slot] = value;
        std::srand(seed_drawing_first(1));
        parts.start_stop->click();
        parts.start_stop->click();
        QCOMPARE(trace_lines(output), QStringList({"buf_r-1=0"}));
        QCOMPARE(parts.unsei->text(), QStringLiteral("No fortune set"));
        for (QLabel *label : {parts.study, parts.lover, parts.money, parts.trouble})
            QCOMPARE(label->text(), QString());
        QCOMPARE(window.size(), QSize(280, 200));
        QVERIFY(parts.close->isVisible());
        parts.close->click();
        window.show();
    }
}

void Tst_Mini_Omikuji::labels_use_a_mincho_face_where_installed()
{
    Mini_Omikuji window;
    Window_Parts parts(window);
    QVERIFY(parts.complete());
    for (QLabel *label : parts.labels())
        QCOMPARE(label->font().family(), QStringLiteral("Mncho"));

    const QString serif = QStringLiteral("Noto Serif CJK JP");
    if (!QFontDatabase::families().contains(serif))
        QSKIP("no Mincho-style face installed here");
    for (QLabel *label : parts.labels())
        QCOMPARE(QFontInfo(label->font()).family(), serif);
}

QTEST_MAIN(Tst_Mini_Omikuji)
#include "tst_mini_omikuji.moc"
