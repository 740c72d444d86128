#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "run_baseclock.h"

namespace {

using lines = std::vector<std::string>;

// One build of the tool, with what its platform traces for the processor
// query and the process results it gives.
struct leg {
    const char *name;
    const char *executable;
    const char *query;
    int report_written, not_this_processor, no_report;
};

const leg legs[] = {
    {"board", BASECLOCK_PATH, "GetCPUInfoTags", 0, 1, 1},
#ifdef BASECLOCK_AMIGAOS_STANDIN_PATH
    // Shell return codes: RETURN_OK, RETURN_WARN, RETURN_ERROR.
    {"amigaos_standin", BASECLOCK_AMIGAOS_STANDIN_PATH, "GetCPUInfo 0x80000003 0x80000008", 0, 5,
     10},
#endif
};

void PrintTo(const leg &l, std::ostream *out)
{
    *out << l.name;
}

// Every case runs on every leg.
class on_every_leg : public testing::TestWithParam<leg> {
  protected:
    run_result run(const lines &settings, stdout_to mode = stdout_to::file) const
    {
        return run_baseclock(GetParam().executable, settings, mode);
    }
};

std::string leg_name(const testing::TestParamInfo<leg> &info)
{
    return info.param.name;
}

const char *const refusal = "Not running on a Morvik... exit\n";
const char *const unknown_divider = "Unknown PLL feedback divider... exit\n";

std::string report(const std::string &mhz)
{
    return "\nMorvik base clock: " + mhz + " Mhz\nUse the following file: updater" + mhz +
           "_2015r.iso\n\n";
}

bool is_output_call(const std::string &line)
{
    return line == "putchar" || line == "printf" || line == "puts" || line == "flush_stdout" ||
           line == "puts_stderr";
}

bool is_dcr_access(const std::string &line)
{
    return line.rfind("mtdcr ", 0) == 0 || line.rfind("mfdcr ", 0) == 0;
}

// What must hold on every path: the DCRs are reached only inside one
// supervisor bracket, the address write is followed at once by the data read,
// and nothing is written before the bracket is closed.
void expect_sound_order(const lines &trace, const std::string &query)
{
    const auto super = std::find(trace.begin(), trace.end(), "SuperState");
    const auto user = std::find(trace.begin(), trace.end(), "UserState");
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "SuperState"), super != trace.end());
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "UserState"), user != trace.end());
    EXPECT_EQ(super == trace.end(), user == trace.end());
    for (auto it = trace.begin(); it != trace.end(); ++it) {
        const std::string &line = *it;
        ASSERT_TRUE(line == query || line == "SuperState" || line == "UserState" ||
                    is_dcr_access(line) || is_output_call(line))
            << "unexpected trace line: " << line;
        if (is_dcr_access(line)) {
            EXPECT_TRUE(super < it && it < user) << line << " outside supervisor state";
        }
        if (line.rfind("mtdcr ", 0) == 0) {
            ASSERT_NE(it + 1, trace.end());
            EXPECT_EQ((it + 1)->rfind("mfdcr ", 0), 0u) << "mtdcr not followed by mfdcr";
        }
        if (is_output_call(line) && super != trace.end()) {
            EXPECT_TRUE(user < it) << line << " before UserState";
        }
    }
}

class Report : public on_every_leg {};
class Refusal : public on_every_leg {};
class UnknownDivider : public on_every_leg {};
class OutputFailure : public on_every_leg {};
class BoardSettings : public on_every_leg {};

TEST_P(Report, DefaultBoard)
{
    const run_result r = run({});
    EXPECT_EQ(r.out,
              "\nMorvik base clock: 50 Mhz\nUse the following file: updater50_2015r.iso\n\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.exit_status, GetParam().report_written);
    EXPECT_EQ(r.trace, (lines{GetParam().query, "SuperState", "mtdcr 0x00e 0x00000020",
                              "mfdcr 0x00f 0x00005d00", "UserState", "putchar", "printf", "printf",
                              "flush_stdout"}));
}

struct report_case {
    const char *what;
    lines settings;
    const char *mhz;
};

TEST_P(Report, BaseClockFromEveryKindOfBoard)
{
    const report_case cases[] = {
        {"hex settings",
         {"MORVIK_SIM_MODEL=0x13", "MORVIK_SIM_CLOCK_HZ=0x448B9B80", "MORVIK_SIM_PLL_WORD=0x5d00"},
         "50"},
        {"truncated, not rounded: 66.6",
         {"MORVIK_SIM_CLOCK_HZ=1000000000", "MORVIK_SIM_PLL_WORD=0x00001900"},
         "66"},
        {"forward divider 3 multiplies",
         {"MORVIK_SIM_CLOCK_HZ=1000000000", "MORVIK_SIM_PLL_WORD=0x000019F0"},
         "200"},
        {"padded below 10; 5.99 MHz truncated",
         {"MORVIK_SIM_CLOCK_HZ=5990000", "MORVIK_SIM_PLL_WORD=0"},
         " 5"},
        {"clock below 100 kHz", {"MORVIK_SIM_CLOCK_HZ=99999"}, " 0"},
        {"four digits, no padding", {"MORVIK_SIM_PLL_WORD=0"}, "1150"},
        {"bits outside the divider fields ignored", {"MORVIK_SIM_PLL_WORD=0xFFFF5D0F"}, "50"},
        {"clock in 100 kHz units cut to 32 bits", {"MORVIK_SIM_CLOCK_HZ=429497879600000"}, "50"},
        {"largest clock", {"MORVIK_SIM_CLOCK_HZ=18446744073709551615"}, "12566700"},
        // 300000000 units times forward divider 16 wraps before the division
        // by 23; done in 64 bits it would give 20869565.
        {"product cut to 32 bits before the division",
         {"MORVIK_SIM_CLOCK_HZ=30000000000000", "MORVIK_SIM_PLL_WORD=0x00005D60"},
         "2195794"},
        {"clock left unanswered starts at 0", {"MORVIK_SIM_CLOCK_HZ=none"}, " 0"},
    };
    for (const report_case &c : cases) {
        SCOPED_TRACE(c.what);
        const run_result r = run(c.settings);
        EXPECT_EQ(r.out, report(c.mhz));
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.exit_status, GetParam().report_written);
        expect_sound_order(r.trace, GetParam().query);
    }
}

