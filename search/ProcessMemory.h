#pragma once
// Keeps memory that the searches free inside the process, so a repeated search reuses pages
// it already touched instead of paying the system for fresh ones (several ms per MB on this kind of machine).

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kestrow {

/// Call once at start-up, before the first search.
inline void KeepFreedMemoryInProcess() {
#if defined(__GLIBC__)
    // Blocks below the threshold come from the heap, which is not trimmed back, instead of
    // fresh mappings. The push layers of a 1000 x 1000 map are 64 MB; a glibc that refuses a
    // threshold that high takes its largest, 32 MB.
    if (mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024) == 0) mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
#endif
}

}  // namespace kestrow
