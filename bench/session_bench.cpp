// Start-up and exit with a session file of 1 MiB and of 16 MiB (the largest
// that is read): the design session followed by empty lines. The time must
// follow the file's size, not its size times the number of keys.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/session.h"
#include "testkit/test_app.h"

#if __has_include(<benchmark/benchmark.h>)
#include <benchmark/benchmark.h>
#define MIRL_HAVE_BENCHMARK 1
#else
#include <cstdio>
#endif

namespace {

using Clock = std::chrono::steady_clock;

// A fresh application, not started, whose session file is the design
// session padded with empty lines to `bytes`.
void writeSession(mirl::testkit::TestApp& t, std::uintmax_t bytes) {
  const std::filesystem::path file = mirl::sessionFile(t.app());
  std::filesystem::copy_file(mirl::testkit::designSession(), file,
                             std::filesystem::copy_options::overwrite_existing);
  const std::uintmax_t have = std::filesystem::file_size(file);
  std::ofstream out(file, std::ios::binary | std::ios::app);
  out << std::string(bytes > have ? bytes - have : 0, '\n');
}

struct Times {
  double startUp = 0, exit = 0;  // seconds
};

Times startAndClose(std::uintmax_t bytes) {
  mirl::testkit::TestApp t(false, false);
  writeSession(t, bytes);
  const auto t0 = Clock::now();
  t.app().start();
  const auto t1 = Clock::now();
  t.app().requestClose();
  const auto t2 = Clock::now();
  return {std::chrono::duration<double>(t1 - t0).count(), std::chrono::duration<double>(t2 - t1).count()};
}

}  // namespace

#ifdef MIRL_HAVE_BENCHMARK

static void BM_StartUpAndExit(benchmark::State& state) {
  const auto bytes = static_cast<std::uintmax_t>(state.range(0)) << 20;
  Times total;
  for (auto _ : state) {
    const Times times = startAndClose(bytes);
    state.SetIterationTime(times.startUp + times.exit);
    total.startUp += times.startUp;
    total.exit += times.exit;
  }
  state.counters["startUp_ms"] = 1000 * total.startUp / static_cast<double>(state.iterations());
  state.counters["exit_ms"] = 1000 * total.exit / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StartUpAndExit)->Arg(1)->Arg(16)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

#else

int main() {
  for (int megabytes : {1, 16}) {
    const Times times = startAndClose(static_cast<std::uintmax_t>(megabytes) << 20);
    std::printf("session file of %d MiB: start-up %.3f s, exit %.3f s\n", megabytes, times.startUp, times.exit);
  }
  return 0;
}

#endif
