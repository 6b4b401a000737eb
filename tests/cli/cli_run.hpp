// velmora-cli run as a script runs it: through the shell, with the shipped catalogue,
// its exit code, standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velmora::clitest {

struct Outcome {
    int status = -1;
    std::string out, err;
};

inline std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// `args` as the shell reads them. In `dir` when one is given (its file "stderr" takes
// the error output, else it is dropped); `env` are assignments put before the command;
// without `withData` the program looks for its catalogue itself.
inline Outcome runCli(const std::string& args, const std::filesystem::path& dir = {},
                      const std::string& env = {}, bool withData = true) {
    const std::filesystem::path err = dir.empty() ? std::filesystem::path() : dir / "stderr";
    std::string cmd = dir.empty() ? std::string() : "cd " + quote(dir.string()) + " && ";
    cmd += env.empty() ? std::string() : env + " ";
    cmd += quote(VELMORA_CLI);
    if (withData) cmd += " --data " + quote(VELMORA_DATA_DIR);
    cmd += " " + args + " 2>" + (err.empty() ? std::string("/dev/null") : quote(err.string()));
    Outcome r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
    const int w = pclose(p);
    r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    if (!err.empty()) r.err = slurp(err);
    return r;
}

}  // namespace velmora::clitest
