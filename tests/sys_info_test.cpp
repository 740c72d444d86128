#include "sys_info.h"

#include <csignal>
#include <gtest/gtest.h>

#include "morvik_sim.h"
#include "platform/dcr.h"
#include "platform/exec.h"
#include "pll_model.h"

namespace {

using platform::IExec;

// Reads the dividers the way the tool does: inside the supervisor bracket,
// into a record whose old contents must not survive.
pll_dividers read_dividers(std::uint32_t pll_word)
{
    morvik_sim::set_pll_word(pll_word);
    pll_dividers dividers = {0xDEADBEEF, 0xDEADBEEF};
    void *token = IExec->SuperState();
    get_sys_info(&dividers);
    IExec->UserState(token);
    return dividers;
}

TEST(SysInfo, DecodesTheDividerFields)
{
    struct {
        std::uint32_t word, fwdv, fbdv;
    } const cases[] = {
        {0x00005D00, 1, 23}, {0x00001900, 1, 15}, {0x000000F0, 3, 1},
        {0x000019F0, 3, 15}, {0x00008000, 1, 0}, // feedback code 0x80 has no divider
        {0xFFFF80FF, 3, 0},  {0xFFFF000F, 1, 1}, // bits 0-3 and 16-31 are not divider bits
        {0x00000000, 1, 1},
    };
    for (const auto &c : cases) {
        const pll_dividers d = read_dividers(c.word);
        EXPECT_EQ(d.fwdv, c.fwdv) << "word 0x" << std::hex << c.word;
        EXPECT_EQ(d.fbdv, c.fbdv) << "word 0x" << std::hex << c.word;
    }
}

TEST(SysInfo, EveryCodePairAgreesWithTheHardware)
{
    const pll_model model = make_pll_model();
    std::uint32_t noise = 0x2545F491; // varies the bits that must be ignored
    for (std::uint32_t fwd = 0; fwd < 16; ++fwd) {
        for (std::uint32_t fb = 0; fb < 256; ++fb) {
            noise = noise * 1664525 + 1013904223;
            const std::uint32_t word = (noise & 0xFFFF000F) | fb << 8 | fwd << 4;
            const pll_dividers d = read_dividers(word);
            ASSERT_EQ(d.fwdv, model.fwdv_for_code[fwd]) << "word 0x" << std::hex << word;
            ASSERT_EQ(d.fbdv, model.fbdv_for_code[fb]) << "word 0x" << std::hex << word;
        }
    }
}

// On the host board the bus aborts; on the 460EX core the processor refuses
// the instruction with SIGILL.
TEST(SysInfoDeathTest, DcrAccessInUserStateStopsTheProgram)
{
    pll_dividers dividers;
    EXPECT_EXIT(get_sys_info(&dividers), testing::KilledBySignal(PRIVILEGED_FAULT_SIGNAL),
                "mtdcr 0x00e outside supervisor state");
    EXPECT_EXIT(platform::mfdcr<0x00F>(), testing::KilledBySignal(PRIVILEGED_FAULT_SIGNAL),
                "mfdcr 0x00f outside supervisor state");
}

#if defined(__powerpc__)
// The board serves only the DCR instructions; another privileged one is
// refused even in supervisor state.
TEST(SysInfoDeathTest, OtherPrivilegedInstructionIsNotServed)
{
    auto read_msr = [] {
        void *token = IExec->SuperState();
        unsigned long msr;
        asm volatile("mfmsr %0" : "=r"(msr));
        IExec->UserState(token);
    };
    EXPECT_EXIT(read_msr(), testing::KilledBySignal(SIGILL), "");
}
#endif

TEST(SimulatedBus, OnlyRegister0x20HoldsThePllWord)
{
    morvik_sim::set_pll_word(0x00005D00);
    void *token = IExec->SuperState();
    platform::mtdcr<0x00E>(0x21);
    const std::uint32_t other_register = platform::mfdcr<0x00F>();
    platform::mtdcr<0x00E>(0x20);
    const std::uint32_t other_dcr = platform::mfdcr<0x00D>();
    const std::uint32_t pll_word = platform::mfdcr<0x00F>();
    IExec->UserState(token);

    EXPECT_EQ(other_register, 0u);
    EXPECT_EQ(other_dcr, 0u);
    EXPECT_EQ(pll_word, 0x00005D00u);
}

} // namespace
