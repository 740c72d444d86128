// The console as the C library's standard streams. Each platform that uses it
// is told of every call, so a simulation can trace them.
#pragma once

namespace platform {

// name: the console call being made, as it is named in platform/console.h.
void console_called(const char *name);

} // namespace platform
