// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"
#include "support/zelvane_test.h"
#include "tools/alarm_timer.h"

#include <random>
#include <set>

// The chime of each hour of the half day, from the design's hour-to-sound table.
constexpr int chime_of_hour[12] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// The windows in an order fixed from run to run: the toolkit keeps them
// hashed by address.
static QWidgetList windows()
{
    QWidgetList all = QApplication::topLevelWidgets();
    std::stable_sort(all.begin(), all.end(), [](QWidget *a, QWidget *b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    return all;
}

// The shown and enabled widgets of a kind in the shown windows; with
// windows_only, the windows alone. Quit would end the storm, the calendar's
// month button opens a menu that waits for a choice, and the settings that
// silence or ring the chime would break the storm's rule of one chime an hour.
template<class Child> static QList<Child *> shown_widgets(bool windows_only = false)
{
    QList<Child *> found;
    for (QWidget *window : windows()) {
        QObjectList all = windows_only ? QObjectList() : window->findChildren<QObject *>();
        for (QObject *object : all << window)
            if (auto *child = qobject_cast<Child *>(object); child && window->isVisible()
                && child->isVisible() && child->isEnabled()
                && !QStringList {"quit_button", "qt_calendar_monthbutton", "chime_check",
                    "quiet_check", "test_button"}
                        .contains(child->objectName()))
                found.append(child);
    }
    return found;
}

// What must hold after every event, the storm's other rule: no window shown
// twice. Empty when it holds.
static QString broken_rule()
{
    std::set<QString> seen;
    for (QWidget *window : shown_widgets<QWidget>(true))
        if (const QString name = window->metaObject()->className(); !seen.insert(name).second)
            return "two " + name + " windows shown";
    return QString();
}

// One tick of every running timer, as its expiry would deliver it.
static void tick_running_timers()
{
    for (QWidget *window : windows())
        for (QTimer *timer : window->findChildren<QTimer *>())
            if (timer->isActive()) {
                QTimerEvent tick(timer->timerId()); // read now: a tick may restart another timer
                QCoreApplication::sendEvent(timer, &tick);
            }
}

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
    const quint64 seed
        = qEnvironmentVariable("ZELVANE_SEED", QString::number(std::random_device()()))
              .toULongLong();
    const int events = qEnvironmentVariable("ZELVANE_EVENTS", "5000").toInt();
    std::fprintf(stderr, "exerciser: ZELVANE_SEED=%llu ZELVANE_EVENTS=%d\n", seed, events);
    std::mt19937_64 random(seed);
    auto pick = [&](int n) { return n > 0 ? int(random() % quint64(n)) : 0; };
    auto pick_from = [&](const auto &list) { return list.value(pick(list.size())); };

    qint64 now = QDateTime(QDate(2026, 12, 31), QTime(22, 10), Qt::UTC).toSecsSinceEpoch();
    stand_clock_at(QDateTime::fromSecsSinceEpoch(now, Qt::UTC));
    Chime_Bank chimes;
    QSignalSpy rung(&chimes, &Chime_Bank::chime_requested);
    auto clock = std::make_unique<Date_Time_Screen>();
    clock->show();
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto *countdown = qobject_cast<Alarm_Timer *>(*std::find_if(
        all.begin(), all.end(), [](QWidget *window) { return window->inherits("Alarm_Timer"); }));
    qint64 last_chimed_hour = -1;
    long chimes_rung = 0, event = 0;
    QString failure;
    for (; event < events && failure.isEmpty(); ++event) {
        const int kind = pick(8), counted_from = countdown->intValue();
        const QList<QTextEdit *> areas = shown_widgets<QTextEdit>();
        if (kind == 0) { // time runs on; the first seconds of each hour see a tick
            const qint64 hour = (now / 3600 + 1) * 3600;
            now += 1 + pick(40 * 60);
            now = now >= hour ? hour + pick(3) : now;
            stand_clock_at(QDateTime::fromSecsSinceEpoch(now, Qt::UTC));
            now < hour ? QTest::qWait(0)
                       : tick_running_timers(); // the loop runs, deferred deletes too
        } else if (kind == 1) { // up to a minute and a half of ticks in a row
            for (int ticks = 1 + pick(90); ticks > 0; --ticks)
                tick_running_timers();
        } else if (kind == 2) { // a click on a button or radio
            if (QAbstractButton *button = pick_from(shown_widgets<QAbstractButton>()))
                QTest::mouseClick(button, Qt::LeftButton);
        } else if (kind == 3 || kind == 4) { // presses on windows and text areas; the menu opened
            QList<QWidget *> surfaces = shown_widgets<QWidget>(true);
            for (QTextEdit *area : areas)
                surfaces.append(area->viewport());
            QWidget *target = kind == 4 ? clock.get() : pick_from(surfaces);
            const auto button = kind == 4 ? Qt::RightButton : Qt::MouseButton(1 << pick(3));
            static const QTest::MouseAction how[]
                = {QTest::MousePress, QTest::MouseRelease, QTest::MouseDClick, QTest::MouseClick};
            QTest::mouseEvent(how[pick(4)], target, button, {},
                QPoint(pick(target->width()), pick(target->height())));
        } else if (kind == 5 && !areas.isEmpty()) { // typing, selecting, cutting, pasting
            static const int keys[]
                = {Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return};
            const int key = pick(3) ? keys[pick(5)] : (Qt::Key_A + pick(26));
            // No modifier, Shift (1 << 25) or Control (1 << 26).
            QTest::keyClick(pick_from(areas), Qt::Key(key), Qt::KeyboardModifiers(pick(3) << 25));
        } else if (kind == 6) { // the clipboard and the selection: text, empty or cleared
            auto *data = new QMimeData;
            if (pick(3))
                data->setText(pick(2) ? QStringLiteral("maxim %1").arg(event) : QString());
            QGuiApplication::clipboard()->setMimeData(data, QClipboard::Mode(pick(2)));
        } else if (kind == 7) { // a window closed by its title bar, or a list stepped
            QComboBox *list = pick_from(shown_widgets<QComboBox>());
            if (list && pick(2))
                QTest::keyClick(list, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            else if (QWidget *window = pick_from(shown_widgets<QWidget>(true));
                     window != clock.get())
                window->close();
        }
        if (counted_from > 0 && countdown->intValue() == 0)
            rung.removeOne({1}); // the countdown's bell at 0, no hourly chime
        // At most one chime an hour, in its first seconds, of the hour's sound
        // (whether one is due is the clock's test).
        const bool chimes_right = rung.isEmpty()
            || (rung == QList<QVariantList> {{chime_of_hour[now / 3600 % 12]}} && now % 3600 <= 2
                && now / 3600 != last_chimed_hour);
        if (!rung.isEmpty())
            last_chimed_hour = now / 3600, chimes_rung += rung.size();
        if (!chimes_right)
            failure = QStringLiteral("%1 chimes at %2").arg(rung.size()).arg(now);
        rung.clear();
        if (failure.isEmpty() && !(failure = broken_rule()).isEmpty())
            failure.prepend(QStringLiteral("after event %1: ").arg(event));
    }
    std::fprintf(stderr, "exerciser: %ld events up to %s, %ld chimes\n", event,
        qPrintable(Time_Source::now().toString()), chimes_rung);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(chimes_rung > 0); // the rule was put to the test
}

QTEST_MAIN(Tst_Exerciser)
#include "tst_exerciser.moc"
