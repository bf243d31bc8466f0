// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>
#include <cstdio>

namespace {
Chime_Bank *current_bank = nullptr;

// A RIFF/WAVE header and something after it; what else is wrong the player finds.
bool looks_like_wave(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.startsWith("RIFF") && header.mid(8) == "WAVE" && file.size() > 44;
}
} // namespace

Chime_Bank::Chime_Bank(QObject *parent) : QObject(parent)
{
    QStringList unusable;
    for (int number = 1; number <= 12; ++number) {
        auto *effect = new QSoundEffect(this);
        const QString path = QStringLiteral("wave/jiho%1.wav").arg(number);
        sounds[number - 1] = effect;
        // Qt 6.4's sample loader can hang the program's exit on a file that is
        // there but cannot be decoded (a folder, an empty or cut-short file):
        // such a chime gets no source and stays silent. A missing one is harmless.
        const bool playable = looks_like_wave(path);
        if (playable || !QFileInfo::exists(path))
            effect->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(path)));
        if (!playable)
            unusable.append(path);
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect, path] {
            if (effect->status() == QSoundEffect::Error)
                report_unusable({path});
        });
    }
    current_bank = this;
    if (!unusable.isEmpty())
        report_unusable(unusable);
}

// Said once per run, on one line, however many sounds are missing or broken:
// a broken wave folder must not fill the terminal at every start.
void Chime_Bank::report_unusable(const QStringList &paths)
{
    if (reported)
        return;
    reported = true;
    std::fprintf(stderr,
        "zelvane: chime sounds missing or unreadable, their hours stay silent: %s\n",
        qPrintable(paths.join(QStringLiteral(", "))));
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
