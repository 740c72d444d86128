// The platform boundary on AmigaOS 4: the exec calls go to the real exec
// interface, the console to newlib's standard streams.
#include <cstdarg>
#include <cstddef>

// Before the SDK, whose TAG_DONE is a macro: from here on it is the SDK's.
#include "platform/exec.h"
#include "stdio_console.h"

#include <proto/exec.h>
#include <utility/tagitem.h>

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

void user_state(void *token)
{
    IExec->UserState(token);
}

constexpr platform::ExecIFace exec_iface = {get_cpu_info_tags, super_state, user_state};

} // namespace

const platform::ExecIFace *const platform::IExec = &exec_iface;

void platform::console_called(const char *) {}
