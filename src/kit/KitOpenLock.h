#pragma once

#include <QLockFile>
#include <QString>

#include <optional>

namespace orvanta {

// Marks a kit folder as open in a window: the lock file
// "orvanta-kit.open.lock" in the folder, held for as long as this object
// lives, so that a second window on the same folder can say so before two
// windows save over each other's work. A lock left by a window that no
// longer runs is taken over; a folder where no lock file can be made (read
// only) is not marked.
class KitOpenLock {
public:
    static const QString FileName;

    enum class State { Held, HeldElsewhere, Unmarked };

    explicit KitOpenLock(const QString &kitDirectory);

    // Tries once, without waiting.
    State tryLock();

    // Who holds the folder after HeldElsewhere: "process 1234 on host".
    QString holder() const;

    // For a tool that must not save under an open window: who holds the
    // folder, when a window that still runs does. Makes no lock file where
    // there is none, and reads no other tool's check as a window.
    static std::optional<QString> windowHolding(const QString &kitDirectory);

private:
    QString m_path;
    QLockFile m_lock;
};

} // namespace orvanta
