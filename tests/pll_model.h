// The dividers that each hardware code stands for, worked out without the
// tool's tables: the forward codes from the processor's code list read by
// code, the feedback codes by stepping the PLL's feedback counter.
#pragma once

#include <cstdint>

struct pll_model {
    std::uint32_t fwdv_for_code[16];
    std::uint32_t fbdv_for_code[256]; // 0 where a code has no divider
};

inline pll_model make_pll_model()
{
    pll_model model = {{1, 2, 14, 9, 4, 11, 16, 13, 12, 5, 6, 15, 10, 7, 8, 3}, {}};
    model.fbdv_for_code[0x00] = 1;
    unsigned code = 0xFF;
    for (std::uint32_t divider = 2; divider <= 255; ++divider) {
        model.fbdv_for_code[code] = divider;
        code = ((code << 1) & 0x7E) | ((code ^ (code >> 6)) & 1) | (~code & 0x80);
    }
    return model;
}
