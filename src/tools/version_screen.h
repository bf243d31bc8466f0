// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VERSION_SCREEN_H
#define VERSION_SCREEN_H

#include <QWidget>

class QLabel;
class QPushButton;

// Fixed facts about the program in a titled frame, with an OK button.
class Version_Screen : public QWidget
{
    Q_OBJECT

public:
    explicit Version_Screen(QWidget *parent = nullptr);

public slots:
    void Push_Ok_clicked();

private:
    QPushButton *ok_button = nullptr;
    QLabel *name_label = nullptr;
    QLabel *author_label = nullptr;
    QLabel *version_label = nullptr;
    QLabel *url_label = nullptr;
    QLabel *mail_label = nullptr;
    QLabel *rights_label = nullptr;
};

#endif // VERSION_SCREEN_H
