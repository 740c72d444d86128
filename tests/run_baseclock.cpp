#include "run_baseclock.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> split_lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool starts_with(const std::string &text, const char *prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

void check(int result, const char *what)
{
    if (result != 0)
        throw std::runtime_error(std::string(what) + ": " + std::strerror(result));
}

} // namespace

run_result run_baseclock(const char *executable, const std::vector<std::string> &settings,
                         stdout_to out_mode)
{
    const char *tmp = std::getenv("TMPDIR");
    std::string dir = std::string(tmp && *tmp ? tmp : "/tmp") + "/baseclock-e2e-XXXXXX";
    if (!mkdtemp(dir.data()))
        throw std::runtime_error("mkdtemp failed");
    const std::string out_path = dir + "/out", err_path = dir + "/err", trace_path = dir + "/trace";

    // The test's own environment, less any board settings it happens to carry.
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        if (!starts_with(*entry, "MORVIK_SIM_"))
            env.emplace_back(*entry);
    }
    bool traced_elsewhere = false;
    for (const std::string &s : settings) {
        env.push_back(s);
        traced_elsewhere |= starts_with(s, "MORVIK_SIM_TRACE=");
    }
    if (!traced_elsewhere)
        env.push_back("MORVIK_SIM_TRACE=" + trace_path);

    std::vector<std::string> args;
    std::istringstream emulator(BASECLOCK_EMULATOR);
    for (std::string word; std::getline(emulator, word, '|');) {
        if (!word.empty())
            args.push_back(word);
    }
    args.emplace_back(executable);

    std::vector<char *> argv, envp;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (std::string &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    check(posix_spawn_file_actions_init(&actions), "posix_spawn_file_actions_init");
    check(posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0), "addopen");
    switch (out_mode) {
    case stdout_to::file:
        check(posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(),
                                               O_WRONLY | O_CREAT | O_TRUNC, 0600),
              "addopen");
        break;
    case stdout_to::dev_full:
        check(posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0), "addopen");
        break;
    case stdout_to::closed:
        check(posix_spawn_file_actions_addclose(&actions, 1), "addclose");
        break;
    }
    check(posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(),
                                           O_WRONLY | O_CREAT | O_TRUNC, 0600),
          "addopen");

    pid_t pid;
    check(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()), "posix_spawn");
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        throw std::runtime_error("waitpid failed");

    run_result result;
    if (WIFEXITED(status))
        result.exit_status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    result.out = read_file(out_path);
    result.err = read_file(err_path);
    result.trace = split_lines(read_file(trace_path));
    for (const char *name : {"out", "err", "trace"})
        unlink((dir + "/" + name).c_str());
    rmdir(dir.c_str());
    return result;
}
