#include "KitOpenLock.h"

#include "io/FileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

const QString KitOpenLock::FileName = QStringLiteral("orvanta-kit.open.lock");

KitOpenLock::KitOpenLock(const QString &kitDirectory)
    : m_path(QDir(kitDirectory).filePath(FileName))
    , m_lock(m_path)
{
    // The lock is held as long as the window lives, hours maybe: only a
    // holder that no longer runs makes it stale, never its age.
    m_lock.setStaleLockTime(0);
}

KitOpenLock::State KitOpenLock::tryLock()
{
    // QLockFile reads what stands there: a pipe would hold the window's
    // start for ever. Whatever is not a lock file marks nothing.
    if (!FileReader::check(m_path, FileReader::LockCap))
        return State::Unmarked;
    if (m_lock.tryLock(0))
        return State::Held;
    return m_lock.error() == QLockFile::LockFailedError ? State::HeldElsewhere : State::Unmarked;
}

QString KitOpenLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("another window");
    return QStringLiteral("process %1 on %2").arg(pid).arg(host);
}

std::optional<QString> KitOpenLock::windowHolding(const QString &kitDirectory)
{
    KitOpenLock lock(kitDirectory);
    if (!QFileInfo::exists(QDir(kitDirectory).filePath(FileName)) || lock.tryLock() != State::HeldElsewhere)
        return std::nullopt;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.m_lock.getLockInfo(&pid, &host, &application) && application == QCoreApplication::applicationName())
        return std::nullopt;
    return lock.holder();
}

} // namespace orvanta
