#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace orvanta {

// Reads a file the kit takes in (its review file, settings, word list, save
// lock, a memory, an import, a dictionary) so that whatever stands at the
// path answers at once: a named pipe, a device, a folder or a link to
// nothing is refused before it is opened, saying what it is, and a file
// larger than the cap for its kind is refused with its size before a byte
// of it is read. Errors name the path as the system writes it.
class FileReader {
public:
    // Caps, each well above the largest file of its kind a kit can make.
    static constexpr qint64 KitFileCap = 64LL << 20;      // review file, word list
    static constexpr qint64 SettingsCap = 1LL << 20;      // orvanta-kit.ini
    static constexpr qint64 LockCap = 4LL << 10;          // orvanta-kit.save.lock
    static constexpr qint64 DictionaryCap = 64LL << 20;   // a Hunspell .aff or .dic
    static constexpr qint64 ExchangeCap = 1LL << 30;      // an import or memory

    // Fails unless `path` is a regular file (or a link to one) of at most
    // `cap` bytes, or nothing at all (read() then fails to open it, as
    // opening any missing file does).
    static Status check(const QString &path, qint64 cap);

    // `file` (named, not yet open) opened for reading, after check(): for
    // a reader that takes it a block at a time.
    static Status open(QFile &file, qint64 cap);

    // The whole file, after check().
    static Result<QByteArray> read(const QString &path, qint64 cap);
};

} // namespace orvanta
