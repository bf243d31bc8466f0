// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIT_TEXT_H
#define FIT_TEXT_H

#include <QSize>

class QFont;
class QLabel;
class QString;

// Texts that must be read whole: the clock's names, the fortune and the
// translated texts are often wider or taller than their fixed windows allow.

// The size text takes in font as a label draws it; with wrap, its lines break
// at word boundaries within width.
QSize Text_Size(const QFont &font, const QString &text, int width, bool wrap);

// The largest point size, from max_points down to 1, at which text in font
// fits within box.
int Fitting_Point_Size(
    const QFont &font, const QString &text, const QSize &box, int max_points, bool wrap);

// Gives label the largest point size, at most max_points, at which its text
// fits inside it once it is outer_size big (its present size when not given).
// A text that fits at max_points keeps that size.
void Fit_Label_Text(QLabel *label, int max_points, QSize outer_size = QSize());

#endif // FIT_TEXT_H
