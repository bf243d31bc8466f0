// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/help_screen.h"

#include "core/data_folder.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>

namespace {

// Japanese readers get the Japanese pages, where they are installed; everyone
// else, and a Japanese system without them, the English ones.
QString start_page()
{
    const QString japanese = Data_Folder::locate(QStringLiteral("html/ja/index.html"));
    if (QLocale::system().language() == QLocale::Japanese && QFileInfo(japanese).isFile())
        return japanese;
    return Data_Folder::locate(QStringLiteral("html/index.html"));
}

} // namespace

Help_Screen::Help_Screen(QWidget *parent) : QTextBrowser(parent)
{
    setFixedSize(460, 560);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    setWindowTitle(tr("How to use screen"));
    if (QFileInfo(start_page()).isFile())
        setSource(QUrl::fromLocalFile(start_page()));
    else
        setPlainText(tr("The help pages are missing: html/index.html is in none of %1.")
                         .arg(Data_Folder::folders().join(QStringLiteral(", "))));
}

// Relative to the page on display, this is the start page of its set again.
void Help_Screen::closeEvent(QCloseEvent *event)
{
    setSource(QUrl(QStringLiteral("./index.html")));
    hide();
    event->accept();
}

// Web and mail links go to the desktop's own programs: the browser here
// cannot show them and would go blank. A page that is not there is not
// loaded, so the window keeps what it shows (empty if the start page is
// missing) instead of blanking. Local pages are loaded by absolute path:
// from a relative source the browser would look up the links of a page in
// the working directory instead of beside the page.
void Help_Screen::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    const QUrl target = source().isEmpty() ? name : source().resolved(name);
    const QString scheme = target.scheme();
    if (scheme.isEmpty() || scheme == QLatin1String("file")) {
        const QString path = scheme.isEmpty() ? target.path() : target.toLocalFile();
        const QFileInfo page(path);
        if (!page.isFile())
            return;
        QUrl local = QUrl::fromLocalFile(page.absoluteFilePath());
        local.setFragment(target.fragment());
        QTextBrowser::doSetSource(local, type);
        return;
    }
    QDesktopServices::openUrl(target);
}
