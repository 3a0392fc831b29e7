#pragma once

namespace gk {

// Gives the memory freed so far back to the system where the allocator keeps it (glibc keeps
// the pages of freed small blocks): called after a phase that freed much of what it made, so
// that a large operation's peak is what it holds, not what it once held.
void returnFreedMemory();

} // namespace gk
