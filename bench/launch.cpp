// Runs one program the way a desktop starts it (without arguments, unless given) and measures it from outside, so that
// the application and the minimal window are measured alike:
//   start-up: from just before the program is spawned to the "first-expose" time it prints, both on
//             CLOCK_MONOTONIC (see shell/first_expose_report.h);
//   memory:   the peak resident set of the finished program (wait4's ru_maxrss).
//   CPU time: user and system time of the finished program, which other load on the machine disturbs
//             less than the start-up time.
// Prints "<start-up in ms, or - when nothing was reported> <peak in KiB> <CPU time in ms>".
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

extern char** environ;

namespace {

constexpr int timeoutMs = 60000;

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Everything the program writes on its standard output, until it closes it or the time is up.
std::string readOutput(int fd, pid_t child)
{
    std::string output;
    const long long deadline = monotonicNs() + timeoutMs * 1000000LL;
    char buffer[4096];
    for (;;) {
        const long long left = (deadline - monotonicNs()) / 1000000;
        pollfd readable{fd, POLLIN, 0};
        if (left <= 0 || poll(&readable, 1, static_cast<int>(left)) == 0) {
            std::fprintf(stderr, "bench launch: no end after %d s; killed\n", timeoutMs / 1000);
            kill(child, SIGKILL);
            break;
        }
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0) break;
        output.append(buffer, static_cast<std::size_t>(count));
    }
    return output;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    setenv("TAVELLE_REPORT_FIRST_EXPOSE", "1", 1);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    // The program's own arguments, ended by argv's null.
    char** childArgv = argv + 1;

    pid_t child = 0;
    const long long start = monotonicNs();
    const int error = posix_spawn(&child, argv[1], &actions, nullptr, childArgv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (error != 0) {
        std::fprintf(stderr, "bench launch: cannot run %s: %s\n", argv[1], std::strerror(error));
        return 1;
    }

    const std::string output = readOutput(pipeEnds[0], child);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench launch: %s did not end normally (status %d)\n", argv[1], status);
        return 1;
    }

    const double cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    const std::string marker = "first-expose ";
    const std::size_t at = output.find(marker);
    if (at == std::string::npos) {
        std::printf("- %ld %.1f\n", usage.ru_maxrss, cpuMs);
    } else {
        const long long exposed = std::atoll(output.c_str() + at + marker.size());
        std::printf("%.3f %ld %.1f\n", static_cast<double>(exposed - start) / 1e6, usage.ru_maxrss, cpuMs);
    }
    return 0;
}
