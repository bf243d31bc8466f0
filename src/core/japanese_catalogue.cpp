// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/japanese_catalogue.h"

#include "core/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSet>
#include <QTranslator>
#include <QtEndian>
#include <cstdio>

namespace {

// The tags of a catalogue's blocks, and of the fields of one message.
namespace Block {
enum Tag { Contexts = 0x2f, Hashes = 0x42, Messages = 0x69, Dependencies = 0x96 };
} // namespace Block
namespace Field {
enum Tag { End = 1, Translation = 3, Obsolete = 5, Source_Text = 6, Context = 7, Comment = 8 };
} // namespace Field

// Qt's catalogue lookup trusts the offsets and lengths inside the file: a
// damaged catalogue (a flipped bit will do) makes it read outside the file
// and crash. So the file is walked here first, the way the lookup walks it,
// and every offset and length must stay inside its block.
class Catalogue_Reader
{
public:
    explicit Catalogue_Reader(const QByteArray &bytes) : bytes(bytes) { }

    bool sound()
    {
        static const char magic[16] = {'\x3c', '\xb8', '\x64', '\x18', '\xca', '\xef', '\x9c',
            '\x95', '\xcd', '\x21', '\x1c', '\xbf', '\x60', '\xa1', '\xbd', '\xdd'};
        if (!bytes.startsWith(QByteArray::fromRawData(magic, 16)))
            return false;
        qint64 at = 16, contexts = -1, context_length = 0, hashes = -1, hash_length = 0;
        while (at + 5 <= bytes.size()) {
            const int tag = byte(at);
            const qint64 length = u32(at + 1);
            at += 5;
            if (tag == 0 || length == 0)
                break;
            // A block past the end, or other catalogues to load with this one.
            if (length > bytes.size() - at || tag == Block::Dependencies)
                return false;
            if (tag == Block::Contexts)
                contexts = at, context_length = length;
            else if (tag == Block::Hashes)
                hashes = at, hash_length = length;
            else if (tag == Block::Messages)
                messages = at, message_length = length;
            at += length;
        }
        if (hashes < 0 || messages < 0 || hash_length % 8 != 0)
            return false;
        for (qint64 entry = hashes; entry < hashes + hash_length; entry += 8)
            if (!message_sound(u32(entry + 4)))
                return false;
        return contexts < 0 || contexts_sound(contexts, context_length);
    }

private:
    int byte(qint64 at) const { return quint8(bytes[at]); }
    qint64 u32(qint64 at) const { return qFromBigEndian<quint32>(bytes.constData() + at); }
    qint64 u16(qint64 at) const { return qFromBigEndian<quint16>(bytes.constData() + at); }

    // One message: tagged fields up to its end tag, all inside the message block.
    bool message_sound(qint64 offset)
    {
        if (checked.contains(offset))
            return true;
        for (qint64 at = offset; at < message_length;) {
            const int tag = byte(messages + at++);
            if (tag == Field::End)
                return checked.insert(offset), true;
            if (tag == Field::Obsolete
                || (tag == Field::Translation && at + 4 <= message_length
                    && (u32(messages + at) & 1)))
                at += 4; // obsolete, or a translation the lookup refuses unread
            else if (tag == Field::Translation || tag == Field::Source_Text || tag == Field::Context
                || tag == Field::Comment)
                at += at + 4 <= message_length ? 4 + u32(messages + at) : message_length;
            else
                return false;
            if (at > message_length)
                return false;
        }
        return false;
    }

    // A hash table of 16-bit offsets, then the names: a length byte and the
    // bytes, up to a zero length.
    bool contexts_sound(qint64 start, qint64 length) const
    {
        const qint64 table = length >= 2 ? u16(start) : 0;
        if (table == 0 || 2 + 2 * table > length)
            return false;
        for (qint64 slot = 0; slot < table; ++slot) {
            const qint64 offset = u16(start + 2 + 2 * slot);
            qint64 at = 2 + 2 * table + 2 * offset;
            while (offset != 0 && at < length && byte(start + at) != 0)
                at += 1 + byte(start + at);
            if (offset != 0 && at >= length)
                return false;
        }
        return true;
    }

    const QByteArray bytes;
    qint64 messages = -1, message_length = 0;
    QSet<qint64> checked;
};

} // namespace

bool Install_Japanese_Catalogue(QTranslator &translator, const QLocale &locale)
{
    if (locale.language() != QLocale::Japanese)
        return false;

    // The file the translator would take, from the working directory first
    // and then the installed data folder: the full name, with and without the
    // suffix, then the name cut at the underscore. A catalogue that is there
    // but cannot be used is not fatal, the texts stay in English, but the user
    // is told once which file it was. A missing one is reported with the rest
    // of the missing data.
    const auto load_first_found = [&translator] {
        for (const QString &folder : {QDir::currentPath(), Data_Folder::installed()}) {
            for (const char *candidate : {"zelvane_ja.qm", "zelvane_ja", "zelvane.qm", "zelvane"}) {
                QFile file(QDir(folder).filePath(QLatin1String(candidate)));
                if (!QFileInfo(file).isFile())
                    continue;
                const QString path = QDir::toNativeSeparators(file.fileName());
                if (!file.open(QIODevice::ReadOnly))
                    std::fprintf(stderr,
                        "zelvane: the Japanese catalogue %s cannot be read (%s); the texts are "
                        "shown in English\n",
                        qPrintable(path), qPrintable(file.errorString()));
                else if (!Catalogue_Reader(file.readAll()).sound() || !translator.load(path))
                    std::fprintf(stderr,
                        "zelvane: the Japanese catalogue %s is damaged; the texts are shown in "
                        "English\n",
                        qPrintable(path));
                return;
            }
        }
    };
    load_first_found();
    QCoreApplication::installTranslator(&translator);
    return true;
}

bool Install_Toolkit_Catalogue(QTranslator &translator, const QLocale &locale)
{
    if (locale.language() != QLocale::Japanese)
        return false;
    if (!translator.load(
            QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}
