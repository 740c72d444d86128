// The exec interface of the simulated board's operating system.
#include <cstdarg>

#include "board.h"
#include "platform/exec.h"

namespace morvik_sim {
namespace {

using platform::Tag;

void get_cpu_info_tags(Tag tag, ...)
{
    trace("GetCPUInfoTags");
    std::va_list pairs;
    va_start(pairs, tag);
    for (; tag != platform::TAG_DONE; tag = va_arg(pairs, Tag)) {
        void *data = va_arg(pairs, void *);
        if (tag == platform::GCIT_Model && the_board.model_answered)
            *static_cast<std::uint32_t *>(data) = the_board.model;
        else if (tag == platform::GCIT_ProcessorSpeed && the_board.clock_answered)
            *static_cast<std::uint64_t *>(data) = the_board.clock_hz;
    }
    va_end(pairs);
}

void *super_state()
{
    trace("SuperState");
    if (the_board.supervisor)
        fatal("SuperState called in supervisor state");
    return enter_supervisor_state();
}

void user_state(void *token)
{
    trace("UserState");
    leave_supervisor_state(token);
}

constexpr platform::ExecIFace exec_iface = {get_cpu_info_tags, super_state, user_state};

} // namespace
} // namespace morvik_sim

const platform::ExecIFace *const platform::IExec = &morvik_sim::exec_iface;
