// Decoding of the 460EX's mtdcr and mfdcr instructions, for a board that
// carries them out on the processor's behalf.
#pragma once

#include <cstdint>

namespace morvik_sim {

struct dcr_instruction {
    bool is_write; // mtdcr; else mfdcr
    unsigned dcrn; // 0..1023
    unsigned gpr;  // source register of mtdcr, target register of mfdcr
};

// False for any instruction that is neither mtdcr nor mfdcr.
bool decode_dcr_instruction(std::uint32_t word, dcr_instruction *out);

} // namespace morvik_sim
