// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/main_maxim_screen.h"

#include "maxim/maxim_word.h"
#include "maxim/maxim_word_ja.h"
#include "maxim/maxim_word_rand.h"
#include "maxim/maxim_word_rand_ja.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Main_Maxim_Screen::Main_Maxim_Screen(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Select maxim menu"));

    select_button = new QPushButton(tr("Select"), this);
    select_button->setObjectName(QStringLiteral("select_button"));

    // The order fills the Chinese catalogue before the Japanese one, and lets
    // the Japanese random window seed the generator before either draws.
    maxim_word = new Maxim_Word(nullptr);
    maxim_word_ja = new Maxim_Word_Ja(nullptr);
    maxim_word_rand_ja = new Maxim_Word_Rand_Ja(nullptr);
    maxim_word_rand = new Maxim_Word_Rand(nullptr);

    method_group = new QGroupBox(tr("Screen method"));
    method_group->setObjectName(QStringLiteral("method_group"));
    numeric_radio = new QRadioButton(tr("2.&Innumeric order"));
    numeric_radio->setObjectName(QStringLiteral("numeric_radio"));
    numeric_radio->setChecked(true);
    random_radio = new QRadioButton(tr("1.&At random"));
    random_radio->setObjectName(QStringLiteral("random_radio"));

    kind_group = new QGroupBox(tr("Select kind of maxim"));
    kind_group->setObjectName(QStringLiteral("kind_group"));
    chinese_radio = new QRadioButton(tr("&Chinese maxim"));
    chinese_radio->setObjectName(QStringLiteral("chinese_radio"));
    japanese_radio = new QRadioButton(tr("&Japanese maxim"));
    japanese_radio->setObjectName(QStringLiteral("japanese_radio"));
    close_radio = new QRadioButton(tr("&Close"));
    close_radio->setObjectName(QStringLiteral("close_radio"));
    chinese_radio->setChecked(true);

    auto *method_rows = new QVBoxLayout;
    method_rows->addWidget(random_radio);
    method_rows->addWidget(numeric_radio);
    method_group->setLayout(method_rows);

    auto *kind_rows = new QVBoxLayout;
    kind_rows->addWidget(chinese_radio);
    kind_rows->addWidget(japanese_radio);
    kind_rows->addWidget(close_radio);
    kind_rows->addStretch(1);
    kind_group->setLayout(kind_rows);

    auto *button_row = new QHBoxLayout;
    button_row->addStretch(0);
    button_row->addWidget(select_button);

    auto *rows = new QVBoxLayout;
    rows->addWidget(method_group);
    rows->addWidget(kind_group);
    rows->addLayout(button_row);
    setLayout(rows);
    // The keyboard reads the window as the eye does, top to bottom.
    QWidget *before = random_radio;
    for (QWidget *next : std::initializer_list<QWidget *> {
             numeric_radio, chinese_radio, japanese_radio, close_radio, select_button}) {
        setTabOrder(before, next);
        before = next;
    }
    // Sized before it is placed: a window manager applies move() to the
    // client area of a window whose size is still to come from its layout.
    adjustSize();
    move(560, 400);

    connect(
        select_button, &QPushButton::clicked, this, &Main_Maxim_Screen::Select_OK_Button_clicked);
}

// The maxim windows have no parent: they go with the menu that made them.
Main_Maxim_Screen::~Main_Maxim_Screen()
{
    delete maxim_word;
    delete maxim_word_ja;
    delete maxim_word_rand_ja;
    delete maxim_word_rand;
}

void Main_Maxim_Screen::Select_OK_Button_clicked()
{
    if (chinese_radio->isChecked() && numeric_radio->isChecked())
        maxim_word->show();
    else if (japanese_radio->isChecked() && numeric_radio->isChecked())
        maxim_word_ja->show();
    else if (japanese_radio->isChecked() && random_radio->isChecked())
        maxim_word_rand_ja->show();
    else if (chinese_radio->isChecked() && random_radio->isChecked())
        maxim_word_rand->show();
    close();
}
