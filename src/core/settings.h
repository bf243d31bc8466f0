// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGS_H
#define SETTINGS_H

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTime>
#include <memory>
#include <optional>

class QSettings;

// What the user chose, kept in <config folder>/zelvane/zelvane.conf, an INI file:
//   [clock] position=x, y
//   [chime] enabled=true, volume=0 to 100, quiet_from=hh:mm, quiet_to=hh:mm
// and whether the desktop starts the program, an entry in <config folder>/autostart.
// A missing file or value means its default; a value that cannot be read also
// does, and is named on one line of standard error. Every change is saved at
// once; a folder that cannot be written loses only the saving, said once.
class Settings : public QObject
{
    Q_OBJECT

public:
    // Kept in memory only: defaults at first, and nothing is ever written.
    explicit Settings(QObject *parent = nullptr);
    // Read from, and saved to, this configuration folder.
    explicit Settings(const QString &config_folder, QObject *parent = nullptr);
    ~Settings() override;

    // $XDG_CONFIG_HOME, or ~/.config.
    static QString user_config_folder();
    // The settings made last that still exist; in memory only if there are none.
    static Settings &current();

    QString file_path() const;

    std::optional<QPoint> clock_position() const { return position; }
    void set_clock_position(const QPoint &place);

    bool chime_enabled() const { return enabled; }
    void set_chime_enabled(bool on);
    int chime_volume() const { return volume; }
    void set_chime_volume(int percent);
    // Null times: no quiet hours. The span may cross midnight; it holds its
    // first minute and not its last.
    QTime quiet_from() const { return from; }
    QTime quiet_to() const { return to; }
    void set_quiet_hours(const QTime &start, const QTime &end);
    // On, and not within the quiet hours.
    bool chime_heard_at(const QTime &time) const;

    // The desktop's autostart entry for this program: whether it is there,
    // and made or removed. False where it could not be.
    bool starts_with_desktop() const;
    bool set_starts_with_desktop(bool on);

private:
    void read();
    void save(const QString &key, const QVariant &value);

    std::unique_ptr<QSettings> file;
    QString config_folder;
    std::optional<QPoint> position;
    bool enabled = true;
    int volume = 100;
    QTime from;
    QTime to;
    bool save_failure_told = false;
};

#endif // SETTINGS_H
