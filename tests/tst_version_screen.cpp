// SPDX-License-Identifier: GPL-3.0-or-later
#include "version_screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QStringList lines_top_to_bottom(Version_Screen &screen)
{
    auto *frame = screen.findChild<QGroupBox *>(QStringLiteral("version_frame"));
    QStringList lines;
    if (!frame)
        return lines;
    for (int i = 0; i < frame->layout()->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(frame->layout()->itemAt(i)->widget()))
            lines.append(label->text());
    return lines;
}

} // namespace

class Tst_Version_Screen : public QObject
{
    Q_OBJECT

private slots:
    void six_lines_in_order();
    void ok_and_close_only_hide();
    void mail_line_stays_untranslated();
};

void Tst_Version_Screen::six_lines_in_order()
{
    Version_Screen screen;
    QCOMPARE(screen.size(), QSize(400, 210));
    QCOMPARE(screen.pos(), QPoint(530, 460));
    QCOMPARE(screen.windowTitle(), QStringLiteral("Version screen"));
    QVERIFY(!screen.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(screen.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QCOMPARE(screen.findChild<QGroupBox *>(QStringLiteral("version_frame"))->title(),
        QStringLiteral("Version Information"));
    QCOMPARE(lines_top_to_bottom(screen),
        (QStringList {"Soft name:Zelvane", "Version:version 1.00", "Author:The Zelvane developers",
            "URL:https://zelvane.example.org/", "E-mail: zelvane@example.org",
            "Copyright (C) The Zelvane project"}));
    QCOMPARE(
        screen.findChild<QLabel *>(QStringLiteral("name_label"))->font().weight(), QFont::Bold);
    QCOMPARE(
        screen.findChild<QLabel *>(QStringLiteral("rights_label"))->font().weight(), QFont::Bold);
    QCOMPARE(
        screen.findChild<QLabel *>(QStringLiteral("author_label"))->font().weight(), QFont::Normal);

    // OK sits in the middle under the frame.
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *ok = screen.findChild<QPushButton *>(QStringLiteral("ok_button"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(qAbs(ok->geometry().center().x() - screen.width() / 2) <= 2);
    screen.hide();
}

void Tst_Version_Screen::ok_and_close_only_hide()
{
    Version_Screen screen;
    screen.show();
    screen.findChild<QPushButton *>(QStringLiteral("ok_button"))->click();
    QVERIFY(!screen.isVisible());

    screen.show();
    QVERIFY(!screen.close()); // hidden, but the close itself is refused
    QVERIFY(!screen.isVisible());

    screen.show();
    QVERIFY(screen.isVisible());
    QCOMPARE(lines_top_to_bottom(screen).size(), 6);
    screen.hide();
}

void Tst_Version_Screen::mail_line_stays_untranslated()
{
    // A catalogue that would translate the e-mail text if it were looked up.
    QTemporaryDir folder;
    const QString ts = folder.filePath(QStringLiteral("probe.ts"));
    QFile file(ts);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS><TS version="2.1" language="ja_JP"><context><name>Version_Screen</name>
<message><source>Soft name:Zelvane</source><translation>NAME</translation></message>
<message><source>E-mail: %1</source><translation>MAIL %1</translation></message>
<message><source>E-mail: zelvane@example.org</source><translation>MAIL</translation></message>
</context></TS>
)");
    file.close();
    const QString qm = folder.filePath(QStringLiteral("probe.qm"));
    QVERIFY(QProcess::execute(QStringLiteral(LRELEASE_PROGRAM),
                {QStringLiteral("-silent"), ts, QStringLiteral("-qm"), qm})
        == 0);

    QTranslator translator;
    QVERIFY(translator.load(qm));
    QCoreApplication::installTranslator(&translator);
    {
        Version_Screen screen;
        const QStringList lines = lines_top_to_bottom(screen);
        QCOMPARE(lines.value(0), QStringLiteral("NAME"));
        QCOMPARE(lines.value(4), QStringLiteral("E-mail: zelvane@example.org"));
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(Tst_Version_Screen)
#include "tst_version_screen.moc"
