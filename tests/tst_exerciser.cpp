// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"
#include "date_time_screen.h"
#include "fake_clock.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"
#include "mini_omikuji.h"
#include "program_run.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLCDNumber>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

// The chime of each hour of the day, from the design's hour-to-sound table.
constexpr int chime_of_hour[24]
    = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

QList<QWidget *> shown_windows()
{
    QList<QWidget *> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            windows.append(window);
    return windows;
}

// Quit would end the storm; the calendar's month button opens a menu that waits for a choice.
template<class Child> QList<Child *> shown()
{
    static const QStringList left_alone {
        QStringLiteral("quit_button"), QStringLiteral("qt_calendar_monthbutton")};
    QList<Child *> found;
    for (QWidget *window : shown_windows()) {
        QList<Child *> children = window->findChildren<Child *>();
        if (auto *itself = qobject_cast<Child *>(window))
            children.append(itself);
        for (Child *child : children)
            if (child->isVisible() && child->isEnabled()
                && !left_alone.contains(child->objectName()))
                found.append(child);
    }
    return found;
}

// What must hold after every event; empty when it does.
QString broken_rule()
{
    QHash<QString, int> per_class;
    for (QWidget *window : shown_windows()) {
        const QString name = QString::fromLatin1(window->metaObject()->className());
        if (++per_class[name] > 1)
            return QStringLiteral("two %1 windows shown").arg(name);
        const QString number = window->findChild<QLabel *>(QStringLiteral("no_label"))
            ? window->findChild<QLabel *>(QStringLiteral("no_label"))->text()
            : QString();
        const int count = name.contains(QLatin1String("_Ja")) ? 40 : 64;
        const int n = number.mid(3).toInt();
        if (!number.isEmpty() && (!number.startsWith(QLatin1String("No=")) || n < 0 || n >= count))
            return name + QStringLiteral(" shows ") + number;
        if (name == QLatin1String("Maxim_Word") || name == QLatin1String("Maxim_Word_Ja")) {
            const int current = name == QLatin1String("Maxim_Word")
                ? Maxim_Word::current_number()
                : Maxim_Word_Ja::current_number();
            auto *next = window->findChild<QAbstractButton *>(QStringLiteral("next_button"));
            auto *back = window->findChild<QAbstractButton *>(QStringLiteral("back_button"));
            if (n != current || next->isEnabled() != (n < count - 1)
                || back->isEnabled() != (n > 0))
                return name
                    + QStringLiteral(" at %1 shows %2, Next %3, Back %4")
                          .arg(current)
                          .arg(number)
                          .arg(next->isEnabled())
                          .arg(back->isEnabled());
        }
        if (name == QLatin1String("Alarm_Timer")) {
            const int left = static_cast<QLCDNumber *>(window)->intValue();
            if (left < 0 || left > 300)
                return QStringLiteral("the countdown shows %1").arg(left);
        }
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *drawing = qobject_cast<Mini_Omikuji *>(window))
            for (int grade : drawing->buf_uranai_result)
                if (grade < 0 || grade > 12)
                    return QStringLiteral("a fortune slot holds %1").arg(grade);
    return QString();
}

// One tick of every running timer, as its expiry would deliver it.
void tick_running_timers()
{
    QList<QPointer<QTimer>> timers;
    for (QWidget *window : QApplication::topLevelWidgets())
        for (QTimer *timer : window->findChildren<QTimer *>())
            timers.append(timer);
    for (const QPointer<QTimer> &timer : timers) {
        if (timer && timer->isActive()) {
            QTimerEvent tick(timer->timerId());
            QCoreApplication::sendEvent(timer, &tick);
        }
    }
}

} // namespace

// A seeded storm of user events over the whole program while its clock runs
// on over days; ZELVANE_SEED and ZELVANE_EVENTS replay a run.
class Tst_Exerciser : public QObject
{
    Q_OBJECT

private slots:
    void random_events();
};

