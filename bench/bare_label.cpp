// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for any Qt program that shows a clock: one always-on-top label in
// a 24-point bold font. With --tick it shows the time and sets it every
// second, as a clock must; without, it shows a date and never wakes.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label;
    label.setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    label.setWindowTitle(QStringLiteral("bare label"));
    QFont font = label.font();
    font.setPointSize(24);
    font.setWeight(QFont::Black);
    label.setFont(font);
    label.setFixedSize(220, 40);
    label.setText(QDate::currentDate().toString(QStringLiteral("yyyy.M.d")));
    QTimer tick;
    if (application.arguments().contains(QStringLiteral("--tick"))) {
        QObject::connect(&tick, &QTimer::timeout,
            [&] { label.setText(QTime::currentTime().toString(QStringLiteral("h:m:ss"))); });
        tick.start(1000);
    }
    label.show();
    return application.exec();
}
