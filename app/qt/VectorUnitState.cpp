#include "app/qt/VectorUnitState.h"

namespace korval {

void ClearUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
    // vzeroupper is an AVX instruction: older processors would stop the program on it.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) __asm__ volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace korval
