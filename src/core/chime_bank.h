// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHIME_BANK_H
#define CHIME_BANK_H

#include <QObject>
#include <QStringList>
#include <array>

class QSoundEffect;

// One chime for each hour of a twelve-hour dial.
constexpr int chime_count = 12;

// The hourly chimes, wave/jiho1.wav to wave/jiho12.wav from the data folder.
// The sound back end needs the application object, so main creates the one
// bank right after it and lets it go before it. A chime is loaded when it is
// first wanted, not at start-up: the clock prepares each hour's chime shortly
// before the hour and lets the others go.
class Chime_Bank : public QObject
{
    Q_OBJECT

public:
    explicit Chime_Bank(QObject *parent = nullptr);
    ~Chime_Bank() override;

    // Plays chime 1 to chime_count of the bank that exists, if any, at the
    // volume of the settings; other numbers do nothing. Playback is
    // asynchronous: this returns at once (a chime not loaded yet starts as
    // soon as it is).
    static void ring(int sound);

    // Loads chime 1 to chime_count ahead of its ringing and lets go of the other
    // chimes that are not playing.
    static void prepare(int sound);

    // Chime 1 to chime_count, loaded if it was not; null for other numbers.
    QSoundEffect *sound(int number) const;

signals:
    // Told before playing, so a listener sees which chime was asked for even
    // where there is no sound card.
    void chime_requested(int sound);

private:
    void report_unusable(const QStringList &paths) const;

    mutable std::array<QSoundEffect *, chime_count> sounds {};
    std::array<bool, chime_count> broken {}; // there, but no wave file to play
    mutable bool reported = false;
};

#endif // CHIME_BANK_H
