// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHIME_BANK_H
#define CHIME_BANK_H

#include <QObject>
#include <QStringList>
#include <array>

class QSoundEffect;

// The twelve hourly chimes, ./wave/jiho1.wav to ./wave/jiho12.wav from the
// working directory. The sound back end needs the application object, so main
// creates the one bank right after it and lets it go before it.
class Chime_Bank : public QObject
{
    Q_OBJECT

public:
    explicit Chime_Bank(QObject *parent = nullptr);
    ~Chime_Bank() override;

    // Plays chime 1 to 12 of the bank that exists, if any; other numbers do
    // nothing. Playback is asynchronous: this returns at once.
    static void ring(int sound);

    QSoundEffect *sound(int number) const;

signals:
    // Told before playing, so a listener sees which chime was asked for even
    // where there is no sound card.
    void chime_requested(int sound);

private:
    void report_unusable(const QStringList &paths);

    std::array<QSoundEffect *, 12> sounds {};
    bool reported = false;
};

#endif // CHIME_BANK_H
