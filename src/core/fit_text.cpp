// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fit_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace {
constexpr int unbounded = 1 << 20;
} // namespace

QSize Text_Size(const QFont &font, const QString &text, int width, bool wrap)
{
    // Laid out as a label lays it out, so fallback faces (CJK) count with
    // their own heights.
    const int flags = Qt::TextShowMnemonic | (wrap ? Qt::TextWordWrap : 0);
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, unbounded), flags, text).size();
}

int Fitting_Point_Size(
    const QFont &font, const QString &text, const QSize &box, int max_points, bool wrap)
{
    QFont trial = font;
    int points = max_points;
    for (; points > 1; --points) {
        trial.setPointSize(points);
        const QSize need = Text_Size(trial, text, box.width(), wrap);
        if (need.width() <= box.width() && need.height() <= box.height())
            break;
    }
    return points;
}

void Fit_Label_Text(QLabel *label, int max_points, QSize outer_size)
{
    if (!outer_size.isValid())
        outer_size = label->size();
    // Frame and margins stay the same whatever the label's size.
    const QSize chrome = label->size() - label->contentsRect().size()
        + QSize(2 * label->margin(), 2 * label->margin());
    QFont font = label->font();
    font.setPointSize(Fitting_Point_Size(
        font, label->text(), outer_size - chrome, max_points, label->wordWrap()));
    label->setFont(font);
}