void Tst_Exerciser::random_events()
{
    const quint64 seed = qEnvironmentVariableIsSet("ZELVANE_SEED")
        ? qEnvironmentVariable("ZELVANE_SEED").toULongLong()
        : std::random_device()();
    const int events = qEnvironmentVariableIntValue("ZELVANE_EVENTS") > 0
        ? qEnvironmentVariableIntValue("ZELVANE_EVENTS")
        : 5000;
    std::fprintf(stderr, "exerciser: ZELVANE_SEED=%llu ZELVANE_EVENTS=%d\n", seed, events);
    std::mt19937_64 random(seed);
    auto pick = [&](int n) { return int(random() % quint64(n)); };

    QDir::setCurrent(Program_Run::run_folder());
    Fake_Clock clock_time(QDateTime(QDate(2026, 12, 31), QTime(22, 10), Qt::UTC));
    Chime_Bank chimes;
    QList<int> rung;
    connect(&chimes, &Chime_Bank::chime_requested, this, [&](int sound) { rung.append(sound); });
    // The program's trace lines are many; they go nowhere while the storm runs.
    std::fflush(stdout);
    const int saved_stdout = dup(STDOUT_FILENO);
    dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
    auto clock = std::make_unique<Date_Time_Screen>();
    clock->show();
    const QRegularExpression time_shown(QStringLiteral("^\\d{1,2}:\\d{1,2}:\\d{2}$"));
    bool chime_armed = false;
    QDateTime last_chimed_hour;
    int counts[8] = {}, hours = 0;
    QString failure;
    for (int event = 0; event < events && failure.isEmpty(); ++event) {
        int expected_chime = 0;
        const int kind = pick(8);
        ++counts[kind];
        const QList<QTextEdit *> areas = shown<QTextEdit>();
        if (kind == 0) { // time runs on; the first seconds of each hour see a tick
            const QDateTime now = clock_time.now();
            QDateTime next = now.addSecs(1 + pick(40 * 60));
            const QDateTime hour
                = QDateTime(now.date(), QTime(now.time().hour(), 0), Qt::UTC).addSecs(3600);
            if (next >= hour) {
                next = hour.addSecs(pick(3));
                expected_chime = chime_armed ? chime_of_hour[hour.time().hour()] : 0;
                ++hours;
            }
            clock_time.set(next);
            if (next < hour)
                QCoreApplication::processEvents();
            else
                tick_running_timers();
        } else if (kind == 1) { // up to a minute and a half of ticks in a row
            for (int ticks = 1 + pick(90); ticks > 0; --ticks)
                tick_running_timers();
        } else if (kind == 2) { // a click on a button or radio
            const QList<QAbstractButton *> buttons = shown<QAbstractButton>();
            if (!buttons.isEmpty())
                QTest::mouseClick(buttons[pick(buttons.size())], Qt::LeftButton);
        } else if (kind == 3 || kind == 4) { // presses on the clock, the countdown, a text area
            QList<QWidget *> surfaces {clock.get()};
            for (QWidget *window : shown_windows())
                if (qobject_cast<QLCDNumber *>(window))
                    surfaces.append(window);
            for (QTextEdit *area : areas)
                surfaces.append(area->viewport());
            QWidget *target = surfaces[pick(surfaces.size())];
            const Qt::MouseButton button = (kind == 4 && target == clock.get())
                ? Qt::RightButton
                : Qt::MouseButton(1 << pick(3));
            const QPoint at(pick(target->width()), pick(target->height()));
            const int how = pick(4);
            if (how == 0)
                QTest::mousePress(target, button, {}, at);
            else if (how == 1)
                QTest::mouseRelease(target, button, {}, at);
            else if (how == 2)
                QTest::mouseDClick(target, button, {}, at);
            else
                QTest::mouseClick(target, button, {}, at);
        } else if (kind == 5 && !areas.isEmpty()) { // typing, selecting, cutting, pasting
            static const int keys[] = {Qt::Key_A, Qt::Key_Z, Qt::Key_Space, Qt::Key_Backspace,
                Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return};
            static const Qt::KeyboardModifiers mods[]
                = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
            QWidget *area = areas[pick(areas.size())];
            const int key = pick(3) ? keys[pick(7)] : (Qt::Key_A + pick(26));
            QTest::keyClick(area, Qt::Key(key), mods[pick(3)]);
        } else if (kind == 6) { // the clipboard and the selection: text, empty or cleared
            const auto mode = pick(2) ? QClipboard::Clipboard : QClipboard::Selection;
            const int what = pick(3);
            if (what == 0)
                QGuiApplication::clipboard()->setText(QStringLiteral("maxim %1").arg(event), mode);
            else if (what == 1)
                QGuiApplication::clipboard()->setMimeData(new QMimeData, mode);
            else
                QGuiApplication::clipboard()->clear(mode);
        } else if (kind == 7) { // a window closed by its title bar, or a list stepped
            const QList<QComboBox *> lists = shown<QComboBox>();
            QList<QWidget *> windows = shown_windows();
            windows.removeAll(clock.get());
            if (pick(2) && !lists.isEmpty())
                QTest::keyClick(lists[pick(lists.size())], pick(2) ? Qt::Key_Down : Qt::Key_Up);
            else if (!windows.isEmpty())
                windows[pick(windows.size())]->close();
        }
        chime_armed = chime_armed || time_shown.match(clock->text()).hasMatch();
        // One chime per hour, in its first seconds, of the hour's sound; an hour
        // begun while the chime was armed has its chime there and then.
        const QTime now = clock_time.now().time();
        const QDateTime hour_now(clock_time.now().date(), QTime(now.hour(), 0), Qt::UTC);
        const bool chimes_right = rung.isEmpty()
            ? expected_chime == 0
            : rung.size() == 1 && rung[0] == chime_of_hour[now.hour()] && now.minute() == 0
                && now.second() <= 2 && hour_now != last_chimed_hour;
        if (!rung.isEmpty())
            last_chimed_hour = hour_now;
        if (!chimes_right)
            failure = QStringLiteral("at %1 %2 chimes, the last %3, instead of chime %4")
                          .arg(clock_time.now().toString(Qt::ISODate))
                          .arg(rung.size())
                          .arg(rung.value(rung.size() - 1))
                          .arg(expected_chime);
        rung.clear();
        if (failure.isEmpty() && !(failure = broken_rule()).isEmpty())
            failure.prepend(QStringLiteral("after event %1: ").arg(event));
    }
    std::fflush(stdout);
    dup2(saved_stdout, STDOUT_FILENO);
    std::fprintf(stderr,
        "exerciser: time %d, ticks %d, buttons %d, presses %d, keys %d, clipboard %d, "
        "closes %d; %d hours passed, ends %s\n",
        counts[0], counts[1], counts[2], counts[3] + counts[4], counts[5], counts[6], counts[7],
        hours, qPrintable(clock_time.now().toString(Qt::ISODate)));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(chime_armed);
}

QTEST_MAIN(Tst_Exerciser)
#include "tst_exerciser.moc"
