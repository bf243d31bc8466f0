// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>

namespace {
const QString position_key = QStringLiteral("clock/position");
const QString enabled_key = QStringLiteral("chime/enabled");
const QString volume_key = QStringLiteral("chime/volume");
const QString quiet_from_key = QStringLiteral("chime/quiet_from");
const QString quiet_to_key = QStringLiteral("chime/quiet_to");
const QString time_format = QStringLiteral("hh:mm");

// Every file-backed Settings alive, in the order they were made.
QList<Settings *> &alive()
{
    static QList<Settings *> list;
    return list;
}

// The text of a value as the file holds it: "x, y" is read back as a list.
QString text_of(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList
        ? value.toStringList().join(QStringLiteral(", "))
        : value.toString();
}

std::optional<QPoint> point_of(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool x_read = false, y_read = false;
    const int x = parts.value(0).trimmed().toInt(&x_read);
    const int y = parts.value(1).trimmed().toInt(&y_read);
    if (parts.size() != 2 || !x_read || !y_read)
        return std::nullopt;
    return QPoint(x, y);
}

std::optional<bool> switch_of(const QString &text)
{
    const QString word = text.trimmed().toLower();
    if (QStringList {"true", "yes", "on", "1"}.contains(word))
        return true;
    if (QStringList {"false", "no", "off", "0"}.contains(word))
        return false;
    return std::nullopt;
}

// The Exec value of a desktop entry that starts this program: quoted where the
// path needs it, with the escapes of freedesktop.org's desktop entry format.
QString exec_value(QString program)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (!plain.match(program).hasMatch()) {
        static const QRegularExpression special(QStringLiteral("([\"`$\\\\])"));
        program = QLatin1Char('"') + program.replace(special, QStringLiteral("\\\\\\1"))
            + QLatin1Char('"');
    }
    return program.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("%%"));
}
} // namespace

Settings::Settings(QObject *parent) : QObject(parent) { }

Settings::Settings(const QString &config_folder, QObject *parent)
    : QObject(parent)
    , file(std::make_unique<QSettings>(
          config_folder + QStringLiteral("/zelvane/zelvane.conf"), QSettings::IniFormat))
    , config_folder(config_folder)
{
    read();
    alive().append(this);
}

// Only the file-backed ones are counted: the one in memory outlives the list.
Settings::~Settings()
{
    if (file)
        alive().removeOne(this);
}

QString Settings::user_config_folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

Settings &Settings::current()
{
    static Settings in_memory;
    return alive().isEmpty() ? in_memory : *alive().last();
}

QString Settings::file_path() const
{
    return file ? file->fileName() : QString();
}

// Each value that is there but cannot be read keeps its default, and all of
// them are named on one line.
void Settings::read()
{
    QStringList faults;
    const auto value = [&](const QString &key, const char *expected, auto parse) {
        const QString text = text_of(file->value(key));
        const auto parsed = parse(text);
        if (file->contains(key) && !parsed)
            faults << QStringLiteral("%1 \"%2\" is not %3").arg(key, text, QLatin1String(expected));
        return parsed;
    };
    position = value(position_key, "x, y", point_of);
    enabled = value(enabled_key, "true or false", switch_of).value_or(true);
    volume = value(volume_key, "a whole number from 0 to 100", [](const QString &text) {
        bool read = false;
        const int percent = text.toInt(&read);
        return read && percent >= 0 && percent <= 100 ? std::optional<int>(percent) : std::nullopt;
    }).value_or(100);
    const auto time_of = [](const QString &text) {
        const QTime time = QTime::fromString(text.trimmed(), QStringLiteral("h:mm"));
        // Empty means none, which is a value too.
        return text.trimmed().isEmpty() || time.isValid() ? std::optional<QTime>(time)
                                                          : std::nullopt;
    };
    from = value(quiet_from_key, "a time hh:mm", time_of).value_or(QTime());
    to = value(quiet_to_key, "a time hh:mm", time_of).value_or(QTime());
    if (file->status() == QSettings::FormatError)
        faults.prepend(QStringLiteral("parts of it are not in INI form"));
    if (!faults.isEmpty())
        std::fprintf(stderr, "zelvane: settings file %s: %s; the defaults are used for these\n",
            qPrintable(file_path()), qPrintable(faults.join(QStringLiteral("; "))));
}

// Written out at once. A folder that cannot be written is said once; the
// values still hold until the program ends.
void Settings::save(const QString &key, const QVariant &value)
{
    if (!file)
        return;
    file->setValue(key, value);
    file->sync();
    // A file read with format errors keeps that status, which hides a failed
    // write: the folder tells.
    const bool saved = file->status() != QSettings::AccessError
        && QFileInfo(QFileInfo(file_path()).path()).isWritable();
    if (!saved && !save_failure_told) {
        save_failure_told = true;
        std::fprintf(stderr,
            "zelvane: cannot save the settings in %s; changes last until the program ends\n",
            qPrintable(file_path()));
    }
}

void Settings::set_clock_position(const QPoint &place)
{
    position = place;
    save(position_key, QStringList {QString::number(place.x()), QString::number(place.y())});
}

void Settings::set_chime_enabled(bool on)
{
    enabled = on;
    save(enabled_key, on);
}

void Settings::set_chime_volume(int percent)
{
    volume = qBound(0, percent, 100);
    save(volume_key, volume);
}

void Settings::set_quiet_hours(const QTime &start, const QTime &end)
{
    from = start.isValid() ? QTime(start.hour(), start.minute()) : QTime();
    to = end.isValid() ? QTime(end.hour(), end.minute()) : QTime();
    save(quiet_from_key, from.toString(time_format));
    save(quiet_to_key, to.toString(time_format));
}

bool Settings::chime_heard_at(const QTime &time) const
{
    if (!enabled)
        return false;
    if (!from.isValid() || !to.isValid())
        return true;
    const QTime minute(time.hour(), time.minute());
    const bool quiet = from <= to ? minute >= from && minute < to : minute >= from || minute < to;
    return !quiet;
}

namespace {
QString autostart_path(const QString &config_folder)
{
    return config_folder + QStringLiteral("/autostart/org.zelvane.Zelvane.desktop");
}
} // namespace

bool Settings::starts_with_desktop() const
{
    return file && QFileInfo::exists(autostart_path(config_folder));
}

// An XDG autostart entry, as freedesktop.org describes it: a desktop entry in the
// autostart folder of the user's configuration.
bool Settings::set_starts_with_desktop(bool on)
{
    if (!file)
        return false;
    const QString path = autostart_path(config_folder);
    bool done = false;
    if (on) {
        QSaveFile entry(path);
        done = QDir().mkpath(QFileInfo(path).path()) && entry.open(QIODevice::WriteOnly);
        entry.write("[Desktop Entry]\nType=Application\nName=Zelvane\n"
                    "Comment=Always-on-top clock with hourly chimes, started with the desktop\n"
                    "Exec="
            + exec_value(QCoreApplication::applicationFilePath()).toUtf8()
            // Started from its own folder, as from a terminal there, a program
            // run from its build finds its data beside it.
            + "\nPath="
            + QCoreApplication::applicationDirPath()
                  .replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                  .toUtf8()
            + "\nIcon=org.zelvane.Zelvane\nTerminal=false\n");
        done = done && entry.commit();
    } else {
        done = !QFileInfo::exists(path) || QFile::remove(path);
    }
    if (!done)
        std::fprintf(stderr, "zelvane: cannot %s the autostart entry %s\n", on ? "write" : "remove",
            qPrintable(path));
    return done;
}
