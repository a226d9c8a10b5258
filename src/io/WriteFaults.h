#pragma once

#include <QtGlobal>

#include <cerrno>

namespace orvanta {

// The seam through which tests make the kit's file writes fail the way
// disks fail. Every byte FileWriter puts on disk (plain writes and kernel
// copies alike), every sync it asks for and every rename that puts a file
// in place pass through it; unarmed, the seam grants everything and costs
// one atomic load.
//
// Armed through a Scope, it lets `budget` more bytes through (counted
// across every file written meanwhile, as on one disk), then:
// - NoSpace: the write that crosses the budget comes up short, and every
//   write after it fails with ENOSPC, as on a full disk;
// - LostWrites: writes past the budget report success but put nothing on
//   disk, as a device that drops data behind the writer's back;
// - SyncFails: the bytes are written, but syncing a file to disk fails
//   with EIO once the budget is spent, as a disk that reports a lost
//   write late;
// - RenameFails: bytes and syncs go through, but only `budget` renames
//   (a file put in its place, a backup kept) do; every one after fails
//   with EIO, as a folder that turned read-only or a file another program
//   holds;
// - Killed: as RenameFails, but at the first rename past the budget the
//   process ends at once (std::_Exit, nothing cleaned up), as under
//   kill -9: for a test's child process.
// One Scope at a time; the seam is shared by every thread.
class WriteFaults {
public:
    enum class Kind { NoSpace, LostWrites, SyncFails, RenameFails, Killed };

    class Scope {
    public:
        explicit Scope(qint64 budget, Kind kind = Kind::NoSpace);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;
    };

    // What a writer may do with the next `wanted` bytes: really write
    // `bytes` of them (when error is 0), pretend to have written `bytes`
    // without writing (pretend), or fail with the errno value `error`.
    struct Grant {
        qint64 bytes = 0;
        bool pretend = false;
        int error = 0;
    };
    static Grant grant(qint64 wanted);
    // Returns the part of a grant that did not reach the disk (a kernel
    // copy that stopped early), so that the budget counts real bytes.
    static void giveBack(qint64 unused);

    // 0 when a sync may go ahead, else the errno value it fails with.
    static int syncError();
    // 0 when a rename may go ahead, else the errno value it fails with.
    static int renameError();

    // Bytes granted since the current Scope was armed (for tests that
    // measure how much a save writes before they cut it short).
    static qint64 granted();
};

} // namespace orvanta
