// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_window.h"

#include "maxim/maxim_text_edit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A child named for tests, its text bold at the given size in its own family.
template<class Widget> Widget *new_text_widget(QWidget *window, const char *name, int point_size)
{
    auto *widget = new Widget(window);
    widget->setObjectName(QLatin1String(name));
    QFont font = widget->font();
    font.setPointSize(point_size);
    font.setWeight(QFont::Bold);
    widget->setFont(font);
    return widget;
}

} // namespace

Maxim_Window::Maxim_Window(Maxim_Look look, std::optional<QPoint> position, QWidget *parent)
    : QWidget(parent)
{
    const bool japanese = look == Maxim_Look::japanese;
    setFixedSize(japanese ? QSize(500, 380) : QSize(760, 280));
    if (position)
        move(*position);
    no_label = new_text_widget<QLabel>(this, "no_label", 10);
    if (japanese) {
        // The reader may write their own thoughts on a maxim; the next maxim
        // shown brings the catalogue texts back.
        heading_edit = new_text_widget<Maxim_Text_Edit>(this, "heading_edit", 14);
        heading_edit->setAccessibleName(tr("Heading"));
        text_edit = new_text_widget<Maxim_Text_Edit>(this, "text_edit", 14);
    } else {
        heading_label = new_text_widget<QLabel>(this, "heading_label", 10);
        // The longest headings are wider than the window: they go on in a second line.
        heading_label->setWordWrap(true);
        text_edit = new_text_widget<QTextEdit>(this, "text_edit", 12);
        text_edit->setReadOnly(true);
    }
    text_edit->setAccessibleName(tr("Text"));
}

QPushButton *Maxim_Window::New_Button(const QString &text, const char *name)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    return button;
}

void Maxim_Window::Lay_Out(std::initializer_list<QPushButton *> buttons)
{
    auto *number_row = new QHBoxLayout;
    number_row->addWidget(no_label);
    number_row->addStretch(0);
    auto *heading_row = new QHBoxLayout;
    heading_row->addWidget(heading_label ? static_cast<QWidget *>(heading_label) : heading_edit);
    auto *text_row = new QHBoxLayout;
    text_row->addWidget(text_edit);
    auto *button_row = new QHBoxLayout;
    button_row->addStretch(0);
    // Laid out in reading order; the focus follows the order they were made in.
    for (QPushButton *button : buttons)
        button_row->addWidget(button);

    auto *rows = new QVBoxLayout;
    rows->addLayout(number_row, 0);
    rows->addLayout(heading_row, 0);
    rows->addLayout(text_row, 0);
    rows->addLayout(button_row, 0);
    setLayout(rows);
}

void Maxim_Window::Show_Maxim(const QString &number, const QString &heading, const QString &text)
{
    no_label->setText(number);
    if (heading_label)
        heading_label->setText(heading);
    else
        heading_edit->setText(heading);
    text_edit->setText(text);
}
