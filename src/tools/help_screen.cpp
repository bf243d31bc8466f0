// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_screen.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>

Help_Screen::Help_Screen(QWidget *parent) : QTextBrowser(parent)
{
    setFixedSize(460, 560);
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint);
    setWindowTitle(tr("How to use screen"));
    setSource(QUrl(QStringLiteral("./html/index.html")));
}

// Relative to the page on display, this is the start page again.
void Help_Screen::closeEvent(QCloseEvent *event)
{
    setSource(QUrl(QStringLiteral("./index.html")));
    hide();
    event->accept();
}

// Web and mail links go to the desktop's own programs: the browser here
// cannot show them and would go blank. A page that is not there is not
// loaded, so the window keeps what it shows (empty if the start page is
// missing) instead of blanking.
void Help_Screen::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    const QUrl target = source().isEmpty() ? name : source().resolved(name);
    const QString scheme = target.scheme();
    if (!scheme.isEmpty() && scheme != QLatin1String("file") && scheme != QLatin1String("qrc")) {
        QDesktopServices::openUrl(target);
        return;
    }
    if (scheme.isEmpty() || scheme == QLatin1String("file")) {
        const QString path = scheme.isEmpty() ? target.path() : target.toLocalFile();
        if (!path.isEmpty() && !QFileInfo(path).isFile())
            return;
    }
    QTextBrowser::doSetSource(name, type);
}
