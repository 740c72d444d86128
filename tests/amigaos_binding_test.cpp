// The AmigaOS binding against the stand-in SDK, whose exec is the simulated
// board: exec's SuperState answers 0 to a caller already in supervisor state.
#include <gtest/gtest.h>

#include "morvik_sim.h"
#include "platform/exec.h"
#include "sys_info.h"

#include <proto/exec.h>

namespace {

TEST(AmigaOSBinding, SupervisorBracketLeavesTheStateAsItFoundIt)
{
    for (const bool started_in_supervisor : {false, true}) {
        SCOPED_TRACE(started_in_supervisor ? "from supervisor state" : "from user state");
        morvik_sim::set_supervisor_state(started_in_supervisor);
        morvik_sim::set_pll_word(0x00005D00);
        pll_dividers dividers = {};
        void *token = platform::IExec->SuperState();
        ASSERT_TRUE(morvik_sim::in_supervisor_state());
        get_sys_info(&dividers);
        platform::IExec->UserState(token);
        EXPECT_EQ(morvik_sim::in_supervisor_state(), started_in_supervisor);
        EXPECT_EQ(dividers.fbdv, 23u);
    }
    morvik_sim::set_supervisor_state(false);
}

// What catches a binding that hands exec's 0 back to UserState.
TEST(AmigaOSBindingDeathTest, StandInExecRefusesUserStateOfZero)
{
    morvik_sim::set_supervisor_state(true);
    EXPECT_DEATH(::IExec->UserState(nullptr), "UserState\\(0\\)");
    morvik_sim::set_supervisor_state(false);
}

} // namespace
