// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortune/config_mini_omikuji.h"

#include "fortune/fortune_table.h"
#include "fortune/mini_omikuji.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <cstdio>

namespace {

constexpr int slot_count = Mini_Omikuji::slot_count;

QString grade_name(int row)
{
    return QCoreApplication::translate("Config_Mini_Omikuji", config_unsei_name_table[row]);
}

// The top row shows digit 5 and fills slot 4, the bottom row digit 1 and slot 0.
int digit_of_row(int row)
{
    return slot_count - row;
}

int slot_of_row(int row)
{
    return slot_count - 1 - row;
}

} // namespace

Config_Mini_Omikuji::Config_Mini_Omikuji(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Zelvane Uranai Config"));
    setFixedSize(400, 200);
    move(500, 420);
    click_count = 0;

    omikuji_window = new Mini_Omikuji(nullptr);

    QStringList grade_names;
    for (int row = 0; row < fortune_row_count; ++row)
        grade_names.append(grade_name(row));

    for (int row = 0; row < row_count; ++row) {
        row_lcd[row] = new QLCDNumber(this);
        row_lcd[row]->setObjectName(QStringLiteral("row_lcd_%1").arg(digit_of_row(row)));
        row_lcd[row]->display(QString::number(digit_of_row(row)));
        row_lcd[row]->setSegmentStyle(QLCDNumber::Flat);
        row_lcd[row]->setDigitCount(1);
    }
    for (int row = 0; row < row_count; ++row) {
        row_combo[row] = new QComboBox(this);
        row_combo[row]->setObjectName(QStringLiteral("row_combo_%1").arg(digit_of_row(row)));
        row_combo[row]->addItems(grade_names);
        row_combo[row]->setAccessibleName(tr("Fortune grade of row %1").arg(digit_of_row(row)));
    }

    title_label = new QLabel(tr("Select Omikuji type,please"), this);
    title_label->setObjectName(QStringLiteral("title_label"));

    for (int row = 0; row < row_count; ++row) {
        row_label[row] = new QLabel(tr("No unsei"), this);
        row_label[row]->setObjectName(QStringLiteral("row_label_%1").arg(digit_of_row(row)));
    }
    for (int row = 0; row < row_count; ++row) {
        row_input_button[row] = new QPushButton(tr("Input"), this);
        row_input_button[row]->setObjectName(
            QStringLiteral("row_input_button_%1").arg(digit_of_row(row)));
        row_input_button[row]->setAccessibleDescription(
            tr("Enters the fortune grade of row %1").arg(digit_of_row(row)));
    }

    check_button = new QPushButton(tr("Check"), this);
    check_button->setObjectName(QStringLiteral("check_button"));
    check_button->setEnabled(false);

    next_button = new QPushButton(this);
    next_button->setObjectName(QStringLiteral("next_button"));
    next_button->setEnabled(false);
    next_button->setText(tr("Next"));

    auto *heading = new QHBoxLayout;
    heading->addStretch(0);
    heading->addWidget(title_label, 0);
    heading->addStretch(0);

    auto *rows = new QVBoxLayout;
    rows->addLayout(heading);
    for (int row = 0; row < row_count; ++row) {
        auto *entry = new QHBoxLayout;
        entry->addStretch(0);
        entry->addWidget(row_lcd[row], 0);
        entry->addWidget(row_combo[row], 0);
        entry->addWidget(row_label[row], 0);
        entry->addWidget(row_input_button[row], 0);
        entry->addStretch(0);
        rows->addLayout(entry);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(0);
    buttons->addStretch(0);
    buttons->addWidget(check_button, 0);
    buttons->addWidget(next_button, 0);
    buttons->addStretch(0);
    rows->addLayout(buttons);
    setLayout(rows);
    // The keyboard goes along each row, then to Check and Next.
    for (int row = 0; row < row_count; ++row) {
        if (row > 0)
            setTabOrder(row_input_button[row - 1], row_combo[row]);
        setTabOrder(row_combo[row], row_input_button[row]);
    }
    setTabOrder(row_input_button[row_count - 1], check_button);
    setTabOrder(check_button, next_button);

    connect(row_input_button[0], &QPushButton::clicked, this, &Config_Mini_Omikuji::SetUnsei_five);
    connect(row_input_button[1], &QPushButton::clicked, this, &Config_Mini_Omikuji::SetUnsei_four);
    connect(row_input_button[2], &QPushButton::clicked, this, &Config_Mini_Omikuji::SetUnsei_three);
    connect(row_input_button[3], &QPushButton::clicked, this, &Config_Mini_Omikuji::SetUnsei_two);
    connect(row_input_button[4], &QPushButton::clicked, this, &Config_Mini_Omikuji::SetUnsei_one);
    connect(next_button, &QPushButton::clicked, this, &Config_Mini_Omikuji::Next_Window_Clicked);
    connect(check_button, &QPushButton::clicked, this,
        &Config_Mini_Omikuji::Check_Unsei_button_clicked);

    for (int slot = 0; slot < slot_count; ++slot) {
        omikuji_window->buf_uranai_result[slot] = 0;
        std::printf("buf_uranai_result[%d]=%d\n", slot, 0);
    }
}

// The drawing window has no parent: it goes with the window that made it.
Config_Mini_Omikuji::~Config_Mini_Omikuji()
{
    delete omikuji_window;
}

int Config_Mini_Omikuji::Unsei_Number(const QString &text)
{
    for (int row = 0; row < fortune_row_count; ++row) {
        if (grade_name(row) == text)
            return row + 1;
    }
    return -1;
}

void Config_Mini_Omikuji::enter_row(int row)
{
    ++click_count;
    row_label[row]->setText(row_combo[row]->currentText());
    row_input_button[row]->setEnabled(false);
    row_combo[row]->setEnabled(false);

    const int slot = slot_of_row(row);
    omikuji_window->buf_uranai_result[slot] = Unsei_Number(row_combo[row]->currentText());
    std::printf("buf_uranai_result[%d]=%d\n", slot, omikuji_window->buf_uranai_result[slot]);

    if (click_count == row_count)
        check_button->setEnabled(true);
    std::printf("click_count = %d\n", click_count);
}

void Config_Mini_Omikuji::SetUnsei_five()
{
    enter_row(0);
}

void Config_Mini_Omikuji::SetUnsei_four()
{
    enter_row(1);
}

void Config_Mini_Omikuji::SetUnsei_three()
{
    enter_row(2);
}

void Config_Mini_Omikuji::SetUnsei_two()
{
    enter_row(3);
}

void Config_Mini_Omikuji::SetUnsei_one()
{
    enter_row(4);
}

void Config_Mini_Omikuji::Check_Unsei_button_clicked()
{
    int empty_slots = 0;
    for (int slot = 0; slot < slot_count; ++slot) {
        if (omikuji_window->buf_uranai_result[slot] == 0)
            ++empty_slots;
    }
    if (empty_slots == 0) {
        next_button->setEnabled(true);
        check_button->setEnabled(false);
        return;
    }
    QMessageBox::information(this, tr("Error Message"), tr("There are No entry,retry setting"),
        QMessageBox::Ok, QMessageBox::NoButton);
}

void Config_Mini_Omikuji::Next_Window_Clicked()
{
    omikuji_window->show();
    close();
    for (int row = 0; row < row_count; ++row) {
        row_input_button[row]->setEnabled(true);
        row_combo[row]->setEnabled(true);
    }
    next_button->setEnabled(false);
    click_count = 0;
}
