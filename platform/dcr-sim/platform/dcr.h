// DCR access where there is no 460EX DCR bus: each instruction is carried
// out by the simulated board.
#pragma once

#include <cstdint>

#include "morvik_sim.h"

namespace platform {

// The DCR number is part of the instruction, so it is fixed at compile time.
template <unsigned dcrn> inline void mtdcr(std::uint32_t value)
{
    static_assert(dcrn < 1024, "DCR numbers are 10 bits");
    morvik_sim::dcr_write(dcrn, value);
}

template <unsigned dcrn> inline std::uint32_t mfdcr()
{
    static_assert(dcrn < 1024, "DCR numbers are 10 bits");
    return morvik_sim::dcr_read(dcrn);
}

} // namespace platform
