// Powers the simulated board up from the environment before main runs.
#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <system_error>

#include "board.h"
#include "morvik_sim.h"

namespace morvik_sim {

board the_board = {true, 19, true, 1150000000, 0x00005D00, 0, false, nullptr};

void set_pll_word(std::uint32_t word)
{
    the_board.pll_word = word;
}

void set_supervisor_state(bool supervisor)
{
    the_board.supervisor = supervisor;
}

bool in_supervisor_state()
{
    return the_board.supervisor;
}

namespace {

// Stands for the user stack that SuperState hands back as its token.
char user_stack;

} // namespace

void *enter_supervisor_state()
{
    the_board.supervisor = true;
    return &user_stack;
}

void leave_supervisor_state(const void *token)
{
    if (!the_board.supervisor)
        fatal("UserState called in user state");
    if (token != &user_stack)
        fatal("UserState given a token that SuperState did not return");
    the_board.supervisor = false;
}

void trace(const char *format, ...)
{
    if (!the_board.trace)
        return;
    std::va_list args;
    va_start(args, format);
    std::vfprintf(the_board.trace, format, args);
    va_end(args);
    std::fputc('\n', the_board.trace);
    std::fflush(the_board.trace);
}

void fatal(const char *format, ...)
{
    std::fputs("simulated board: ", stderr);
    std::va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

namespace {

[[noreturn]] void bad_setting(const char *name, const char *value, const char *why)
{
    std::fprintf(stderr, "simulated board: %s=\"%s\": %s\n", name, value, why);
    std::_Exit(2);
}

// Decimal or 0x hexadecimal, the whole text, within the range of T.
template <typename T> void parse(const char *name, const char *text, const char *type, T *out)
{
    std::string_view digits = text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    const char *end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, *out, base);
    if (error == std::errc::result_out_of_range) {
        char why[64];
        std::snprintf(why, sizeof why, "out of range for %s", type);
        bad_setting(name, text, why);
    }
    if (digits.empty() || error != std::errc() || stop != end)
        bad_setting(name, text, "not a number (decimal or 0x hexadecimal)");
}

// Reads one setting into *out, leaving the default when it is unset. False when it is
// "none" (where allowed): the query is to leave that value unanswered.
template <typename T> bool setting(const char *name, const char *type, bool none_allowed, T *out)
{
    const char *text = std::getenv(name);
    if (!text)
        return true;
    if (none_allowed && std::strcmp(text, "none") == 0)
        return false;
    parse(name, text, type, out);
    return true;
}

void open_trace()
{
    const char *path = std::getenv("MORVIK_SIM_TRACE");
    if (!path)
        return;
    if (*path == '\0')
        bad_setting("MORVIK_SIM_TRACE", path, "empty");
    std::FILE *file = std::fopen(path, "we");
    if (!file)
        bad_setting("MORVIK_SIM_TRACE", path, std::strerror(errno));
    // With standard output or error closed, the trace would take over that
    // descriptor and the tool's output would land in it: move it out of the way.
    const int fd = fileno(file);
    if (fd <= 2) {
        const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
        std::fclose(file);
        file = moved < 0 ? nullptr : fdopen(moved, "w");
        if (!file)
            bad_setting("MORVIK_SIM_TRACE", path, std::strerror(errno));
    }
    the_board.trace = file;
}

__attribute__((constructor)) void power_up()
{
    board &b = the_board;
    b.model_answered = setting("MORVIK_SIM_MODEL", "an unsigned 32-bit value", true, &b.model);
    b.clock_answered =
        setting("MORVIK_SIM_CLOCK_HZ", "an unsigned 64-bit value", true, &b.clock_hz);
    setting("MORVIK_SIM_PLL_WORD", "an unsigned 32-bit value", false, &b.pll_word);
    open_trace();
}

} // namespace
} // namespace morvik_sim
