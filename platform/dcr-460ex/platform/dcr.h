// DCR access on the PowerPC 460EX: the processor's own privileged
// instructions, which run only in supervisor state.
#pragma once

#include <cstdint>

namespace platform {

// The DCR number is encoded in the instruction, so it must be a constant.
template <unsigned dcrn> inline void mtdcr(std::uint32_t value)
{
    static_assert(dcrn < 1024, "DCR numbers are 10 bits");
    asm volatile("mtdcr %0, %1" : : "i"(dcrn), "r"(value) : "memory");
}

template <unsigned dcrn> inline std::uint32_t mfdcr()
{
    static_assert(dcrn < 1024, "DCR numbers are 10 bits");
    std::uint32_t value;
    asm volatile("mfdcr %0, %1" : "=r"(value) : "i"(dcrn) : "memory");
    return value;
}

} // namespace platform
