// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_screen.h"
#include "output_capture.h"
#include "program_run.h"
#include "working_directory.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void write_file(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QString help_source_folder()
{
    return QStringLiteral(ZELVANE_SOURCE_DIR "/data/html");
}

} // namespace

// Stands in for the desktop's web browser and mail program.
class Url_Catcher : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    Url_Catcher()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~Url_Catcher() override
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QList<QUrl> opened;
};

class Tst_Help_Screen : public QObject
{
    Q_OBJECT

private slots:
    void start_page_in_a_fixed_window();
    void closing_returns_to_the_start_page();
    void every_link_and_picture_resolves();
    void missing_help_folder_leaves_an_empty_window();
    void missing_pages_and_web_links_keep_the_window_usable();
};

void Tst_Help_Screen::start_page_in_a_fixed_window()
{
    Working_Directory here(Program_Run::run_folder());
    Help_Screen help;
    QCOMPARE(help.size(), QSize(460, 560));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    QCOMPARE(help.windowTitle(), QStringLiteral("How to use screen"));
    QVERIFY(help.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(help.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!help.isVisible());
    QCOMPARE(help.documentTitle(), QStringLiteral("Zelvane help"));
    QVERIFY(help.toPlainText().contains(QStringLiteral("feature menu")));
}

void Tst_Help_Screen::closing_returns_to_the_start_page()
{
    Working_Directory here(Program_Run::run_folder());
    Help_Screen help;
    help.show();
    const QString start_title = help.documentTitle();
    help.setSource(QUrl(QStringLiteral("countdown.html")));
    QVERIFY(help.documentTitle() != start_title);
    QVERIFY(help.documentTitle().contains(QStringLiteral("timer"), Qt::CaseInsensitive));

    QVERIFY(help.close());
    QVERIFY(!help.isVisible());
    help.show();
    QCOMPARE(help.documentTitle(), start_title);
    QCOMPARE(help.source().toLocalFile(),
        QFileInfo(QStringLiteral("html/index.html")).absoluteFilePath());
    help.hide();
}

void Tst_Help_Screen::every_link_and_picture_resolves()
{
    const QDir folder(help_source_folder());
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    QVERIFY(pages.size() >= 10);

    const QRegularExpression reference(QStringLiteral(R"re((href|src)\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList broken;
    QSet<QString> linked_from_start;
    for (const QString &page : pages) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        bool links_home = page == QLatin1String("index.html");
        for (auto match = reference.globalMatch(html); match.hasNext();) {
            const auto found = match.next();
            const QUrl url(found.captured(2));
            if (!url.scheme().isEmpty()) {
                broken.append(page + QStringLiteral(": not a page of its own: ") + url.toString());
                continue;
            }
            const QString target_page = url.path().isEmpty() ? page : QDir::cleanPath(url.path());
            const QString target = folder.filePath(target_page);
            if (!QFileInfo(target).isFile()
                || !QFileInfo(target).absoluteFilePath().startsWith(folder.absolutePath())) {
                broken.append(page + QStringLiteral(": ") + url.toString());
                continue;
            }
            if (url.hasFragment()) {
                QFile target_file(target);
                target_file.open(QIODevice::ReadOnly);
                const QString target_html = QString::fromUtf8(target_file.readAll());
                if (!target_html.contains(QStringLiteral("id=\"%1\"").arg(url.fragment()))
                    && !target_html.contains(QStringLiteral("name=\"%1\"").arg(url.fragment())))
                    broken.append(page + QStringLiteral(": no anchor ") + url.toString());
            }
            if (target_page == QLatin1String("index.html"))
                links_home = true;
            if (page == QLatin1String("index.html")
                && found.captured(1).compare(QLatin1String("href"), Qt::CaseInsensitive) == 0)
                linked_from_start.insert(target_page);
        }
        if (!links_home)
            broken.append(page + QStringLiteral(": no way back to the start page"));
    }
    for (const QString &page : pages)
        if (page != QLatin1String("index.html") && !linked_from_start.contains(page))
            broken.append(page + QStringLiteral(": not reachable from the start page"));
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

void Tst_Help_Screen::missing_help_folder_leaves_an_empty_window()
{
    QTemporaryDir empty_folder;
    Working_Directory here(empty_folder.path());
    Output_Capture errors(stderr);
    Help_Screen help;
    help.show();
    QVERIFY(help.isVisible());
    QVERIFY(help.toPlainText().isEmpty());
    QVERIFY(help.close());
    help.show();
    QVERIFY(help.toPlainText().isEmpty());
    help.hide();
    QCOMPARE(errors.text(), QString());
}

void Tst_Help_Screen::missing_pages_and_web_links_keep_the_window_usable()
{
    QTemporaryDir folder;
    write_file(folder.filePath(QStringLiteral("html/index.html")),
        "<html><head><title>Start</title></head><body><a href=\"gone.html\">gone</a>"
        " <a href=\"second.html\">second</a></body></html>");
    write_file(folder.filePath(QStringLiteral("html/second.html")),
        "<html><head><title>Second</title></head><body>second page</body></html>");
    Working_Directory here(folder.path());
    Url_Catcher catcher;

    Help_Screen help;
    help.show();
    QCOMPARE(help.documentTitle(), QStringLiteral("Start"));

    help.setSource(QUrl(QStringLiteral("gone.html")));
    QCOMPARE(help.documentTitle(), QStringLiteral("Start"));
    help.setSource(QUrl(QStringLiteral("https://zelvane.example.org/")));
    help.setSource(QUrl(QStringLiteral("mailto:zelvane@example.org")));
    QCOMPARE(help.documentTitle(), QStringLiteral("Start"));
    QVERIFY(help.isVisible());
    QCOMPARE(catcher.opened,
        (QList<QUrl> {QUrl(QStringLiteral("https://zelvane.example.org/")),
            QUrl(QStringLiteral("mailto:zelvane@example.org"))}));

    // Links still work afterwards.
    help.setSource(QUrl(QStringLiteral("second.html")));
    QCOMPARE(help.documentTitle(), QStringLiteral("Second"));
    QVERIFY(help.close());
    help.show();
    QCOMPARE(help.documentTitle(), QStringLiteral("Start"));

    help.hide();
}

QTEST_MAIN(Tst_Help_Screen)
#include "tst_help_screen.moc"
