// The whole `velmora-cli --json` process: start, catalogue, run, output, exit.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void CliJsonProcess(benchmark::State& state) {
    char* argv[] = {const_cast<char*>(VELMORA_CLI), const_cast<char*>("--data"),
                    const_cast<char*>(VELMORA_DATA_DIR), const_cast<char*>("--json"), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid;
        if (posix_spawn(&pid, VELMORA_CLI, &quiet, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start velmora-cli");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("velmora-cli failed");
    }
    posix_spawn_file_actions_destroy(&quiet);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(CliJsonProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
