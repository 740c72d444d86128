// The simulated board's console is the host's standard streams; the board
// traces every call made to it.
#include "board.h"
#include "stdio_console.h"

void platform::console_called(const char *name)
{
    morvik_sim::trace("%s", name);
}
