#include "FileWriter.h"

#include "PlatformFiles.h"
#include "WriteFaults.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <system_error>

namespace orvanta {

namespace {

constexpr qint64 ChunkSize = 1 << 20;

QString systemMessage(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

// A name beside `path` that no file has yet: "NAME.XXXXXXXX.new".
QString newNameBeside(const QString &path)
{
    return QStringLiteral("%1.%2.new").arg(path).arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// "PATH: cannot be written: REASON", of kind Unwritable with the reason as its cause.
FormatError unwritable(const QString &path, const QString &reason)
{
    FormatError error = FormatError::general(path.toStdString(), "cannot be written: " + reason.toStdString())
                            .withKind(FormatError::Kind::Unwritable);
    error.cause = reason.toStdString();
    return error;
}

} // namespace

FileWriter::FileWriter(const QString &path, Mode mode) : m_path(path), m_target(path), m_mode(mode)
{
    const QFileInfo info(path);
    if (mode == Mode::Replace && info.isSymLink())
        m_target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

namespace {

// Why a kit file at `path` must not be replaced, or nothing when it may.
std::optional<QString> notAKitFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymbolicLink() || info.isJunction())
        return QStringLiteral("is a link to %1, not a file of the kit folder; the kit replaces only its own files "
                              "there, never what a link points to, so nothing was written. Put the file itself in "
                              "its place to save.")
            .arg(QDir::toNativeSeparators(info.symLinkTarget()));
    if (info.exists() && !info.isFile())
        return QStringLiteral("is not a file (a folder, a pipe or a device), so the kit does not replace it; "
                              "nothing was written");
    return std::nullopt;
}

} // namespace

FileWriter::~FileWriter()
{
    if (m_committed || !m_opened)
        return;
    m_file.close();
    QFile::remove(m_file.fileName());
}

Status FileWriter::failure(const QString &reason) const
{
    return unwritable(m_path, reason);
}

Status FileWriter::open()
{
    if (m_mode == Mode::Scratch) {
        m_file.setFileName(m_target);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return failure(m_file.errorString());
        m_opened = true;
        return Done{};
    }
    if (m_mode == Mode::KitFile) {
        if (const auto refused = notAKitFile(m_path))
            return FormatError::general(QDir::toNativeSeparators(m_path).toStdString(), refused->toStdString());
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_file.setFileName(newNameBeside(m_target));
        if (m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            m_opened = true;
            // The new file takes the old one's place with its permissions:
            // the owner's, group's and others' bits as they stand. The
            // "user" flags say what this process may do (everything, for
            // root), and Qt would write them into the owner's bits.
            constexpr QFileDevice::Permissions userFlags =
                QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
            if (QFileInfo(m_target).isFile())
                m_file.setPermissions(QFileInfo(m_target).permissions() & ~userFlags);
            return Done{};
        }
        if (!QFileInfo::exists(m_file.fileName()))
            return failure(m_file.errorString());
    }
    return failure(QStringLiteral("no free name for a new file beside it"));
}

Status FileWriter::putBytes(const char *data, qint64 size)
{
    while (size > 0) {
        const WriteFaults::Grant grant = WriteFaults::grant(size);
        if (grant.error)
            return failure(systemMessage(grant.error));
        qint64 done = grant.bytes;
        if (!grant.pretend) {
            // A short write is followed by another for the rest, which
            // either goes on or fails with the system's reason.
            done = m_file.write(data, grant.bytes);
            WriteFaults::giveBack(grant.bytes - qMax<qint64>(0, done));
            if (done < 0)
                return failure(m_file.errorString());
            if (done == 0)
                return failure(QStringLiteral("the system took no bytes"));
        }
        data += done;
        size -= done;
        m_written += done;
    }
    return Done{};
}

Status FileWriter::write(QByteArrayView bytes)
{
    return putBytes(bytes.data(), bytes.size());
}

// Returns how many bytes the kernel copied before it could not go on;
// whatever stopped it (another file system, a full disk) is met again, and
// named, by the plain copy that takes over.
qint64 FileWriter::copyInKernel(QFile &source, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const WriteFaults::Grant grant = WriteFaults::grant(size - done);
        if (grant.error)
            break;
        qint64 got = grant.bytes;
        if (!grant.pretend) {
            // The source is read at an explicit offset; the written file's
            // own position advances, and the plain writes after this use it.
            got = PlatformFiles::kernelCopy(source, done, m_file, grant.bytes);
            WriteFaults::giveBack(grant.bytes - got);
        }
        done += got;
        m_written += got;
        if (got < grant.bytes || got == 0)
            break;
    }
    return done;
}

Status FileWriter::copyFrom(const QString &source, qint64 size)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return FormatError::general(source.toStdString(), "cannot be opened for reading: " + in.errorString().toStdString());
    const qint64 copied = copyInKernel(in, size);
    if (copied > 0 && !in.seek(copied))
        return FormatError::general(source.toStdString(), "cannot be read: " + in.errorString().toStdString());
    if (m_buffer.isEmpty())
        m_buffer.resize(ChunkSize);
    for (qint64 left = size - copied; left > 0;) {
        const qint64 got = in.read(m_buffer.data(), qMin(left, ChunkSize));
        if (got <= 0)
            return FormatError::general(source.toStdString(),
                QStringLiteral("ended after %1 of %2 bytes while it was copied").arg(size - left).arg(size).toStdString());
        if (Status put = putBytes(m_buffer.constData(), got); !put)
            return put;
        left -= got;
    }
    return Done{};
}

