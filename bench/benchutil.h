#pragma once
// Small helpers shared by the benchmark programs: a monotonic clock, medians,
// starting a command and waiting for it, and reading a process's memory and
// CPU time from /proc. Linux only; the benchmarks are not part of the program.

#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace bench {

// The "--runs R" and "--dir D" options the timing programs share.
struct RunsAndDir {
    int runs = 7;
    std::string dir; // local 8-bit, as given
    RunsAndDir(int argc, char *argv[])
    {
        for (int i = 1; i + 1 < argc; i += 2) {
            if (std::strcmp(argv[i], "--runs") == 0)
                runs = std::max(1, std::atoi(argv[i + 1]));
            else if (std::strcmp(argv[i], "--dir") == 0)
                dir = argv[i + 1];
        }
    }
};

inline std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

inline double msSince(std::int64_t startNs) { return double(nowNs() - startNs) / 1e6; }

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Starts `argv` (searched in PATH) with stdout sent to `stdoutPath` (nullptr:
// inherited). Returns the pid, or -1.
inline pid_t spawn(const std::vector<std::string> &argv, const char *stdoutPath = nullptr)
{
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutPath)
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Runs a command to its end; returns its wall time in ms, or a negative value
// when it could not be started or did not exit with status 0.
inline double timeCommand(const std::vector<std::string> &argv, const char *stdoutPath = "/dev/null")
{
    const std::int64_t t0 = nowNs();
    const pid_t pid = spawn(argv, stdoutPath);
    if (pid < 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = msSince(t0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return ms;
}

// A "VmRSS:"-style field of /proc/<pid>/status in KiB (pid 0: this process).
inline long procStatusKb(pid_t pid, const char *field)
{
    const std::string path = pid ? "/proc/" + std::to_string(pid) + "/status" : "/proc/self/status";
    std::ifstream in(path);
    std::string line;
    const size_t len = std::strlen(field);
    while (std::getline(in, line)) {
        if (line.compare(0, len, field) == 0 && line.size() > len && line[len] == ':')
            return std::strtol(line.c_str() + len + 1, nullptr, 10);
    }
    return -1;
}

// CPU time used so far by all threads of `pid` (user + system, also of
// threads that have ended), in ns: the process's CPU-time clock, which the
// kernel keeps to the nanosecond. Where that clock cannot be read, the sum
// of the scheduler's accounting of each live thread (schedstat), else utime
// + stime of /proc/<pid>/stat (clock ticks).
inline std::int64_t processCpuNs(pid_t pid)
{
    clockid_t clock{};
    timespec ts{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &ts) == 0)
        return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    std::int64_t total = 0;
    bool any = false;
    if (DIR *d = opendir(taskDir.c_str())) {
        while (dirent *e = readdir(d)) {
            if (e->d_name[0] == '.')
                continue;
            std::ifstream in(taskDir + "/" + e->d_name + "/schedstat");
            long long onCpu = 0;
            if (in >> onCpu) {
                total += onCpu;
                any = true;
            }
        }
        closedir(d);
    }
    if (any)
        return total;
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t close = all.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    // Fields after the command name start at field 3 (state); utime is 14, stime 15.
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::atoll(field.c_str());
        if (i == 15)
            stime = std::atoll(field.c_str());
    }
    return (utime + stime) * (1000000000LL / sysconf(_SC_CLK_TCK));
}

inline std::string fmt(double value, int decimals = 2)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

} // namespace bench
