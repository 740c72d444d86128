#include "dcr_instruction.h"

#include <gtest/gtest.h>

namespace {

TEST(DcrInstruction, DecodesWhatTheAssemblerEncodes)
{
    struct {
        std::uint32_t word;
        bool is_write;
        unsigned dcrn, gpr;
    } const cases[] = {
        {0x7D2E0386, true, 0x00E, 9},   // mtdcr 0x00e, r9
        {0x7C8F0286, false, 0x00F, 4},  // mfdcr r4, 0x00f
        {0x7C1FFB86, true, 0x3FF, 0},   // mtdcr 0x3ff, r0
        {0x7FE0FA86, false, 0x3E0, 31}, // mfdcr r31, 0x3e0
        {0x7FE10B86, true, 0x021, 31},  // mtdcr 0x021, r31
        {0x7C003286, false, 0x0C0, 0},  // mfdcr r0, 0x0c0
    };
    for (const auto &c : cases) {
        morvik_sim::dcr_instruction insn = {};
        ASSERT_TRUE(morvik_sim::decode_dcr_instruction(c.word, &insn)) << std::hex << c.word;
        EXPECT_EQ(insn.is_write, c.is_write) << std::hex << c.word;
        EXPECT_EQ(insn.dcrn, c.dcrn) << std::hex << c.word;
        EXPECT_EQ(insn.gpr, c.gpr) << std::hex << c.word;
    }
}

TEST(DcrInstruction, RefusesEveryOtherInstruction)
{
    const std::uint32_t others[] = {
        0x7D2E03A6, // mtspr 14, r9: same form, other extended opcode
        0x7C8F02A6, // mfspr r4, 15
        0x7C6000A6, // mfmsr r3
        0x7D2E0387, // mtdcr with the reserved low bit set
        0x00000000,
        0x3C600000, // lis r3, 0: other primary opcode
    };
    for (std::uint32_t word : others) {
        morvik_sim::dcr_instruction insn;
        EXPECT_FALSE(morvik_sim::decode_dcr_instruction(word, &insn)) << std::hex << word;
    }
}

} // namespace
