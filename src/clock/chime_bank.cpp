// SPDX-License-Identifier: GPL-3.0-or-later
#include "chime_bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>
#include <QtEndian>
#include <cstdio>

namespace {
Chime_Bank *current_bank = nullptr;

// A RIFF/WAVE file whose format chunk comes before its samples, and whose
// samples lie wholly inside the file: Qt's loader waits forever for samples
// that a cut-short file promises but does not hold.
bool looks_like_wave(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    for (qint64 at = 12; at + 8 <= bytes.size();) {
        const qint64 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (size > bytes.size() - at - 8)
            return false;
        if (bytes.mid(at, 4) == "fmt ")
            format = size >= 16;
        else if (bytes.mid(at, 4) == "data")
            return format && size > 0;
        at += 8 + size + (size & 1);
    }
    return false;
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
