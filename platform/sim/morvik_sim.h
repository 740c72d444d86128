// The simulated board's side of the DCR bus, and its control from tests that
// run in the same process.
#pragma once

#include <cstdint>

namespace morvik_sim {

// One mtdcr or mfdcr as the processor would carry it out. Outside supervisor
// state the simulated processor refuses it and the program stops.
void dcr_write(unsigned dcrn, std::uint32_t value);
std::uint32_t dcr_read(unsigned dcrn);

// What indirect register 0x20 holds from now on.
void set_pll_word(std::uint32_t word);

// The processor's state, as a test that runs in the same process sets it up
// and finds it.
void set_supervisor_state(bool supervisor);
bool in_supervisor_state();

} // namespace morvik_sim
