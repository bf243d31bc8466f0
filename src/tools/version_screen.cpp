// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/version_screen.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char mail_address[] = "zelvane@example.org";
} // namespace

Version_Screen::Version_Screen(QWidget *parent) : QWidget(parent)
{
    setFixedSize(400, 210);
    move(530, 460);
    setWindowTitle(tr("Version screen"));
    // Unlike the other information windows, this one is not kept on top.
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint);

    name_label = new QLabel(this);
    name_label->setObjectName(QStringLiteral("name_label"));
    QFont name_font = name_label->font();
    name_font.setWeight(QFont::Bold);
    name_label->setFont(name_font);
    name_label->setText(tr("Soft name:Zelvane"));

    author_label = new QLabel(this);
    author_label->setObjectName(QStringLiteral("author_label"));
    author_label->setText(tr("Author:The Zelvane developers"));

    version_label = new QLabel(this);
    version_label->setObjectName(QStringLiteral("version_label"));
    version_label->setText(tr("Version:version 1.00"));

    url_label = new QLabel(this);
    url_label->setObjectName(QStringLiteral("url_label"));
    url_label->setText(tr("URL:https://zelvane.example.org/"));

    // The address reads the same in every language.
    mail_label = new QLabel(this);
    mail_label->setObjectName(QStringLiteral("mail_label"));
    const QString mail_text = QStringLiteral("E-mail: %1").arg(QLatin1String(mail_address));
    mail_label->setOpenExternalLinks(true);
    mail_label->setText(mail_text);

    rights_label = new QLabel(this);
    rights_label->setObjectName(QStringLiteral("rights_label"));
    QFont rights_font = name_label->font();
    rights_font.setWeight(QFont::Bold);
    rights_label->setFont(rights_font);
    rights_label->setText(tr("Copyright (C) The Zelvane project"));

    ok_button = new QPushButton(tr("OK"), this);
    ok_button->setObjectName(QStringLiteral("ok_button"));

    auto *frame = new QGroupBox(tr("Version Information"));
    frame->setObjectName(QStringLiteral("version_frame"));
    auto *lines = new QVBoxLayout;
    lines->addWidget(name_label);
    lines->addWidget(version_label);
    lines->addWidget(author_label);
    lines->addWidget(url_label);
    lines->addWidget(mail_label);
    lines->addWidget(rights_label);
    // Six lines in a fixed 210 pixels: Japanese lines are taller than
    // English ones and would lose the last line to the default spacing.
    lines->setSpacing(0);
    frame->setLayout(lines);

    auto *button_row = new QHBoxLayout;
    button_row->addStretch();
    button_row->addWidget(ok_button);
    button_row->addStretch();

    auto *window_layout = new QVBoxLayout;
    window_layout->addWidget(frame);
    window_layout->addLayout(button_row);
    setLayout(window_layout);

    connect(ok_button, &QPushButton::clicked, this, &Version_Screen::Push_Ok_clicked);
}

void Version_Screen::Push_Ok_clicked()
{
    close();
}

// The window is never deleted, so a closed one shows again unchanged. The
// close is accepted: one that refused it would cancel the application's quit,
// and a window only hidden would never count as the last one closed.
void Version_Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
}
