// Console output of the simulated board: the host's standard streams.
#include <cstdarg>
#include <cstdio>

#include "board.h"
#include "platform/console.h"

using morvik_sim::trace;

int platform::printf(const char *format, ...)
{
    trace("printf");
    std::va_list args;
    va_start(args, format);
    const int written = std::vprintf(format, args);
    va_end(args);
    return written;
}

int platform::puts(const char *text)
{
    trace("puts");
    return std::puts(text);
}

int platform::putchar(int c)
{
    trace("putchar");
    return std::putchar(c);
}

int platform::flush_stdout()
{
    trace("flush_stdout");
    // The error flag also catches a write that failed before this flush.
    return std::fflush(stdout) != 0 || std::ferror(stdout) ? EOF : 0;
}

int platform::puts_stderr(const char *text)
{
    trace("puts_stderr");
    if (std::fputs(text, stderr) == EOF)
        return EOF;
    return std::fputc('\n', stderr) == EOF ? EOF : 0;
}
