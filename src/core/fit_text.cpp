// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fit_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace {
constexpr int unbounded = 1 << 20;

// The text with every digit written as 0: the texts of one width class when
// all digits take one width.
QString Digits_As_Zero(QString text)
{
    for (QChar &c : text)
        if (c >= u'0' && c <= u'9')
            c = u'0';
    return text;
}
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

Label_Text_Fitter::Label_Text_Fitter(QLabel *label, int max_points)
    : label(label), max_points(max_points), digits_even(max_points + 1, -1)
{ }

void Label_Text_Fitter::fit(const QSize &outer_size)
{
    QFont font = label->font();
    font.setPointSize(max_points);
    if (font != measured_font) {
        measured_font = font;
        digits_even.assign(max_points + 1, -1);
        fitted_text = QString();
    }
    const QString text = label->text();
    if (!fitted_text.isNull() && outer_size == fitted_size && same_width_class(text))
        return;
    Fit_Label_Text(label, max_points, outer_size);
    fitted_text = text;
    fitted_class = Digits_As_Zero(text);
    fitted_size = outer_size;
    fitted_points = label->font().pointSize();
}

// A text of the last fitted one's class takes the same room at every size the
// fitting tried, so it would get the same size.
bool Label_Text_Fitter::same_width_class(const QString &text)
{
    if (text == fitted_text)
        return true;
    if (Digits_As_Zero(text) != fitted_class)
        return false;
    for (int points = fitted_points; points <= max_points; ++points)
        if (!digits_one_width(points))
            return false;
    return true;
}

// Measured as the fitting measures: each digit alone (its overhang counts at
// the end of a line) and every pair (kerning).
bool Label_Text_Fitter::digits_one_width(int points)
{
    signed char &known = digits_even[points];
    if (known < 0) {
        QFont font = measured_font;
        font.setPointSize(points);
        const auto width = [&font](const QString &digits) {
            return Text_Size(font, digits, unbounded, false).width();
        };
        const int one = width(QStringLiteral("0"));
        const int two = width(QStringLiteral("00"));
        known = 1;
        for (int first = 0; first <= 9 && known; ++first) {
            known = width(QString::number(first)) == one;
            for (int second = 0; second <= 9 && known; ++second)
                known = width(QString::number(first) + QString::number(second)) == two;
        }
    }
    return known == 1;
}
