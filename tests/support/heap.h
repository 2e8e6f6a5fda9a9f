// Bytes the heap has handed out and not had back, for the soaks (the
// sanitizers' own allocator keeps the count under them; mallinfo2 there
// reads 0).
#pragma once

#include <malloc.h>

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();   // the sanitizer runtime's count
#endif

inline size_t heap_in_use()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}
