// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_catalogue.h"
#include "version_screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList lines_top_to_bottom(Version_Screen &screen)
{
    QStringList lines;
    QLayout *rows = screen.findChild<QGroupBox *>(QStringLiteral("version_frame"))->layout();
    for (int i = 0; i < rows->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(rows->itemAt(i)->widget()))
            lines.append(label->text());
    return lines;
}

} // namespace

class Tst_Version_Screen : public QObject
{
    Q_OBJECT

private slots:
    void lines_in_order_and_ok_or_close_hide();
    void mail_line_stays_untranslated();
};

void Tst_Version_Screen::lines_in_order_and_ok_or_close_hide()
{
    Version_Screen screen;
    QVERIFY(!screen.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(lines_top_to_bottom(screen),
        (QStringList {"Soft name:Zelvane", "Version:version 1.00", "Author:The Zelvane developers",
            "URL:https://zelvane.example.org/", "E-mail: zelvane@example.org",
            "Copyright (C) The Zelvane project"}));

    screen.show();
    screen.findChild<QPushButton *>(QStringLiteral("ok_button"))->click();
    QVERIFY(!screen.isVisible());
    screen.show();
    screen.close();
    QVERIFY(!screen.isVisible());
    screen.show();
    QVERIFY(screen.isVisible());
}

void Tst_Version_Screen::mail_line_stays_untranslated()
{
    // A catalogue that would translate the e-mail text if it were looked up.
    const auto catalogue = install_test_catalogue("Version_Screen",
        {{QStringLiteral("Soft name:Zelvane"), QStringLiteral("NAME")},
            {QStringLiteral("E-mail: %1"), QStringLiteral("MAIL %1")},
            {QStringLiteral("E-mail: zelvane@example.org"), QStringLiteral("MAIL")}});
    QVERIFY(catalogue);
    Version_Screen screen;
    const QStringList lines = lines_top_to_bottom(screen);
    QCOMPARE(lines.value(0), QStringLiteral("NAME"));
    QCOMPARE(lines.value(4), QStringLiteral("E-mail: zelvane@example.org"));
}

QTEST_MAIN(Tst_Version_Screen)
#include "tst_version_screen.moc"
