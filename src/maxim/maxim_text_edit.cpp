// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_text_edit.h"

#include <QMimeData>

namespace {

bool holds_something(const QMimeData *source)
{
    return source && !source->formats().isEmpty();
}

} // namespace

// Tab goes on to the next control, as everywhere else in the window; a note
// on a maxim has no use for a tab character.
Maxim_Text_Edit::Maxim_Text_Edit(QWidget *parent) : QTextEdit(parent)
{
    setTabChangesFocus(true);
}

bool Maxim_Text_Edit::canInsertFromMimeData(const QMimeData *source) const
{
    return holds_something(source) && QTextEdit::canInsertFromMimeData(source);
}

void Maxim_Text_Edit::insertFromMimeData(const QMimeData *source)
{
    if (holds_something(source))
        QTextEdit::insertFromMimeData(source);
}
