#include "sys_info.h"

#include "platform/dcr.h"
#include "pll_decode.h"

namespace {

// The configuration words sit in an indirect register file behind a pair of
// DCRs: the register number goes to the address DCR, the value comes back
// from the data DCR.
constexpr unsigned dcr_cfgaddr = 0x00E;
constexpr unsigned dcr_cfgdata = 0x00F;
constexpr std::uint32_t pll_config_reg = 0x20;

} // namespace

void get_sys_info(pll_dividers *dividers)
{
    // One address-and-data window: select and read back to back.
    platform::mtdcr<dcr_cfgaddr>(pll_config_reg);
    const std::uint32_t word = platform::mfdcr<dcr_cfgdata>();

    dividers->fwdv = get_cpr0_fwdv((word >> 4) & 0xF);
    dividers->fbdv = get_cpr0_fbdv((word >> 8) & 0xFF);
}
