// On the 460EX core under Linux, mtdcr and mfdcr are real instructions that
// user mode refuses with SIGILL. The board catches that signal and carries
// the access out on its simulated DCR bus, as long as the program is in the
// simulated supervisor state. Anything else it refuses, so the program dies
// by SIGILL as a privileged instruction would make it in user state.
#include <csignal>
#include <cstdint>
#include <ucontext.h>

#include "board.h"
#include "dcr_instruction.h"
#include "morvik_sim.h"

namespace morvik_sim {
namespace {

constexpr int pc_slot = 32; // the saved NIP follows the 32 general registers

void die_by_sigill()
{
    // Returning re-runs the instruction, which now meets the default action.
    std::signal(SIGILL, SIG_DFL);
}

// The signal is raised by the instruction itself, inside get_sys_info, so the
// board's ordinary code (and the trace's stdio) is safe to run from here.
void on_sigill(int, siginfo_t *, void *context)
{
    unsigned long *regs = static_cast<ucontext_t *>(context)->uc_mcontext.uc_regs->gregs;
    const auto *pc = reinterpret_cast<const std::uint32_t *>(regs[pc_slot]);

    dcr_instruction insn;
    if (!decode_dcr_instruction(*pc, &insn))
        return die_by_sigill();
    if (!the_board.supervisor) {
        report_privileged_fault(insn.is_write ? "mtdcr" : "mfdcr", insn.dcrn);
        return die_by_sigill();
    }
    if (insn.is_write)
        dcr_write(insn.dcrn, static_cast<std::uint32_t>(regs[insn.gpr]));
    else
        regs[insn.gpr] = dcr_read(insn.dcrn);
    regs[pc_slot] += 4;
}

__attribute__((constructor)) void install_dcr_trap()
{
    struct sigaction action = {};
    action.sa_sigaction = on_sigill;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    if (sigaction(SIGILL, &action, nullptr) != 0)
        fatal("cannot catch SIGILL to serve the DCR instructions");
}

} // namespace
} // namespace morvik_sim
