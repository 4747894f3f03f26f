// Loading a registry store whose one key holds many values: the time per
// value must not grow with their number.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "runtime/registry_store.h"

#if __has_include(<benchmark/benchmark.h>)
#include <benchmark/benchmark.h>
#define MIRL_HAVE_BENCHMARK 1
#else
#include <chrono>
#include <cstdio>
#endif

namespace {

// A store file of one key with `values` values, removed with the object.
struct StoreFile {
  explicit StoreFile(int values)
      : path(std::filesystem::temp_directory_path() /
             ("mirl-bench-registry-" + std::to_string(::getpid()) + "-" + std::to_string(values))) {
    std::ofstream out(path, std::ios::binary);
    out << "key \"Software\\Quillfen\\MirlFumarix\\Data\" class \"Anwendungsdaten\"\n";
    for (int i = 0; i < values; ++i) {
      out << "value \"Pfad" << i << "\" sz \"/home/user/Kochbuch/" << i << ".ini\"\n";
    }
  }
  ~StoreFile() {
    std::error_code ec;
    std::filesystem::remove(path, ec);
  }
  std::filesystem::path path;
};

}  // namespace

#ifdef MIRL_HAVE_BENCHMARK

static void BM_LoadRegistryStore(benchmark::State& state) {
  const StoreFile file(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(mirl::rt::RegistryStore(file.path));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadRegistryStore)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();

#else

int main() {
  for (int values : {5000, 20000, 50000}) {
    const StoreFile file(values);
    const auto start = std::chrono::steady_clock::now();
    const mirl::rt::RegistryStore store(file.path);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("registry store of %d values: loaded in %.3f s\n", values, took.count());
  }
  return 0;
}

#endif
