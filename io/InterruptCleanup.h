// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removes the temporary file of a write in progress when the program is
// interrupted. The writer registers its temporary file's path; the handler,
// installed once by a program that writes files, unlinks that path and then
// dies of the same signal with its default action. Everything the handler
// touches is async-signal-safe (a fixed buffer, a lock-free flag, unlink,
// signal, raise).

namespace lirem::io {

// Installs the handler for SIGINT, SIGTERM and SIGHUP (a signal the program
// ignores stays ignored). Safe to call more than once.
void InstallInterruptCleanup();

namespace detail {
// Registers a temporary file in progress; returns its slot, or -1 when the
// path is too long or every slot is taken (the write then goes on unguarded).
int RegisterTemporary(const char* path);
void UnregisterTemporary(int slot);
} // namespace detail

} // namespace lirem::io
