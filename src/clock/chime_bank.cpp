// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"

#include <QDir>
#include <QSoundEffect>
#include <QUrl>

namespace {
Chime_Bank *current_bank = nullptr;
}

Chime_Bank::Chime_Bank(QObject *parent) : QObject(parent)
{
    for (int number = 1; number <= 12; ++number) {
        auto *effect = new QSoundEffect(this);
        const QString path = QStringLiteral("wave/jiho%1.wav").arg(number);
        effect->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(path)));
        sounds[number - 1] = effect;
    }
    current_bank = this;
}

Chime_Bank::~Chime_Bank()
{
    if (current_bank == this)
        current_bank = nullptr;
}

void Chime_Bank::ring(int sound)
{
    if (!current_bank || sound < 1 || sound > 12)
        return;
    emit current_bank->chime_requested(sound);
    current_bank->sounds[sound - 1]->play();
}

QSoundEffect *Chime_Bank::sound(int number) const
{
    return number >= 1 && number <= 12 ? sounds[number - 1] : nullptr;
}
