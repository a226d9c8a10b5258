#include "SaveLock.h"

#include "io/FileSaver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanta {

const QString SaveLock::FileName = QStringLiteral("orvanta-kit.save.lock");
const QString SaveLock::AnotherSaveText = QStringLiteral("Another save of this kit is running.");

namespace {

// How long a lock file may stand unreadable while its maker writes into it.
constexpr qint64 WritingTime = 2; // seconds

QString utcTime(const QDateTime &time)
{
    return time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
}

} // namespace

SaveLock::SaveLock(const QString &kitDirectory)
    : m_path(QDir(kitDirectory).filePath(FileName))
    , m_lock(m_path)
{
    m_lock.setStaleLockTime(int(std::chrono::milliseconds(StaleAfter).count()));
}

QString SaveLock::holder() const
{
    const QFileInfo info(m_path);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("nobody it names (the file is empty or unreadable), since %1").arg(utcTime(info.lastModified()));
    return QStringLiteral("process %1 on %2 since %3").arg(pid).arg(host, utcTime(info.lastModified()));
}

// An unreadable lock file that is not being written any more names no
// holder that could still finish: it goes.
bool SaveLock::takeUnreadableLock()
{
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo info(m_path);
    if (!info.exists() || m_lock.getLockInfo(&pid, &host, &application)
        || info.lastModified().secsTo(QDateTime::currentDateTime()) < WritingTime)
        return false;
    return QFile::remove(m_path) && m_lock.tryLock(0);
}

// Qt tells only that the lock file could not be made; writing a file of
// its size beside it tells why (a full disk, a folder without write access).
Status SaveLock::creationFailure() const
{
    const QString probe = m_path + QStringLiteral(".probe");
    const Status written = FileSaver::writePiece(probe, QByteArray(64, ' '));
    QFile::remove(probe);
    const bool unwritable = !written && written.error().kind == FormatError::Kind::Unwritable;
    const std::string why = written ? std::string("the system gave no reason")
                          : unwritable ? written.error().cause
                                       : written.error().what;
    return FormatError::general(m_path.toStdString(),
                                "cannot be created (" + why + "), so this save cannot make sure it is the only one");
}

Status SaveLock::lock(std::chrono::milliseconds wait, const std::function<void(const QString &)> &waiting)
{
    if (m_lock.tryLock(0) || takeUnreadableLock())
        return Done{};
    if (m_lock.error() != QLockFile::LockFailedError)
        return creationFailure();
    if (waiting)
        waiting(holder());
    if (m_lock.tryLock(int(wait.count())) || takeUnreadableLock())
        return Done{};
    if (m_lock.error() != QLockFile::LockFailedError)
        return creationFailure();
    return FormatError::general({}, QStringLiteral("%1 %2 is held by %3. If no save of this kit runs there, "
                                                   "delete that file and save again.")
                                        .arg(AnotherSaveText, QDir::toNativeSeparators(m_path), holder())
                                        .toStdString())
        .withKind(FormatError::Kind::Held);
}

} // namespace orvanta
