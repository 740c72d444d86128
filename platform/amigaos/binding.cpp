// The platform boundary on AmigaOS 4: the exec calls go to the real exec
// interface, the process result is a Shell return code.
#include <cstdarg>
#include <cstddef>
#include <cstdint>

// Before the SDK, whose TAG_DONE is a macro: from here on it is the SDK's.
#include "platform/exec.h"
#include "platform/process.h"

namespace {

// The tool's own values for exec's tags and processor type, taken while their
// names are still free of the SDK's macros, and checked against the SDK below.
constexpr std::uint32_t tool_model_tag = platform::GCIT_Model;
constexpr std::uint32_t tool_speed_tag = platform::GCIT_ProcessorSpeed;
constexpr std::uint32_t tool_ppc460ex = platform::CPUTYPE_PPC460EX;

} // namespace

#include <dos/dos.h>
#include <exec/exectags.h>
#include <proto/exec.h>
#include <utility/tagitem.h>

static_assert(tool_model_tag == GCIT_Model, "GCIT_Model differs from the SDK's");
static_assert(tool_speed_tag == GCIT_ProcessorSpeed, "GCIT_ProcessorSpeed differs from the SDK's");
static_assert(tool_ppc460ex == CPUTYPE_PPC460EX, "CPUTYPE_PPC460EX differs from the SDK's");

namespace {

// The varargs call is rebuilt as a tag list for exec's GetCPUInfo.
void get_cpu_info_tags(platform::Tag tag, ...)
{
    constexpr std::size_t most_pairs = 8;
    struct TagItem tags[most_pairs + 1];
    std::size_t n = 0;
    std::va_list pairs;
    va_start(pairs, tag);
    for (; tag != TAG_DONE && n < most_pairs; tag = va_arg(pairs, platform::Tag)) {
        tags[n].ti_Tag = tag;
        tags[n].ti_Data = reinterpret_cast<uint32>(va_arg(pairs, void *));
        ++n;
    }
    va_end(pairs);
    tags[n].ti_Tag = TAG_DONE;
    tags[n].ti_Data = 0;
    IExec->GetCPUInfo(tags);
}

void *super_state()
{
    return IExec->SuperState();
}

// SuperState answers 0 to a caller already in supervisor state, which must
// stay there: UserState(0) would switch to a null stack.
void user_state(void *token)
{
    if (token)
        IExec->UserState(token);
}

constexpr platform::ExecIFace exec_iface = {get_cpu_info_tags, super_state, user_state};

} // namespace

const platform::ExecIFace *const platform::IExec = &exec_iface;

// A refusal is a warning, so that a script can test for it with IF WARN
// without stopping at the default FAILAT of 10.
int platform::process_result(outcome how)
{
    switch (how) {
    case outcome::report_written:
        return RETURN_OK;
    case outcome::not_this_processor:
        return RETURN_WARN;
    case outcome::no_report:
        return RETURN_ERROR;
    }
    return RETURN_FAIL;
}
