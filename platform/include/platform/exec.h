// The exec interface of the operating system, as far as the tool uses it.
#pragma once

#include <cstdint>

namespace platform {

using Tag = std::uint32_t;

constexpr Tag TAG_DONE = 0;
constexpr Tag GCIT_Model = 0x80000003;          // data: std::uint32_t *
constexpr Tag GCIT_ProcessorSpeed = 0x80000008; // data: std::uint64_t *, in Hz

constexpr std::uint32_t CPUTYPE_PPC460EX = 19;

struct ExecIFace {
    // Takes (tag, data pointer) pairs ended by TAG_DONE and writes the asked
    // processor facts through the pointers; a fact it cannot tell is left unwritten.
    void (*GetCPUInfoTags)(Tag tag, ...);
    // Enters supervisor state; the token goes back to UserState.
    void *(*SuperState)();
    void (*UserState)(void *token);
};

extern const ExecIFace *const IExec;

} // namespace platform