Status FileWriter::sync()
{
    if (const int error = WriteFaults::syncError())
        return failure(systemMessage(error));
    if (const PlatformFiles::Failure failed = PlatformFiles::sync(m_file))
        return failure(*failed);
    return Done{};
}

Status FileWriter::commit(qint64 expectedSize)
{
    Status staged = stage(expectedSize);
    if (staged && m_mode != Mode::Scratch)
        staged = swapIn();
    return staged;
}

PlatformFiles::Failure FileWriter::putInPlace(const QString &from, const QString &to)
{
    if (const int error = WriteFaults::renameError())
        return systemMessage(error);
    return PlatformFiles::replace(from, to);
}

Status FileWriter::stage(qint64 expectedSize)
{
    if (m_written != expectedSize)
        return failure(QStringLiteral("%1 bytes were written, not the %2 it should hold").arg(m_written).arg(expectedSize));
    const qint64 onDisk = m_file.size();
    if (onDisk != expectedSize)
        return failure(QStringLiteral("the disk holds only %1 of the %2 bytes written").arg(onDisk).arg(expectedSize));
    if (m_mode != Mode::Scratch) {
        if (Status synced = sync(); !synced)
            return synced;
    }
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return failure(m_file.errorString());
    if (m_mode == Mode::Scratch)
        m_committed = true;
    return Done{};
}

Status FileWriter::swapIn()
{
    if (const PlatformFiles::Failure failed = putInPlace(m_file.fileName(), m_target))
        return failure(*failed);
    m_committed = true;
    return Done{};
}

Status FileWriter::keepBackup(const QString &path, const QString &backupPath)
{
    const QString link = newNameBeside(backupPath);
    if (!PlatformFiles::hardLink(path, link)) {
        const PlatformFiles::Failure failed = putInPlace(link, backupPath);
        // A backup that is this file already (a save that failed after
        // keeping it) keeps the link's name too: a rename between two names
        // of one file changes nothing.
        QFile::remove(link);
        if (!failed)
            return Done{};
        return unwritable(backupPath, *failed);
    }
    // No hard links here (a FAT stick, some network shares): a copy.
    const qint64 size = QFileInfo(path).size();
    FileWriter copy(backupPath, Mode::KitFile);
    Status done = copy.open();
    if (done)
        done = copy.copyFrom(path, size);
    if (done)
        done = copy.commit(size);
    return done;
}

} // namespace orvanta
