// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIT_TEXT_H
#define FIT_TEXT_H

#include <QFont>
#include <QSize>
#include <QString>
#include <vector>

class QLabel;

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

// Fit_Label_Text for a label whose text changes often but seldom its width,
// such as a clock's time: it measures again only when the text may need
// another size. In a font whose digits all take one width, "9:5:07" and
// "9:5:08" are one width class and keep one size; "9:59:59" and "10:0:00" are
// not. Where the digits differ, every new text is measured.
class Label_Text_Fitter
{
public:
    Label_Text_Fitter(QLabel *label, int max_points);

    // Fits the label's text within outer_size, unless the text is in the
    // width class last fitted within that size.
    void fit(const QSize &outer_size);

private:
    bool same_width_class(const QString &text);
    bool digits_one_width(int points);

    QLabel *label;
    int max_points;
    QFont measured_font; // the label's font at max_points, which the digits were measured in
    std::vector<signed char> digits_even; // by point size: -1 not yet measured, 0 no, 1 yes
    QString fitted_text;
    QString fitted_class; // fitted_text with its digits as 0
    QSize fitted_size;
    int fitted_points = 0;
};

#endif // FIT_TEXT_H
