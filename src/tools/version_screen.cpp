// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/version_screen.h"

#include "core/version.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string_view>

namespace {
const char mail_address[] = "zelvane@example.org";

// The version line is a catalogue key, so it is written out in full.
constexpr char version_line[] = QT_TRANSLATE_NOOP("Version_Screen", "Version:version 1.00");

// The number of a text of digits; -1 for an empty text or any other character.
constexpr int number(std::string_view digits)
{
    int value = digits.empty() ? -1 : 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9')
            return -1;
        value = value * 10 + (digit - '0');
    }
    return value;
}

// Whether the text ends in " <major>.<minor>", the minor in two digits ("1.00" for 1.0).
constexpr bool shows_version(std::string_view text, int major, int minor)
{
    const auto dot = text.rfind('.');
    const auto space = dot == std::string_view::npos ? dot : text.rfind(' ', dot);
    return space != std::string_view::npos && text.size() - dot == 3
        && number(text.substr(space + 1, dot - space - 1)) == major
        && number(text.substr(dot + 1)) == minor;
}

static_assert(shows_version(version_line, zelvane_version_major, zelvane_version_minor),
    "the version screen's line must name project()'s version: change it, its translation "
    "and the tests' expected text together");
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
    version_label->setText(tr(version_line));

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

// OK and the title bar's close button both close the window, which hides it:
// it is never deleted, so it shows again unchanged. The close is accepted, as
// QWidget's own handler does: a window that refused it would cancel the
// application's quit, and one only hidden would never count as the last closed.
void Version_Screen::Push_Ok_clicked()
{
    close();
}
