// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortune/mini_omikuji.h"

#include "core/fit_text.h"
#include "fortune/fortune_table.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int draw_interval_ms = 80;

// The drawing layout, first shown and after a result was closed, and the
// result layout, each with where it shows.
constexpr QSize drawing_size(100, 120);
constexpr QSize closed_drawing_size(120, 130);
constexpr QPoint drawing_position(500, 520);
constexpr QSize result_size(280, 200);
constexpr QPoint result_position(500, 460);

constexpr int grade_points = 25;
constexpr int saying_points = 16;
// The result needs every pixel: a narrow border and no gaps between rows.
constexpr int result_margin = 6;

const QString label_family = QStringLiteral("Mncho");

// "Mncho" is no installed family: it stands for a Mincho-style serif face.
// Where none of these is installed, the toolkit falls back to its default face.
void register_label_family()
{
    static const bool registered = [] {
        QFont::insertSubstitutions(label_family,
            {QStringLiteral("MS Mincho"), QStringLiteral("IPAexMincho"),
                QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP"),
                QStringLiteral("Source Han Serif JP")});
        return true;
    }();
    (void)registered;
}

QString translated_row(const char *const (&table)[fortune_row_count], int index)
{
    if (index < 0 || index >= fortune_row_count)
        return QString();
    return QCoreApplication::translate("Mini_Omikuji", table[index]);
}

QLabel *new_result_label(QWidget *parent, const char *object_name, int point_size)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(object_name));
    QFont font = label->font();
    font.setFamily(label_family);
    font.setPointSize(point_size);
    label->setFont(font);
    label->setText(QStringLiteral("Test"));
    label->hide();
    return label;
}

QHBoxLayout *centred(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addStretch(0);
    row->addWidget(widget, 0);
    row->addStretch(0);
    return row;
}

} // namespace

Mini_Omikuji::Mini_Omikuji(QWidget *parent) : QWidget(parent)
{
    register_label_family();
    setWindowFlags(Qt::WindowSystemMenuHint);
    setFixedSize(drawing_size);
    setWindowTitle(tr("Zelvane Uranai"));
    move(drawing_position);
    push_count = 0;

    lcd_number = new QLCDNumber(this);
    lcd_number->setObjectName(QStringLiteral("lcd_number"));
    lcd_number->setDigitCount(1);
    lcd_number->setSegmentStyle(QLCDNumber::Flat);
    lcd_number->setAccessibleName(tr("Digit %1").arg(0));

    start_stop_button = new QPushButton(tr("Start"), this);
    start_stop_button->setObjectName(QStringLiteral("start_stop_button"));

    draw_timer = new QTimer(this);
    draw_timer->setObjectName(QStringLiteral("draw_timer"));

    unsei_label = new_result_label(this, "unsei_label", grade_points);
    study_label = new_result_label(this, "study_label", saying_points);
    lover_label = new_result_label(this, "lover_label", saying_points);
    money_label = new_result_label(this, "money_label", saying_points);
    trouble_label = new_result_label(this, "trouble_label", saying_points);
    for (QLabel *label : {unsei_label, study_label, lover_label, money_label, trouble_label})
        label->setAlignment(Qt::AlignCenter);
    // A saying wider than the window goes on in a second line.
    for (QLabel *label : {study_label, lover_label, money_label, trouble_label})
        label->setWordWrap(true);

    close_button = new QPushButton(tr("Close"), this);
    close_button->setObjectName(QStringLiteral("close_button"));
    close_button->hide();

    auto *rows = new QVBoxLayout;
    rows->addLayout(centred(lcd_number));
    rows->addStretch(0);
    rows->addLayout(centred(start_stop_button));
    for (QLabel *label : {unsei_label, study_label, lover_label, money_label, trouble_label})
        rows->addLayout(centred(label));
    rows->addStretch(0);
    rows->addLayout(centred(close_button));
    rows->addStretch(0);
    setLayout(rows);

    connect(
        start_stop_button, &QPushButton::clicked, this, &Mini_Omikuji::Start_Stop_Button_pushed);
    connect(close_button, &QPushButton::clicked, this, &Mini_Omikuji::Close_Button_clicked);
}

QString Mini_Omikuji::Unsei_Name(int index)
{
    return translated_row(unsei_name_table, index);
}

QString Mini_Omikuji::Study_Text(int index)
{
    return translated_row(study_text_table, index);
}

QString Mini_Omikuji::Lover_Text(int index)
{
    return translated_row(lover_text_table, index);
}

QString Mini_Omikuji::Money_Text(int index)
{
    return translated_row(money_text_table, index);
}

QString Mini_Omikuji::Trouble_Text(int index)
{
    if (index < 0 || index >= fortune_row_count)
        return QString();
    const Fortune_Text &text = trouble_text_table[index];
    return QCoreApplication::translate("Mini_Omikuji", text.source, text.comment);
}

