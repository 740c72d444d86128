// baseclock: prints the base clock of a Morvik board and the updater image
// that suits it, worked back from the processor clock through the PLL.
#include <cstdint>

#include "platform/console.h"
#include "platform/exec.h"
#include "platform/process.h"
#include "sys_info.h"

using platform::CPUTYPE_PPC460EX;
using platform::GCIT_Model;
using platform::GCIT_ProcessorSpeed;
using platform::IExec;
using platform::outcome;
using platform::process_result;
using platform::TAG_DONE;

// Found in the executable by AmigaOS's Version command.
static const char version[] __attribute__((used)) = "$VER: baseclock 1.0 (11.12.2026)";

int main()
{
    std::uint32_t model = 0;
    std::uint64_t speed = 0; // Hz
    IExec->GetCPUInfoTags(GCIT_Model, &model, GCIT_ProcessorSpeed, &speed, TAG_DONE);

    if (model != CPUTYPE_PPC460EX) {
        platform::puts("Not running on a Morvik... exit");
        return process_result(outcome::not_this_processor);
    }

    // Clocks are in units of 100 kHz; every division truncates.
    pll_dividers dividers;
    void *const token = IExec->SuperState();
    get_sys_info(&dividers);
    const auto speed_units = static_cast<std::uint32_t>(speed / 100000);
    const std::uint32_t base = dividers.fbdv ? dividers.fwdv * speed_units / dividers.fbdv : 0;
    IExec->UserState(token);

    if (dividers.fbdv == 0) {
        platform::puts("Unknown PLL feedback divider... exit");
        return process_result(outcome::no_report);
    }

    const auto mhz = static_cast<int>(base / 10); // at most 429496729
    platform::putchar('\n');
    platform::printf("Morvik base clock: %2d Mhz\n", mhz);
    platform::printf("Use the following file: updater%2d_2015r.iso\n\n", mhz);

    if (platform::flush_stdout() != 0) {
        platform::puts_stderr("baseclock: could not write to standard output");
        return process_result(outcome::no_report);
    }
    return process_result(outcome::report_written);
}
