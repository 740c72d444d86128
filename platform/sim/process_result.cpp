// The simulated board's processes end as Linux programs do: 0 for success and
// EXIT_FAILURE for the rest. 2 is kept for the board's own bad settings.
#include <cstdlib>

#include "platform/process.h"

int platform::process_result(outcome how)
{
    return how == outcome::report_written ? EXIT_SUCCESS : EXIT_FAILURE;
}
