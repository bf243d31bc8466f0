// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortune/mini_omikuji.h"
#include "support/zelvane_test.h"

#include <random>

namespace {
// The windows in an order fixed from run to run: the toolkit keeps them
// hashed by address.
QWidgetList windows()
{
    QWidgetList all = QApplication::topLevelWidgets();
    std::stable_sort(all.begin(), all.end(), [](QWidget *a, QWidget *b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    return all;
}

// The shown and enabled widgets of a kind in the shown windows; with
// windows_only, the windows alone. Quit would end the storm, and the
// calendar's month button opens a menu that waits for a choice.
template<class Child> QList<Child *> shown_widgets(bool windows_only = false)
{
    QList<Child *> found;
    for (QWidget *window : windows()) {
        QObjectList all = windows_only ? QObjectList() : window->findChildren<QObject *>();
        for (QObject *object : all << window)
            if (auto *child = qobject_cast<Child *>(object); child && window->isVisible()
                && child->isVisible() && child->isEnabled()
                && !QStringList {"quit_button", "qt_calendar_monthbutton"}.contains(
                    child->objectName()))
                found.append(child);
    }
    return found;
}

// What must hold after every event; empty when it does.
QString broken_rule(const QLCDNumber *countdown)
{
    QStringList seen;
    for (QWidget *window : shown_widgets<QWidget>(true)) {
        const QString name = window->metaObject()->className();
        if (seen.contains(name))
            return "two " + name + " windows shown";
        seen << name;
        // A maxim's number lies in its catalogue; a browser's Back and Next follow it.
        auto *number = window->findChild<QLabel *>("no_label");
        auto *back = window->findChild<QWidget *>("back_button");
        auto *next = window->findChild<QWidget *>("next_button");
        const int last = name.endsWith("_Ja") ? 39 : 63,
                  n = number ? number->text().mid(3).toInt() : 0;
        if (number && (!number->text().startsWith("No=") || n < 0 || n > last))
            return name + " shows " + number->text();
        if (back && (back->isEnabled() != (n > 0) || next->isEnabled() != (n < last)))
            return name + " has Back and Next wrong at " + number->text();
    }
    if (countdown->intValue() < 0 || countdown->intValue() > 300)
        return QStringLiteral("the countdown shows %1").arg(countdown->intValue());
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *drawing = qobject_cast<Mini_Omikuji *>(window))
            for (int grade : drawing->buf_uranai_result)
                if (grade < 0 || grade > 12)
                    return QStringLiteral("a fortune slot holds %1").arg(grade);
    return QString();
}
} // namespace

// A seeded storm of user events over the whole program while its clock runs
// on over days, with what must hold checked after every event; ZELVANE_SEED
// and ZELVANE_EVENTS replay a run.
class Tst_Exerciser : public QObject
{
    Q_OBJECT

private slots:
    void random_events()
    {
        QDir::setCurrent(QStringLiteral(ZELVANE_RUN_DIR));
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
        Date_Time_Screen *clock = nullptr;
        press(open_menu(clock), "timer_button");
        const auto *countdown = qobject_cast<QLCDNumber *>(window_of("Alarm_Timer"));
        QString failure;
        int event = 0;
        for (; event < events && failure.isEmpty(); ++event) {
            const int kind = pick(8);
            const QList<QTextEdit *> areas = shown_widgets<QTextEdit>();
            if (kind == 0) { // time runs on, the loop with it, deferred deletes too
                stand_clock_at(QDateTime::fromSecsSinceEpoch(now += 1 + pick(40 * 60), Qt::UTC));
                QTest::qWait(0);
            } else if (kind == 1) { // up to a minute and a half of ticks of every running timer
                for (int ticks = 1 + pick(90); ticks > 0; --ticks)
                    for (QWidget *window : windows())
                        for (QTimer *timer : window->findChildren<QTimer *>())
                            if (timer->isActive()) {
                                QTimerEvent tick(timer->timerId()); // as its expiry delivers it
                                QCoreApplication::sendEvent(timer, &tick);
                            }
            } else if (kind == 2) { // a click on a button or radio
                if (QAbstractButton *button = pick_from(shown_widgets<QAbstractButton>()))
                    QTest::mouseClick(button, Qt::LeftButton);
            } else if (kind == 3 || kind == 4) { // presses on windows and text areas; the menu
                QList<QWidget *> surfaces = shown_widgets<QWidget>(true);
                for (QTextEdit *area : areas)
                    surfaces.append(area->viewport());
                QWidget *target = kind == 4 ? clock : pick_from(surfaces);
                const auto button = kind == 4 ? Qt::RightButton : Qt::MouseButton(1 << pick(3));
                static const QTest::MouseAction how[] = {
                    QTest::MousePress, QTest::MouseRelease, QTest::MouseDClick, QTest::MouseClick};
                QTest::mouseEvent(how[pick(4)], target, button, {},
                    QPoint(pick(target->width()), pick(target->height())));
            } else if (kind == 5 && !areas.isEmpty()) { // typing, selecting, cutting, pasting
                static const int keys[] = {
                    Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return};
                const int key = pick(3) ? keys[pick(5)] : (Qt::Key_A + pick(26));
                // No modifier, Shift (1 << 25) or Control (1 << 26).
                QTest::keyClick(
                    pick_from(areas), Qt::Key(key), Qt::KeyboardModifiers(pick(3) << 25));
            } else if (kind == 6) { // the clipboard and the selection: text, empty or cleared
                auto *data = new QMimeData;
                if (pick(3))
                    data->setText(pick(2) ? QStringLiteral("maxim %1").arg(event) : QString());
                QGuiApplication::clipboard()->setMimeData(data, QClipboard::Mode(pick(2)));
            } else if (kind == 7) { // a window closed by its title bar, or a list stepped
                QComboBox *list = pick_from(shown_widgets<QComboBox>());
                if (list && pick(2))
                    QTest::keyClick(list, pick(2) ? Qt::Key_Down : Qt::Key_Up);
                else if (QWidget *window = pick_from(shown_widgets<QWidget>(true)); window != clock)
                    window->close();
            }
            if (!(failure = broken_rule(countdown)).isEmpty())
                failure.prepend(QStringLiteral("after event %1: ").arg(event));
        }
        std::fprintf(stderr, "exerciser: %d events up to %s\n", event,
            qPrintable(QDateTime::fromSecsSinceEpoch(now, Qt::UTC).toString()));
        take_down_clocks();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(Tst_Exerciser)
#include "tst_exerciser.moc"
