// Runs the real baseclock executable on a simulated board set up through the
// environment, and collects what it wrote, how it ended and its trace.
#pragma once

#include <string>
#include <vector>

enum class stdout_to { file, dev_full, closed };

struct run_result {
    int exit_status = -1; // -1 if it died by a signal
    int signal = 0;
    std::string out;
    std::string err;
    std::vector<std::string> trace;
};

// executable: a build of the tool for the simulated board. settings:
// "NAME=value" entries added to the environment. Unless they name
// MORVIK_SIM_TRACE themselves, the trace goes to a temporary file.
run_result run_baseclock(const char *executable, const std::vector<std::string> &settings,
                         stdout_to out_mode = stdout_to::file);
