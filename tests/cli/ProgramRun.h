#pragma once
// Runs the built batch converter as a user runs it, in a folder of the test's own.

#include "support/TempDir.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace vx::test {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs `volantrix-convert ARGS` through the shell in `dir`, with a settings folder of the test's
// own; `prefix` goes before the program (e.g. a ulimit).
inline ProgramRun Convert(const TempDir& dir, const std::string& args,
                          const std::string& prefix = "") {
    const std::string command = "cd '" + dir.path().string() + "' && " + prefix +
                                "XDG_CONFIG_HOME='" + (dir / "config").string() + "' '" +
                                VX_CONVERT_PROGRAM + "' " + args + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    ProgramRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(dir / "stdout.txt"),
                   ReadFile(dir / "stderr.txt")};
    std::filesystem::remove(dir / "stdout.txt");
    std::filesystem::remove(dir / "stderr.txt");
    return run;
}

} // namespace vx::test
