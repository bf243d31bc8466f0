// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chime_bank.h"

#include "core/data_folder.h"
#include "core/settings.h"

#include <QAudio>
#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>
#include <QtEndian>
#include <cstdio>

static_assert(chime_count == ZELVANE_CHIME_FILES, "the build synthesises one file per chime");

namespace {
Chime_Bank *current_bank = nullptr;

bool is_chime(int number)
{
    return number >= 1 && number <= chime_count;
}

QString chime_path(int number)
{
    return Data_Folder::locate(QStringLiteral("wave/jiho%1.wav").arg(number));
}

// A RIFF/WAVE file whose format chunk comes before its samples, and whose
// samples lie wholly inside the file: Qt's loader waits forever for samples
// that a cut-short file promises but does not hold. Only the chunk headers
// are read.
bool looks_like_wave(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)
        || file.read(12).mid(8) != "WAVE")
        return false;
    bool format = false;
    for (qint64 at = 12; at + 8 <= file.size();) {
        file.seek(at);
        const QByteArray header = file.read(8);
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (size > file.size() - at - 8)
            return false;
        if (header.startsWith("fmt "))
            format = size >= 16;
        else if (header.startsWith("data"))
            return format && size > 0;
        at += 8 + size + (size & 1);
    }
    return false;
}
} // namespace

Chime_Bank::Chime_Bank(QObject *parent) : QObject(parent)
{
    QStringList unusable;
    for (int number = 1; number <= chime_count; ++number) {
        const QString path = chime_path(number);
        const bool playable = looks_like_wave(path);
        broken[number - 1] = !playable && QFileInfo::exists(path);
        if (!playable)
            unusable.append(path);
    }
    current_bank = this;
    if (!unusable.isEmpty())
        report_unusable(unusable);
}

Chime_Bank::~Chime_Bank()
{
    if (current_bank == this)
        current_bank = nullptr;
}

// Said once per run, on one line, however many sounds are missing or broken:
// a broken wave folder must not fill the terminal at every start.
void Chime_Bank::report_unusable(const QStringList &paths) const
{
    if (reported)
        return;
    reported = true;
    std::fprintf(stderr,
        "zelvane: chime sounds missing or unreadable, their hours stay silent: %s\n",
        qPrintable(paths.join(QStringLiteral(", "))));
}

void Chime_Bank::ring(int sound)
{
    if (!current_bank || !is_chime(sound))
        return;
    emit current_bank->chime_requested(sound);
    QSoundEffect *effect = current_bank->sound(sound);
    // The volume the user set, as loud as it sounds: the ear hears loudness
    // on a logarithmic scale.
    effect->setVolume(QAudio::convertVolume(Settings::current().chime_volume() / 100.0F,
        QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
    effect->play();
}

void Chime_Bank::prepare(int sound)
{
    if (!current_bank || !is_chime(sound))
        return;
    current_bank->sound(sound);
    for (int number = 1; number <= chime_count; ++number) {
        QSoundEffect *&effect = current_bank->sounds[number - 1];
        if (effect && number != sound && !effect->isPlaying()) {
            effect->deleteLater();
            effect = nullptr;
        }
    }
}

QSoundEffect *Chime_Bank::sound(int number) const
{
    if (!is_chime(number))
        return nullptr;
    QSoundEffect *&effect = sounds[number - 1];
    if (!effect) {
        effect = new QSoundEffect(const_cast<Chime_Bank *>(this));
        // Qt 6.4's sample loader can hang the program's exit on a file that is
        // there but cannot be decoded (a folder, an empty or cut-short file):
        // such a chime gets no source and stays silent. A missing one is harmless.
        const QString path = chime_path(number);
        if (!broken[number - 1])
            effect->setSource(QUrl::fromLocalFile(path));
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect, path] {
            if (effect->status() == QSoundEffect::Error)
                report_unusable({path});
        });
    }
    return effect;
}
