#include "WriteFaults.h"

#include <QtGlobal>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace orvanta {

namespace {

struct Armed {
    std::atomic<bool> on{false};
    std::mutex mutex;
    qint64 left = 0;
    qint64 granted = 0;
    WriteFaults::Kind kind = WriteFaults::Kind::NoSpace;
};

Armed &armed()
{
    static Armed state;
    return state;
}

} // namespace

WriteFaults::Scope::Scope(qint64 budget, Kind kind)
{
    Armed &state = armed();
    const std::lock_guard lock(state.mutex);
    Q_ASSERT(!state.on);
    state.left = budget;
    state.granted = 0;
    state.kind = kind;
    state.on = true;
}

WriteFaults::Scope::~Scope()
{
    Armed &state = armed();
    const std::lock_guard lock(state.mutex);
    state.on = false;
}

WriteFaults::Grant WriteFaults::grant(qint64 wanted)
{
    Armed &state = armed();
    if (!state.on.load(std::memory_order_relaxed))
        return {wanted, false, 0};
    const std::lock_guard lock(state.mutex);
    if (!state.on)
        return {wanted, false, 0};
    if (state.kind == Kind::RenameFails || state.kind == Kind::Killed) {
        state.granted += wanted;
        return {wanted, false, 0};
    }
    if (state.kind == Kind::SyncFails || state.left >= wanted) {
        state.left = qMax<qint64>(0, state.left - wanted);
        state.granted += wanted;
        return {wanted, false, 0};
    }
    if (state.kind == Kind::LostWrites) {
        const qint64 real = state.left;
        state.left = 0;
        state.granted += real;
        // The part within the budget lands; the caller learns of the rest
        // only by looking at the file.
        return real > 0 ? Grant{real, false, 0} : Grant{wanted, true, 0};
    }
    if (state.left > 0) {
        const qint64 real = state.left;
        state.left = 0;
        state.granted += real;
        return {real, false, 0};
    }
    return {0, false, ENOSPC};
}

void WriteFaults::giveBack(qint64 unused)
{
    Armed &state = armed();
    if (unused <= 0 || !state.on.load(std::memory_order_relaxed))
        return;
    const std::lock_guard lock(state.mutex);
    if (!state.on)
        return;
    state.granted -= unused;
    // A budget of renames counts no bytes.
    if (state.kind != Kind::RenameFails && state.kind != Kind::Killed)
        state.left += unused;
}

int WriteFaults::syncError()
{
    Armed &state = armed();
    if (!state.on.load(std::memory_order_relaxed))
        return 0;
    const std::lock_guard lock(state.mutex);
    return state.on && state.kind == Kind::SyncFails && state.left == 0 ? EIO : 0;
}

int WriteFaults::renameError()
{
    Armed &state = armed();
    if (!state.on.load(std::memory_order_relaxed))
        return 0;
    const std::lock_guard lock(state.mutex);
    if (!state.on || (state.kind != Kind::RenameFails && state.kind != Kind::Killed))
        return 0;
    if (state.left == 0 && state.kind == Kind::Killed)
        std::_Exit(137);
    if (state.left == 0)
        return EIO;
    --state.left;
    return 0;
}

qint64 WriteFaults::granted()
{
    Armed &state = armed();
    const std::lock_guard lock(state.mutex);
    return state.granted;
}

} // namespace orvanta