TEST_P(Refusal, AnyOtherProcessor)
{
    for (const char *model : {"18", "0", "20", "275", "4294967295", "none"}) {
        SCOPED_TRACE(model);
        const run_result r = run({std::string("MORVIK_SIM_MODEL=") + model});
        EXPECT_EQ(r.out, refusal);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.exit_status, GetParam().not_this_processor);
        EXPECT_EQ(r.trace, (lines{GetParam().query, "puts"}));
    }
}

TEST_P(Refusal, QueryThatAnswersNothing)
{
    const run_result r = run({"MORVIK_SIM_MODEL=none", "MORVIK_SIM_CLOCK_HZ=none"});
    EXPECT_EQ(r.out, refusal);
    EXPECT_EQ(r.exit_status, GetParam().not_this_processor);
}

TEST_P(UnknownDivider, FeedbackCode0x80StopsWithoutDividing)
{
    for (const char *word : {"0x00008000", "0xFFFF80FF"}) {
        SCOPED_TRACE(word);
        const run_result r = run({std::string("MORVIK_SIM_PLL_WORD=") + word});
        EXPECT_EQ(r.out, unknown_divider);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.exit_status, GetParam().no_report);
        ASSERT_EQ(r.trace.size(), 6u);
        EXPECT_EQ(r.trace[4], "UserState");
        EXPECT_EQ(r.trace[5], "puts");
        expect_sound_order(r.trace, GetParam().query);
    }
}

TEST_P(OutputFailure, LostReportIsAFailure)
{
    for (stdout_to mode : {stdout_to::dev_full, stdout_to::closed}) {
        SCOPED_TRACE(mode == stdout_to::closed ? "stdout closed" : "stdout full");
        const run_result r = run({}, mode);
        EXPECT_EQ(r.exit_status, GetParam().no_report);
        EXPECT_EQ(r.err, "baseclock: could not write to standard output\n");
        expect_sound_order(r.trace, GetParam().query); // and none of the report went into the trace
        EXPECT_EQ(r.trace.back(), "puts_stderr");
    }
}

struct bad_setting {
    const char *name;
    const char *value;
};

TEST_P(BoardSettings, BadValueStopsBeforeTheTool)
{
    const bad_setting cases[] = {
        {"MORVIK_SIM_MODEL", "abc"},
        {"MORVIK_SIM_MODEL", ""},
        {"MORVIK_SIM_MODEL", "19x"},
        {"MORVIK_SIM_MODEL", " 19"},
        {"MORVIK_SIM_MODEL", "+19"},
        {"MORVIK_SIM_MODEL", "-1"},
        {"MORVIK_SIM_MODEL", "0x"},
        {"MORVIK_SIM_MODEL", "4294967296"},
        {"MORVIK_SIM_CLOCK_HZ", "1.15e9"},
        {"MORVIK_SIM_CLOCK_HZ", "NONE"},
        {"MORVIK_SIM_CLOCK_HZ", "18446744073709551616"},
        {"MORVIK_SIM_CLOCK_HZ", "0x10000000000000000"},
        {"MORVIK_SIM_PLL_WORD", "none"},
        {"MORVIK_SIM_PLL_WORD", "5d00"},
        {"MORVIK_SIM_PLL_WORD", "0x100000000"},
        {"MORVIK_SIM_TRACE", ""},
        {"MORVIK_SIM_TRACE", "/nonexistent/baseclock/trace"},
    };
    for (const bad_setting &c : cases) {
        const std::string setting = std::string(c.name) + "=" + c.value;
        SCOPED_TRACE(setting);
        const run_result r = run({setting});
        EXPECT_EQ(r.exit_status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(std::string(c.name) + "=\"" + c.value + "\""), std::string::npos)
            << r.err;
        EXPECT_EQ(r.trace, lines{});
    }
}

INSTANTIATE_TEST_SUITE_P(, Report, testing::ValuesIn(legs), leg_name);
INSTANTIATE_TEST_SUITE_P(, Refusal, testing::ValuesIn(legs), leg_name);
INSTANTIATE_TEST_SUITE_P(, UnknownDivider, testing::ValuesIn(legs), leg_name);
INSTANTIATE_TEST_SUITE_P(, OutputFailure, testing::ValuesIn(legs), leg_name);
INSTANTIATE_TEST_SUITE_P(, BoardSettings, testing::ValuesIn(legs), leg_name);

} // namespace
