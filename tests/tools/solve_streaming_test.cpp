// tavelle-solve as a filter: results come out as exercises go in, and no failure to write passes
// for success.
#include "tool_run.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

using tavelle::test::example;
using tavelle::test::solve;
using tavelle::test::ToolRun;

// tavelle-solve with both ends of its standard streams held by the test.
class SolveProcess {
public:
    SolveProcess()
    {
        int in[2];
        int out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::close(in[1]);
            ::close(out[0]);
            ::execl(TAVELLE_SOLVE_PATH, TAVELLE_SOLVE_PATH, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        m_input = in[1];
        m_output = out[0];
    }

    ~SolveProcess()
    {
        if (m_input >= 0) ::close(m_input);
        ::close(m_output);
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }

    void write(const std::string& text)
    {
        ASSERT_EQ(::write(m_input, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // What the tool writes until `marker` appears, or everything read when ten seconds pass first.
    std::string readUntil(const std::string& marker)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (m_read.find(marker) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
            pollfd ready{m_output, POLLIN, 0};
            if (::poll(&ready, 1, 100) <= 0) continue;
            char buffer[4096];
            const ssize_t count = ::read(m_output, buffer, sizeof buffer);
            if (count <= 0) break;
            m_read.append(buffer, static_cast<std::size_t>(count));
        }
        return m_read;
    }

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    std::string m_read;
};

TEST(SolveStreaming, WritesEachResultBeforeReadingTheNextExercise)
{
    SolveProcess solveProcess;
    std::string exercise = example("two_nozzles.json");
    while (!exercise.empty() && exercise.back() == '\n') exercise.pop_back();
    solveProcess.write("[" + exercise + ",");
    EXPECT_NE(solveProcess.readUntil("\"Calculs2\"").find("\"Calculs2\""), std::string::npos)
        << "no result before the second exercise was sent";
}

struct WriteFailure {
    const char* name;
    std::string arguments;
    std::string redirection;
    std::string reason;
};

void PrintTo(const WriteFailure& failure, std::ostream* out)
{
    *out << failure.name;
}

class SolveWriteFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(SolveWriteFailure, ExitsTwoWithTheSystemsReason)
{
    const ToolRun run = solve(GetParam().arguments, example("session.json"), "C", GetParam().redirection);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "tavelle-solve: cannot write standard output: " + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveWriteFailure,
    ::testing::Values(WriteFailure{"JsonToFullDisk", "", "> /dev/full", "No space left on device"},
                      WriteFailure{"TextToFullDisk", "--text", "> /dev/full", "No space left on device"},
                      WriteFailure{"RandomToFullDisk", "--random 3", "> /dev/full", "No space left on device"},
                      WriteFailure{"JsonToClosedOutput", "", ">&-", "Bad file descriptor"},
                      WriteFailure{"TextToClosedOutput", "--text", ">&-", "Bad file descriptor"},
                      WriteFailure{"RandomToClosedOutput", "--random 3", ">&-", "Bad file descriptor"},
                      WriteFailure{"VersionToFullDisk", "--version", "> /dev/full", "No space left on device"}),
    [](const ::testing::TestParamInfo<WriteFailure>& test) { return std::string(test.param.name); });

TEST(SolveOptions, DashIsStandardInputAndQtSyntaxIsAccepted)
{
    const std::string input = example("session.json");
    const ToolRun plain = solve("", input);
    EXPECT_EQ(plain.status, 1);
    for (const char* arguments : {"-", "-- -", "--text -"}) {
        const ToolRun dash = solve(arguments, input);
        EXPECT_EQ(dash.status, 1) << arguments << ": " << dash.err;
        if (std::string(arguments) != "--text -") {
            EXPECT_EQ(dash.out, plain.out) << arguments;
        }
    }
    EXPECT_EQ(solve("--random=5 --seed=9", "").out, solve("--random 5 --seed 9", "").out);
}

}  // namespace
