// The 460EX's DCR bus as the simulated board has it. DCR 0x00E selects a
// register of the indirect file and DCR 0x00F reads it; register 0x20 is the
// PLL configuration word, every other register and DCR reads 0.
#include <cstdlib>

#include "board.h"
#include "morvik_sim.h"

namespace morvik_sim {
namespace {

constexpr unsigned dcr_cfgaddr = 0x00E;
constexpr unsigned dcr_cfgdata = 0x00F;
constexpr std::uint32_t pll_config_reg = 0x20;

// mtdcr and mfdcr are privileged: in user state the processor refuses them.
void require_supervisor(const char *instruction, unsigned dcrn)
{
    if (!the_board.supervisor) {
        report_privileged_fault(instruction, dcrn);
        std::abort();
    }
}

} // namespace

void report_privileged_fault(const char *instruction, unsigned dcrn)
{
    std::fprintf(stderr,
                 "simulated board: %s 0x%03x outside supervisor state: privileged instruction\n",
                 instruction, dcrn);
}

void dcr_write(unsigned dcrn, std::uint32_t value)
{
    require_supervisor("mtdcr", dcrn);
    trace("mtdcr 0x%03x 0x%08x", dcrn, static_cast<unsigned>(value));
    if (dcrn == dcr_cfgaddr)
        the_board.selected_indirect = value;
}

std::uint32_t dcr_read(unsigned dcrn)
{
    require_supervisor("mfdcr", dcrn);
    std::uint32_t value = 0;
    if (dcrn == dcr_cfgdata && the_board.selected_indirect == pll_config_reg)
        value = the_board.pll_word;
    trace("mfdcr 0x%03x 0x%08x", dcrn, static_cast<unsigned>(value));
    return value;
}

} // namespace morvik_sim
