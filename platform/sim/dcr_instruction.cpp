#include "dcr_instruction.h"

namespace morvik_sim {

bool decode_dcr_instruction(std::uint32_t word, dcr_instruction *out)
{
    constexpr std::uint32_t primary_x_form = 31, xo_mtdcr = 451, xo_mfdcr = 323;
    const std::uint32_t xo = (word >> 1) & 0x3FF;
    if (word >> 26 != primary_x_form || (xo != xo_mtdcr && xo != xo_mfdcr) || (word & 1) != 0)
        return false;
    // The instruction holds the DCR number with its two 5-bit halves swapped.
    const std::uint32_t field = (word >> 11) & 0x3FF;
    out->is_write = xo == xo_mtdcr;
    out->dcrn = ((field & 0x1F) << 5) | (field >> 5);
    out->gpr = (word >> 21) & 0x1F;
    return true;
}

} // namespace morvik_sim
