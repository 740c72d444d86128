#include "pll_decode.h"

#include <gtest/gtest.h>

#include "pll_model.h"

namespace {

struct lookup_case {
    std::uint32_t code;
    std::uint32_t divider;
};

TEST(PllDecode, ForwardCodes)
{
    const lookup_case cases[] = {
        {0x0, 1},
        {0x1, 2},
        {0xF, 3},
        {0x2, 14},
        {0x6, 16},
        // Wider than the 4-bit field: no divider, even with a valid low nibble.
        {0x10, 0},
        {0x11, 0},
        {0xFFFFFFFF, 0},
    };
    for (const lookup_case &c : cases)
        EXPECT_EQ(get_cpr0_fwdv(c.code), c.divider) << "code 0x" << std::hex << c.code;
}

TEST(PllDecode, FeedbackCodes)
{
    const lookup_case cases[] = {
        {0x00, 1},  {0xFF, 2},   {0x7E, 3},       {0x19, 15},
        {0x5D, 23}, {0x3F, 255}, {0x80, 0}, // the one 8-bit code without a divider
        {0x100, 0}, {0x15D, 0},  {0xFFFFFFFF, 0},
    };
    for (const lookup_case &c : cases)
        EXPECT_EQ(get_cpr0_fbdv(c.code), c.divider) << "code 0x" << std::hex << c.code;
}

TEST(PllDecode, EveryCodeAgreesWithTheHardware)
{
    const pll_model model = make_pll_model();
    for (std::uint32_t code = 0; code < 16; ++code)
        EXPECT_EQ(get_cpr0_fwdv(code), model.fwdv_for_code[code]) << "forward code " << code;
    for (std::uint32_t code = 0; code < 256; ++code)
        EXPECT_EQ(get_cpr0_fbdv(code), model.fbdv_for_code[code]) << "feedback code " << code;
}

} // namespace
