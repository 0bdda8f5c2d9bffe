#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tavelle::test {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const fs::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

// A folder of its own for each test process, removed with the object.
struct ScratchFolder {
    fs::path path;
    ScratchFolder()
    {
        static int count = 0;
        path = fs::temp_directory_path() /
               ("tavelle-tool-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
        fs::create_directories(path);
    }
    ~ScratchFolder() { fs::remove_all(path); }
};

// Runs `program arguments` under the locale `locale` with `input` on standard input. Standard
// output goes to a file unless `output` redirects it otherwise ("> /dev/full", ">&-").
inline ToolRun runTool(const std::string& program, const std::string& arguments, const std::string& input,
                       const std::string& locale = "C", const std::string& output = "")
{
    const ScratchFolder dir;
    {
        std::ofstream(dir.path / "in", std::ios::binary) << input;
    }
    const std::string command = "env -u LC_NUMERIC -u LANG LC_ALL=" + locale + " " + program + " " + arguments + " < " +
                                (dir.path / "in").string() + " " +
                                (output.empty() ? "> " + (dir.path / "out").string() : output) + " 2> " +
                                (dir.path / "err").string();
    ToolRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(dir.path / "out");
    run.err = slurp(dir.path / "err");
    return run;
}

inline ToolRun solve(const std::string& arguments, const std::string& input, const std::string& locale = "C",
                     const std::string& output = "")
{
    return runTool(TAVELLE_SOLVE_PATH, arguments, input, locale, output);
}

inline std::string example(const char* name)
{
    return slurp(fs::path(TAVELLE_EXAMPLES_DIR) / name);
}

}  // namespace tavelle::test
