// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_TEXT_EDIT_H
#define MAXIM_TEXT_EDIT_H

#include <QTextEdit>

class QMimeData;

// An editable text area of the maxim windows. Pastes go through here: Qt 6.4's
// text control dies on a paste of an empty X11 selection or clipboard (a
// middle click or Ctrl+V with nothing selected anywhere), so data that is
// missing or holds nothing is refused before the toolkit sees it.
class Maxim_Text_Edit : public QTextEdit
{
    Q_OBJECT

public:
    explicit Maxim_Text_Edit(QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

#endif // MAXIM_TEXT_EDIT_H
