// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_WINDOW_H
#define MAXIM_WINDOW_H

#include <QPoint>
#include <QWidget>
#include <initializer_list>
#include <optional>

class QLabel;
class QPushButton;
class QTextEdit;

// How a maxim window looks. The Chinese windows, 760 by 280, show the heading
// in a label and the text read-only; the Japanese ones, 500 by 380, show both
// in larger, editable areas.
enum class Maxim_Look { chinese, japanese };

// A maxim's number, heading and text above a row of buttons at the right: what
// the browsers and the random windows share.
class Maxim_Window : public QWidget
{
    Q_OBJECT

protected:
    // Without a position the window system places the window.
    Maxim_Window(Maxim_Look look, std::optional<QPoint> position, QWidget *parent);

    QPushButton *New_Button(const QString &text, const char *name);
    // Lays the window out with the buttons from left to right; the keyboard
    // reaches them after the text areas, in the order they were made in.
    void Lay_Out(std::initializer_list<QPushButton *> buttons);
    void Show_Maxim(const QString &number, const QString &heading, const QString &text);

    QLabel *no_label = nullptr;
    QLabel *heading_label = nullptr; // the heading of a Chinese window
    QTextEdit *heading_edit = nullptr; // the heading of a Japanese window
    QTextEdit *text_edit = nullptr;
};

#endif // MAXIM_WINDOW_H
