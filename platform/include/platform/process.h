// How a run of the tool ends, and the process result each platform gives it.
#pragma once

namespace platform {

enum class outcome {
    report_written,     // the report reached standard output
    not_this_processor, // the refusal line: the tool does not apply here
    no_report,          // unknown feedback divider, or the report was lost
};

// The value for main to return, in the platform's own convention.
int process_result(outcome how);

} // namespace platform
