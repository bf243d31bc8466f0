// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WINDOW_H
#define MAXIM_WINDOW_H

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

// What a maxim window shows, whichever widget shows it: the Chinese windows
// put the heading in a label, the Japanese ones in an editor.
inline QString maxim_number(QWidget &window)
{
    return window.findChild<QLabel *>(QStringLiteral("no_label"))->text();
}

inline QString maxim_heading(QWidget &window)
{
    if (auto *label = window.findChild<QLabel *>(QStringLiteral("heading_label")))
        return label->text();
    return window.findChild<QTextEdit *>(QStringLiteral("heading_edit"))->toPlainText();
}

inline QString maxim_text(QWidget &window)
{
    return window.findChild<QTextEdit *>(QStringLiteral("text_edit"))->toPlainText();
}

inline QPushButton *maxim_button(QWidget &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

inline void press(QWidget &window, const char *button)
{
    QTest::mouseClick(maxim_button(window, button), Qt::LeftButton);
}

#endif // MAXIM_WINDOW_H
