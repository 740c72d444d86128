// The SDK's exec interface, served by the simulated board: the same settings,
// DCR bus and trace as the board's own exec, with exec's calling contract.
#include <cstddef>
#include <cstdio>

#include <exec/exectags.h>
#include <proto/exec.h>

#include "board.h"

namespace morvik_sim {
namespace {

// Traced as the call it is, with the tags of the list in order.
void get_cpu_info(struct TagItem *tags)
{
    char line[160] = "GetCPUInfo";
    std::size_t used = sizeof "GetCPUInfo" - 1;
    for (struct TagItem *item = tags; item->ti_Tag != TAG_DONE; ++item) {
        if (used < sizeof line)
            used += static_cast<std::size_t>(
                std::snprintf(line + used, sizeof line - used, " 0x%08x", item->ti_Tag));
        if (item->ti_Tag == GCIT_Model && the_board.model_answered)
            *reinterpret_cast<uint32 *>(item->ti_Data) = the_board.model;
        else if (item->ti_Tag == GCIT_ProcessorSpeed && the_board.clock_answered)
            *reinterpret_cast<uint64 *>(item->ti_Data) = the_board.clock_hz;
    }
    trace("%s", line);
}

// Exec answers 0 to a caller already in supervisor state.
APTR super_state()
{
    trace("SuperState");
    if (the_board.supervisor)
        return nullptr;
    return enter_supervisor_state();
}

void user_state(APTR token)
{
    trace("UserState");
    if (!token)
        fatal("UserState(0): would switch to a null stack");
    leave_supervisor_state(token);
}

struct ExecIFace exec_iface = {get_cpu_info, super_state, user_state};

} // namespace
} // namespace morvik_sim

struct ExecIFace *IExec = &morvik_sim::exec_iface;
