#pragma once

#include "core/Result.h"
#include "io/FileStamp.h"
#include "pictures/PictureCatalogue.h"
#include "texts/TextTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <vector>

namespace orvanta {

class PictureSlots;

// The source texts the translations in "lang.dat" were saved against, kept
// beside it in the kit's own file "orvanta-kit.sources" (never in
// "lang.dat": the game reads that, and it stays byte for byte what the work
// gives). A translation belongs to its source, not to its row: when a new
// "kvmain.dat" moves, rewords, adds or removes texts, these tell which
// translation was made for which source (OpenKit asks before it pairs by
// row).
//
// Every save writes the file with "lang.dat" and the review file as one
// change (KitCompiler's journal). Besides the sources it holds what ties it
// to the "lang.dat" it was saved with: a fingerprint of that file's texts
// (the TEXTS.DAT records), and one of each standard picture the translated
// pictures were drawn over. A file that does not belong to the "lang.dat"
// beside it (a "lang.dat" copied in from elsewhere) is never trusted.
//
// The file is bytes, not text of one encoding: the sources are the records'
// own bytes in the game's code page.
//
//   orvanta-kit sources 3
//   rows N sources HEX texts HEX pictures HEX,HEX,... kvmain STAMP langdat STAMP
//   SOURCE                                (N lines, one per row in order)
//   end HEX
//
// A SOURCE line writes backslash, line feed and carriage return as \\ \n
// \r; HEX is 16 lower-case hex digits; a STAMP is FileStamp::toText() of
// the kvmain.dat the texts were loaded from and of the lang.dat the save
// wrote. The last line's fingerprint covers every byte before it, so a
// file cut short or changed is known as such.
//
// An open reads no more than the first two lines while kvmain.dat's
// sources and lang.dat's texts are what they were (readHead, describes()):
// a file whose stamp is the one remembered is that file, unchanged (every
// save puts a new lang.dat in place; kvmain.dat changes only by being
// replaced), so the common open compares two stamps, not 200,000 texts.
// Only a program that rewrites a file in place to the same length and then
// sets its time back goes unseen, as it does by make and by git.
// A stamp that differs (a kit folder copied elsewhere) says nothing either
// way: then the fingerprints of the texts decide. The rest of the file is
// read, and checked, only when those differ too.
//
// Versions 1 and 2 wrote no stamps (version 1 took the fingerprints with
// Fingerprint text by text, version 2 with TextsFingerprint); such files
// are read and trusted as before. Saves write version 3.
class RememberedSources {
public:
    static const QString FileName;   // "orvanta-kit.sources"
    static const QString BackupName; // "orvanta-kit.sources.bak", beside "lang.dat.bak"
    static constexpr int PictureCount = PictureCatalogue::RowCount;

    // A stable 64-bit fingerprint of a sequence of texts (each text's
    // length and bytes), the same on every system, taken text by text: the
    // pictures' fingerprints and those of files of version 1.
    class Fingerprint {
    public:
        void add(QByteArrayView text);
        quint64 value() const { return m_value; }

    private:
        quint64 m_value = 0x6f7276616e7461ULL;
    };

    // A stable 64-bit fingerprint of a sequence of texts, the same on every
    // system: of their lengths, and of their bytes one after the other.
    // Texts that lie back to back in memory (as a loaded table's do) are
    // read as one run, 32 bytes a step, so that a fingerprint of 200,000
    // texts costs little beside loading them. The value depends on the
    // texts only, never on where they lie. A run is read late: every text
    // added must stay where it is until value().
    class TextsFingerprint {
    public:
        void add(QByteArrayView text);
        quint64 value();

    private:
        void take(const char *bytes, qsizetype size);
        void takeRun();

        const char *m_runStart = nullptr;
        const char *m_runEnd = nullptr;
        std::array<quint64, 2> m_lanes{0x6f7276616e7461ULL, 0x736f7572636573ULL};
        std::array<quint64, 4> m_lengths{};
        quint64 m_count = 0;
        quint64 m_bytes = 0;
        std::array<uchar, 32> m_stripe{};
        qsizetype m_filled = 0;
    };

    // The fingerprint of each standard picture (Fingerprint).
    static std::array<quint64, PictureCount> pictureFingerprints(const PictureSlots &pictures);

    // The file a save of `texts`, loaded from the kvmain.dat of stamp
    // `kvmain`, writes with the lang.dat of stamp `langDat`: their sources,
    // the fingerprint of the TEXTS.DAT it writes, those of the standard
    // pictures, and the stamps.
    static QByteArray toFile(const TextTable &texts, const PictureSlots &pictures, const FileStamp &kvmain,
                             const FileStamp &langDat);

    // Reads the file's bytes; a file that is not exactly what toFile()
    // writes (cut short, changed, of another kind) is an error naming
    // `fileName` and, where it helps, the line.
    static Result<RememberedSources> fromFile(QByteArray bytes, const QString &fileName);
    // Reads only the first two lines of the file at `path`: enough for
    // describes(), not for source().
    static Result<RememberedSources> readHead(const QString &path);

    // Whether these are `texts`' sources and the texts "lang.dat" was saved
    // with are `texts`' translations as loaded from the kvmain.dat and
    // lang.dat of stamps `kvmain` and `langDat`: by the stamps, and where a
    // stamp differs by the fingerprints.
    bool describes(const TextTable &texts, const FileStamp &kvmain, const FileStamp &langDat) const;

    int rowCount() const { return m_rowCount; }
    QByteArrayView source(int row) const { return m_sources[std::size_t(row)]; }
    quint64 texts() const { return m_texts; }
    quint64 picture(int row) const { return m_pictures[std::size_t(row)]; }

    // Whether `texts` has exactly these sources, row by row.
    bool sameSources(const TextTable &texts) const;
    // Whether `saved`, the texts "lang.dat" holds (loaded with these
    // sources), are those this file was written with.
    bool belongsTo(const TextTable &saved) const;

private:
    // The fingerprint of the texts a save of `texts` writes into TEXTS.DAT,
    // record by record (TextTable::savedText, cut to a record).
    static quint64 savedFingerprint(const TextTable &texts);
    // The fingerprint of one column of `texts`: the translation cells as
    // loaded from a TEXTS.DAT hold each record's text.
    template <typename Print>
    static quint64 fingerprint(const TextTable &texts, QByteArrayView TextTable::Row::*column);
    // The same, as a file of this one's version takes it.
    quint64 fingerprint(const TextTable &texts, QByteArrayView TextTable::Row::*column) const;

    // The version a first line names, or 0 when it is not one of ours.
    static int versionOf(QByteArrayView header);
    // The second line: the counts and fingerprints; false when it is not one.
    bool readSummary(QByteArrayView line);

    QByteArray m_bytes;            // the file; the sources view it where no escape was written
    std::vector<QByteArray> m_unescaped; // the sources that had escapes, unescaped
    std::vector<QByteArrayView> m_sources;
    int m_version = 0;
    int m_rowCount = 0;
    quint64 m_sourcesPrint = 0;
    quint64 m_texts = 0;
    FileStamp m_kvmain;  // none before version 3
    FileStamp m_langDat; // none before version 3
    std::array<quint64, PictureCount> m_pictures{};
};

} // namespace orvanta