void Mini_Omikuji::Display_Changed()
{
    now_number = std::rand() % slot_count;
    lcd_number->display(now_number);
}

void Mini_Omikuji::Start_Stop_Button_pushed()
{
    ++push_count;
    if (push_count % 2 == 1) {
        start_stop_button->setText(tr("Stop"));
        // Read out once, not at each of its changes.
        lcd_number->setAccessibleName(tr("Changing digit"));
        // Drawings start many times; each tick must still draw one digit.
        connect(draw_timer, &QTimer::timeout, this, &Mini_Omikuji::Display_Changed,
            Qt::UniqueConnection);
        draw_timer->start(draw_interval_ms);
        Display_Changed();
    } else {
        draw_timer->stop();
        buf_r = now_number;
        lcd_number->setAccessibleName(tr("Digit %1").arg(now_number));
        start_stop_button->setText(tr("Start"));
        Show_Result();
    }
}

void Mini_Omikuji::Show_Result()
{
    show_result_layout(true);
    setFixedSize(result_size);
    move(result_position);

    // A slot holds any int; only grades 1 to 12 name a row, and the range is
    // checked before subtracting so that no value can overflow.
    const int grade = (buf_r >= 0 && buf_r < slot_count) ? buf_uranai_result[buf_r] : 0;
    const int row = (grade >= 1 && grade <= fortune_row_count) ? grade - 1 : -1;
    if (row >= 0) {
        unsei_label->setText(Unsei_Name(row));
        study_label->setText(tr("Study:%1").arg(Study_Text(row)));
        money_label->setText(tr("money:%1").arg(Money_Text(row)));
        lover_label->setText(tr("lover:%1").arg(Lover_Text(row)));
        trouble_label->setText(tr("trouble:%1").arg(Trouble_Text(row)));
    } else {
        // A slot that holds no grade has no fortune to read: say so plainly.
        unsei_label->setText(tr("No fortune set"));
        study_label->clear();
        money_label->clear();
        lover_label->clear();
        trouble_label->clear();
    }

    fit_result();
    std::printf("buf_r-1=%d\n", buf_r - 1);
}

void Mini_Omikuji::Close_Button_clicked()
{
    setFixedSize(closed_drawing_size);
    move(drawing_position);
    show_result_layout(false);
    close();
}

void Mini_Omikuji::show_result_layout(bool result)
{
    lcd_number->setVisible(!result);
    start_stop_button->setVisible(!result);
    for (QLabel *label : {unsei_label, study_label, lover_label, money_label, trouble_label})
        label->setVisible(result);
    close_button->setVisible(result);
    // The keyboard stays on the one button there is.
    (result ? close_button : start_stop_button)->setFocus();
    if (result) {
        layout()->setContentsMargins(result_margin, result_margin, result_margin, result_margin);
        layout()->setSpacing(0);
    } else {
        layout()->unsetContentsMargins();
        layout()->setSpacing(-1);
    }
}

// The grade and the four sayings must all be read whole above "Close" in
// the result's size. Where they do not fit at their own sizes (the Mincho faces are
// tall, some sayings long), they step down together, the grade keeping its
// proportion to the sayings, to the largest size at which they fit.
void Mini_Omikuji::fit_result()
{
    const int width = result_size.width() - 2 * result_margin;
    const int room = result_size.height() - 2 * result_margin - close_button->sizeHint().height();
    const QList<QLabel *> labels
        = {unsei_label, study_label, lover_label, money_label, trouble_label};
    for (int points = saying_points; points >= 1; --points) {
        QList<QFont> fonts;
        QList<QSize> sizes;
        bool fits = true;
        for (QLabel *label : labels) {
            QFont font = label->font();
            if (label == unsei_label)
                font.setPointSize(Fitting_Point_Size(font, label->text(), QSize(width, room),
                    points * grade_points / saying_points, false));
            else
                font.setPointSize(points);
            fonts.append(font);
            sizes.append(Text_Size(font, label->text(), width, label->wordWrap()));
            fits = fits && sizes.last().width() <= width;
        }
        int height = 0;
        for (const QSize &size : sizes)
            height += size.height();
        if ((fits && height <= room) || points == 1) {
            for (int i = 0; i < labels.size(); ++i) {
                labels[i]->setFont(fonts[i]);
                labels[i]->setFixedSize(width, sizes[i].height());
            }
            // Placed at once, as the window's new size places the rest.
            layout()->activate();
            return;
        }
    }
}

void Mini_Omikuji::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    // The result's size whatever the window's: the drawing layout clips it.
    painter.drawRect(QRect(QPoint(0, 0), result_size));
    painter.end();
}
