// On AmigaOS the console is newlib's standard streams as they are; nothing
// watches the calls.
#include "stdio_console.h"

void platform::console_called(const char *) {}
