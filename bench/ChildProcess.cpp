#include "ChildProcess.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <sched.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quarl {
namespace {

class Pipe
{
public:
    Pipe()
    {
        if (pipe(ends_.data()) != 0)
            throw std::runtime_error("cannot create a pipe");
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int readEnd() const { return ends_[0]; }
    int writeEnd() const { return ends_[1]; }
    void closeRead() { closeEnd(ends_[0]); }
    void closeWrite() { closeEnd(ends_[1]); }

private:
    static void closeEnd(int& end)
    {
        if (end >= 0)
            close(end);
        end = -1;
    }

    std::array<int, 2> ends_{-1, -1};
};

std::string ReadAll(int descriptor)
{
    std::string text;
    std::array<char, 4096> buffer{};
    for (ssize_t count; (count = read(descriptor, buffer.data(), buffer.size())) != 0;) {
        if (count > 0)
            text.append(buffer.data(), static_cast<std::size_t>(count));
        else if (errno != EINTR)
            throw std::runtime_error("cannot read a child's output");
    }
    return text;
}

pid_t SpawnWithOutputTo(const Pipe& output, const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output.writeEnd(), STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output.readEnd());
    pid_t child = 0;
    const int error = posix_spawn(&child, argv.front(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + command.front());
    return child;
}

void WaitForSuccess(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("cannot wait for a child");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("a child run failed");
}

} // namespace

std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

std::string RunSelf(const std::vector<std::string>& arguments)
{
    static const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> command{self};
    command.insert(command.end(), arguments.begin(), arguments.end());

    Pipe output;
    const pid_t child = SpawnWithOutputTo(output, command);
    output.closeWrite();
    std::string text = ReadAll(output.readEnd());
    WaitForSuccess(child);
    return text;
}

int PinToCurrentProcessor()
{
    const int processor = sched_getcpu();
    if (processor < 0)
        return -1;
    cpu_set_t only;
    CPU_ZERO(&only);
    CPU_SET(static_cast<std::size_t>(processor), &only);
    return sched_setaffinity(0, sizeof only, &only) == 0 ? processor : -1;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

} // namespace quarl
