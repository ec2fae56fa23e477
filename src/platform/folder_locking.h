// The folder lock of the store, made with a lock file in each billing-period folder.
#pragma once

#include <chrono>

namespace vrk::platform {

// How long a transaction waits for another program to finish with a folder before it reports the
// folder in use; a lock file whose age passes kFolderLockStaleAfter is taken over when no live
// process holds it (a program that died on another machine sharing the folder).
inline constexpr std::chrono::milliseconds kFolderLockWait{3000};
inline constexpr std::chrono::milliseconds kFolderLockStaleAfter{60000};

// Makes every store transaction of this program take its folder's lock file. A lock left by a
// process that is gone never blocks: on this machine it is taken over at once.
void installFolderLocking(std::chrono::milliseconds wait = kFolderLockWait);

}  // namespace vrk::platform
