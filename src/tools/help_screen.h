// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HELP_SCREEN_H
#define HELP_SCREEN_H

#include <QTextBrowser>

class QCloseEvent;

// The help pages from html/ in the data folder (html/ja/ on a Japanese system,
// where they are installed), always on top; closing goes back to the start
// page for the next showing.
class Help_Screen : public QTextBrowser
{
    Q_OBJECT

public:
    explicit Help_Screen(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
};

#endif // HELP_SCREEN_H
