// The simulated Morvik board: the state that the operating system and the
// processor would hold, shared by the pieces of the simulation.
#pragma once

#include <cstdint>
#include <cstdio>

namespace morvik_sim {

struct board {
    bool model_answered;
    std::uint32_t model;
    bool clock_answered;
    std::uint64_t clock_hz;
    std::uint32_t pll_word; // indirect register 0x20
    std::uint32_t selected_indirect;
    bool supervisor;
    std::FILE *trace; // null when no trace was asked for
};

extern board the_board;

// The processor's switch between user and supervisor state, as an exec makes
// it. Entering answers the token that stands for the user stack; leaving
// takes that token back and is fatal in user state or with any other token.
void *enter_supervisor_state();
void leave_supervisor_state(const void *token);

// One line to the trace, written through at once so that it survives an abort.
void trace(const char *format, ...) __attribute__((format(printf, 1, 2)));

// The line the board writes when a privileged DCR instruction runs in user
// state; what follows is the processor's fault.
void report_privileged_fault(const char *instruction, unsigned dcrn);

// A fault of the kind that stops a program on the real machine.
[[noreturn]] void fatal(const char *format, ...) __attribute__((format(printf, 1, 2)));

} // namespace morvik_sim
