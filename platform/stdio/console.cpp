#include <cstdarg>
#include <cstdio>

#include "platform/console.h"
#include "stdio_console.h"

int platform::printf(const char *format, ...)
{
    console_called("printf");
    std::va_list args;
    va_start(args, format);
    const int written = std::vprintf(format, args);
    va_end(args);
    return written;
}

int platform::puts(const char *text)
{
    console_called("puts");
    return std::puts(text);
}

int platform::putchar(int c)
{
    console_called("putchar");
    return std::putchar(c);
}

int platform::flush_stdout()
{
    console_called("flush_stdout");
    // The error flag also catches a write that failed before this flush.
    return std::fflush(stdout) != 0 || std::ferror(stdout) ? EOF : 0;
}

int platform::puts_stderr(const char *text)
{
    console_called("puts_stderr");
    if (std::fputs(text, stderr) == EOF)
        return EOF;
    return std::fputc('\n', stderr) == EOF ? EOF : 0;
}
