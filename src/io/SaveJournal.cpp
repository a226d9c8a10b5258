#include "SaveJournal.h"

#include "FileReader.h"
#include "FileSaver.h"
#include "FileWriter.h"
#include "PlatformFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace orvanta {

namespace {

const QByteArray FirstLine = "orvanta-kit journal 1";

// A bare file name that stays in the journal's folder.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

FormatError failed(const QString &path, const QString &what)
{
    return FormatError::general(QDir::toNativeSeparators(path).toStdString(), what.toStdString());
}

} // namespace

SaveJournal::SaveJournal(const QString &path) : m_path(path)
{
}

bool SaveJournal::pending() const
{
    return QFileInfo::exists(m_path);
}

Result<std::vector<SaveJournal::Move>> SaveJournal::moves() const
{
    // A journal names a few files: anything much larger is not one.
    const auto read = FileReader::read(m_path, 64 * 1024);
    if (!read)
        return read.error();
    const QByteArray &bytes = *read;
    const QString notOurs = QStringLiteral("is not a journal of an unfinished save; move it away and save again");
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 2 || lines.takeFirst() != FirstLine || !lines.takeLast().isEmpty())
        return failed(m_path, notOurs);
    const QDir folder = QFileInfo(m_path).dir();
    std::vector<Move> moves;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> names = line.split('\t');
        if (names.size() != 2 && names.size() != 3)
            return failed(m_path, notOurs);
        const QString staged = QString::fromUtf8(names[0]);
        const QString target = QString::fromUtf8(names[1]);
        const QString backup = names.size() == 3 ? QString::fromUtf8(names[2]) : QString();
        if (!isPlainName(staged) || !isPlainName(target) || !staged.endsWith(QLatin1String(".new"))
            || (names.size() == 3 && !isPlainName(backup)))
            return failed(m_path, notOurs);
        moves.push_back({folder.filePath(staged), folder.filePath(target),
                         backup.isEmpty() ? QString() : folder.filePath(backup)});
    }
    return moves;
}

Status SaveJournal::recover() const
{
    if (!pending())
        return Done{};
    const auto named = moves();
    if (!named)
        return named.error();
    for (const auto &[staged, target, backup] : *named) {
        if (!QFileInfo::exists(staged))
            continue; // put in place before the kill
        if (Status kept = keepBackup(target, backup); !kept)
            return kept;
        if (const PlatformFiles::Failure refused = FileWriter::putInPlace(staged, target))
            return failed(target, QStringLiteral("cannot be replaced by the one an unfinished save left as %1: %2")
                                      .arg(QFileInfo(staged).fileName(), *refused));
    }
    if (!QFile::remove(m_path))
        return failed(m_path, QStringLiteral("cannot be removed after the unfinished save it names was finished"));
    return Done{};
}

std::optional<QString> SaveJournal::newerThan(const QString &target) const
{
    if (!pending())
        return std::nullopt;
    const auto named = moves();
    if (!named)
        return std::nullopt;
    // The files are put in place in order: while the first still waits,
    // every file on disk is the old one.
    if (named->empty() || QFileInfo::exists(named->front().staged))
        return std::nullopt;
    for (const auto &[staged, replaced, backup] : *named) {
        if (QFileInfo(replaced).fileName() == QFileInfo(target).fileName())
            return QFileInfo::exists(staged) ? std::optional(staged) : std::nullopt;
    }
    return std::nullopt;
}

Status SaveJournal::replace(const std::vector<Change> &changes) const
{
    for (const Change &change : changes) {
        if (const PlatformFiles::Failure held = PlatformFiles::heldOpen(change.file->target()))
            return failed(change.file->target(), QStringLiteral("cannot be replaced: ") + *held);
    }
    // One rename is one change already.
    if (changes.size() == 1) {
        const Change &only = changes.front();
        if (Status kept = keepBackup(only.file->target(), only.backupPath); !kept)
            return kept;
        return only.file->swapIn();
    }
    // The journal comes first, naming the backups too: a full disk or a
    // failure before it is in place changes nothing, not even a backup, and
    // a kill after it leaves recover() everything it needs.
    QByteArray journal = FirstLine + '\n';
    for (const Change &change : changes) {
        journal += QFileInfo(change.file->stagedPath()).fileName().toUtf8() + '\t'
            + QFileInfo(change.file->target()).fileName().toUtf8();
        if (!change.backupPath.isEmpty())
            journal += '\t' + QFileInfo(change.backupPath).fileName().toUtf8();
        journal += '\n';
    }
    if (Status written = FileSaver::saveKitFile(m_path, journal); !written)
        return written;
    for (const Change &change : changes) {
        if (Status kept = keepBackup(change.file->target(), change.backupPath); !kept) {
            QFile::remove(m_path);
            return kept;
        }
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        Status placed = changes[i].file->swapIn();
        if (placed)
            continue;
        if (i == 0) {
            QFile::remove(m_path);
            return placed;
        }
        for (std::size_t rest = i; rest < changes.size(); ++rest)
            changes[rest].file->keepStaged();
        // The change counts as made: say which files are new already.
        QStringList done;
        for (std::size_t before = 0; before < i; ++before)
            done.append(QFileInfo(changes[before].file->target()).fileName());
        FormatError error = placed.error();
        error.what += "; " + done.join(QStringLiteral(", ")).toStdString() + (done.size() == 1 ? " is" : " are")
            + " saved already, and the new file stays beside it, named in " + QFileInfo(m_path).fileName().toStdString()
            + ", until the next save or opening of the kit puts it in place";
        return std::move(error).withKind(FormatError::Kind::Unfinished);
    }
    QFile::remove(m_path);
    return Done{};
}

Status SaveJournal::keepBackup(const QString &target, const QString &backupPath)
{
    if (backupPath.isEmpty() || !QFileInfo(target).isFile())
        return Done{};
    return FileWriter::keepBackup(target, backupPath);
}

} // namespace orvanta
