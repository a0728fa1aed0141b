// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/InterruptCleanup.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace lirem::io {
namespace {

// A slot is free, being filled, or holds a path the handler may unlink.
enum SlotState : int { kFree = 0, kFilling = 1, kReady = 2 };

constexpr std::size_t kSlots = 4;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
    std::atomic<int> state{kFree};
    std::array<char, kPathBytes> path{};
};
std::array<Slot, kSlots> slots;
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the slots' state");

constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};

extern "C" void RemoveTemporariesAndDie(int signal) {
    for (Slot& slot : slots)
        if (slot.state.load() == kReady)
            ::unlink(slot.path.data());
    // Die of the same signal, as the parent shell expects.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

void InstallInterruptCleanup() {
    for (const int signal : kSignals) {
        struct sigaction old {};
        if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler != SIG_DFL)
            continue; // ignored (nohup) or handled by the program: left as it is
        struct sigaction action {};
        action.sa_handler = RemoveTemporariesAndDie;
        sigemptyset(&action.sa_mask);
        for (const int other : kSignals)
            sigaddset(&action.sa_mask, other);
        ::sigaction(signal, &action, nullptr);
    }
}

namespace detail {

int RegisterTemporary(const char* path) {
    const std::size_t length = std::strlen(path);
    if (length >= kPathBytes)
        return -1;
    for (std::size_t i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kFilling))
            continue;
        std::memcpy(slots[i].path.data(), path, length + 1);
        slots[i].state.store(kReady);
        return static_cast<int>(i);
    }
    return -1;
}

void UnregisterTemporary(int slot) {
    if (slot >= 0 && static_cast<std::size_t>(slot) < kSlots)
        slots[static_cast<std::size_t>(slot)].state.store(kFree);
}

} // namespace detail
} // namespace lirem::io
