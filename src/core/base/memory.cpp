#include "memory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace gk {

void returnFreedMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

} // namespace gk
