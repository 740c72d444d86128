// The PLL divider settings of the 460EX, read from its configuration word.
#pragma once

#include <cstdint>

struct pll_dividers {
    std::uint32_t fwdv; // forward divider 1..16, 0 if its code has none
    std::uint32_t fbdv; // feedback divider 1..255, 0 if its code has none
};

// Reads the PLL configuration word and decodes both dividers into *dividers.
// Uses privileged DCR instructions: call it in supervisor state only.
void get_sys_info(pll_dividers *dividers);
