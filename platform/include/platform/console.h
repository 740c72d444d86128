// Console output through the C library of the platform.
#pragma once

namespace platform {

// Standard output, as the C library's functions of the same names write it.
int printf(const char *format, ...) __attribute__((format(printf, 1, 2)));
int puts(const char *text);
int putchar(int c);

// Pushes out what is buffered for standard output. Nonzero if anything that
// was written to it has been lost.
int flush_stdout();

// One line to standard error, for the tool's own diagnostics.
int puts_stderr(const char *text);

} // namespace platform
