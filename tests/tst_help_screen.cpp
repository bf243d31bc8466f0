// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_screen.h"
#include "output_capture.h"
#include "program_run.h"
#include "working_directory.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the desktop's web browser.
class Url_Catcher : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    Url_Catcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~Url_Catcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> opened;
};

class Tst_Help_Screen : public QObject
{
    Q_OBJECT

private slots:
    void start_page_links_and_close();
    void every_link_and_picture_resolves();
    void missing_help_folder_leaves_an_empty_window();
};

void Tst_Help_Screen::start_page_links_and_close()
{
    Working_Directory here(Program_Run::run_folder());
    Url_Catcher catcher;
    Help_Screen help;
    help.show();
    QCOMPARE(help.documentTitle(), QStringLiteral("Zelvane help"));

    // Missing pages and web links leave the page on show.
    help.setSource(QUrl(QStringLiteral("gone.html")));
    help.setSource(QUrl(QStringLiteral("https://zelvane.example.org/")));
    QCOMPARE(help.documentTitle(), QStringLiteral("Zelvane help"));
    QCOMPARE(catcher.opened, QList<QUrl> {QUrl(QStringLiteral("https://zelvane.example.org/"))});

    help.setSource(QUrl(QStringLiteral("countdown.html")));
    QVERIFY(help.documentTitle().contains(QStringLiteral("timer"), Qt::CaseInsensitive));
    QVERIFY(help.close());
    QVERIFY(!help.isVisible());
    help.show();
    QCOMPARE(help.documentTitle(), QStringLiteral("Zelvane help"));
    // Links of the start page work again from there.
    help.setSource(QUrl(QStringLiteral("countdown.html")));
    QVERIFY(help.documentTitle().contains(QStringLiteral("timer"), Qt::CaseInsensitive));
}

void Tst_Help_Screen::every_link_and_picture_resolves()
{
    const QDir folder(QStringLiteral(ZELVANE_SOURCE_DIR "/data/html"));
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("index.html")));

    const QRegularExpression reference(QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList broken;
    for (const QString &page : pages) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = reference.globalMatch(html); match.hasNext();) {
            const QUrl url(match.next().captured(1));
            const QFileInfo target(
                folder.filePath(url.path().isEmpty() ? page : QDir::cleanPath(url.path())));
            QFile target_file(target.absoluteFilePath());
            if (!url.scheme().isEmpty() || !target.isFile()
                || !target.absoluteFilePath().startsWith(folder.absolutePath())
                || !target_file.open(QIODevice::ReadOnly)) {
                broken.append(page + QStringLiteral(": ") + url.toString());
                continue;
            }
            const QString target_html = QString::fromUtf8(target_file.readAll());
            if (url.hasFragment()
                && !target_html.contains(QStringLiteral("id=\"%1\"").arg(url.fragment()))
                && !target_html.contains(QStringLiteral("name=\"%1\"").arg(url.fragment())))
                broken.append(page + QStringLiteral(": no anchor ") + url.toString());
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

void Tst_Help_Screen::missing_help_folder_leaves_an_empty_window()
{
    QTemporaryDir empty_folder;
    Working_Directory here(empty_folder.path());
    Output_Capture errors(stderr);
    Help_Screen help;
    help.show();
    QVERIFY(help.close());
    help.show();
    QVERIFY(help.isVisible());
    QCOMPARE(errors.text(), QString());
}

QTEST_MAIN(Tst_Help_Screen)
#include "tst_help_screen.moc"
