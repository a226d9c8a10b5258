#include "SaveLock.h"

#include "io/FileReader.h"
#include "io/FileSaver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

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
    const QString holder = QStringLiteral("process %1 on %2 since %3").arg(pid).arg(host, utcTime(info.lastModified()));
    return datedInTheFuture() ? holder + QStringLiteral(", a time still to come (that host's clock is ahead)") : holder;
}

// QLockFile takes a lock of another host whose age, either way, passes the
// stale time; one dated ahead of this host's clock is a live lock of a host
// whose clock runs ahead, as far as this host can tell.
bool SaveLock::datedInTheFuture() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock.getLockInfo(&pid, &host, &application) && host != QSysInfo::machineHostName()
        && QFileInfo(m_path).lastModified().secsTo(QDateTime::currentDateTime()) < -WritingTime;
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

Status SaveLock::heldFailure() const
{
    return FormatError::general({}, QStringLiteral("%1 %2 is held by %3. If no save of this kit runs there, "
                                                   "delete that file and save again.")
                                        .arg(AnotherSaveText, QDir::toNativeSeparators(m_path), holder())
                                        .toStdString())
        .withKind(FormatError::Kind::Held);
}

Status SaveLock::lock(std::chrono::milliseconds wait, const std::function<void(const QString &)> &waiting,
                      const std::function<void(const QString &)> &tookOver)
{
    // Whatever stands in the lock's place is looked at before QLockFile
    // reads it: a pipe would hold the save for ever, a folder or a link to
    // nothing would read as a lock held by nobody.
    const QFileInfo info(m_path);
    const bool present = info.exists() || info.isSymLink();
    if (present) {
        if (const Status usable = FileReader::check(m_path, FileReader::LockCap); !usable)
            return FormatError::general(usable.error().file,
                                        usable.error().what + ", so no save of this kit can take its save lock. It is "
                                                              "no lock the kit made: remove it and save again.");
        if (datedInTheFuture())
            return heldFailure();
    }
    const QString before = present ? holder() : QString();
    const auto taken = [&] {
        if (present && tookOver)
            tookOver(QStringLiteral("took over the stale save lock %1, left by %2")
                         .arg(QDir::toNativeSeparators(m_path), before));
        return Done{};
    };
    if (m_lock.tryLock(0) || takeUnreadableLock())
        return taken();
    if (m_lock.error() != QLockFile::LockFailedError)
        return creationFailure();
    if (waiting)
        waiting(holder());
    if (m_lock.tryLock(int(wait.count())))
        return Done{};
    if (takeUnreadableLock())
        return taken();
    if (m_lock.error() != QLockFile::LockFailedError)
        return creationFailure();
    return heldFailure();
}

} // namespace orvanta
