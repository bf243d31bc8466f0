// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"

#include "data_folder.h"

#include <QSoundEffect>
#include <QUrl>

namespace {
Chime_Bank *current_bank = nullptr;
}

Chime_Bank::Chime_Bank(QObject *parent) : QObject(parent)
{
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
    current_bank->sound(sound)->play();
}

void Chime_Bank::prepare(int sound)
{
    if (!current_bank || sound < 1 || sound > 12)
        return;
    current_bank->sound(sound);
    for (int number = 1; number <= 12; ++number) {
        QSoundEffect *&effect = current_bank->sounds[number - 1];
        if (effect && number != sound && !effect->isPlaying()) {
            effect->deleteLater();
            effect = nullptr;
        }
    }
}

QSoundEffect *Chime_Bank::sound(int number) const
{
    if (number < 1 || number > 12)
        return nullptr;
    QSoundEffect *&effect = sounds[number - 1];
    if (!effect) {
        effect = new QSoundEffect(const_cast<Chime_Bank *>(this));
        const QString path = QStringLiteral("wave/jiho%1.wav").arg(number);
        effect->setSource(QUrl::fromLocalFile(Data_Folder::locate(path)));
    }
    return effect;
}
