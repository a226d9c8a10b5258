#pragma once

#include "core/Result.h"

#include <QLockFile>
#include <QString>

#include <chrono>
#include <functional>

namespace orvanta {

// The lock file "orvanta-kit.save.lock" in a kit folder, held by whoever
// writes the kit's "lang.dat" (a window's save, a kvtool command from the
// moment it reads the kit), so that two saves never build on the same old
// "lang.dat" and never share the output folder.
//
// A lock file left behind is taken over when it is stale:
// - its process no longer runs on this host (QLockFile's own test);
// - it is older than any save takes (StaleAfter), whoever it names: the
//   only way to clear one left on a stick or share by another host;
// - it cannot be read (empty or garbage: a process that died, or a full
//   disk, between creating it and writing into it), once it is a few
//   seconds old, so that a lock being written is never taken.
// A lock taken over is told (`tookOver`), naming the lock file and whom it
// named. Never taken: a lock of another host dated in the future (its
// clock is ahead; it counts as held), and whatever is not a file (a folder,
// a pipe, a link to nothing: nothing the kit made, so it says what stands
// there and that it must be removed).
// A refusal names the lock file and who holds it, and says how to recover.
class SaveLock {
public:
    static const QString FileName;                    // "orvanta-kit.save.lock"
    static constexpr std::chrono::minutes StaleAfter{10};
    static const QString AnotherSaveText;             // "Another save of this kit is running."

    explicit SaveLock(const QString &kitDirectory);

    // Takes the lock, waiting up to `wait` while another save holds it;
    // `waiting` (when given) hears who holds it, once, before the wait, and
    // `tookOver` a line saying which stale lock was taken over.
    // Fails after the wait with AnotherSaveText and the holder, or when the
    // lock file cannot be made, with the system's reason.
    Status lock(std::chrono::milliseconds wait, const std::function<void(const QString &holder)> &waiting = {},
                const std::function<void(const QString &notice)> &tookOver = {});

    QString path() const { return m_path; }
    // "process 1234 on HOST since 2026-12-07 15:40:12 UTC", or what is
    // wrong with the lock file.
    QString holder() const;

private:
    bool takeUnreadableLock();
    bool datedInTheFuture() const;
    Status creationFailure() const;
    Status heldFailure() const;

    QString m_path;
    QLockFile m_lock;
};

} // namespace orvanta
