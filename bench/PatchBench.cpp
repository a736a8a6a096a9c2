// Patches between two 16 MiB images that differ in 200 scattered bytes (BPS create and apply: time,
// patch size, memory), and the backup a first save makes of a 16 MiB ROM.

#include "patch/Bps.h"
#include "rom/RomBackup.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <new>
#include <random>
#include <unistd.h>

// The heap in use while a measured step runs: every allocation through operator new is counted while
// counting is on, and the highest level reached is kept.
namespace {
std::atomic<bool> counting{false};
std::atomic<long long> live{0}, peak{0};

void Count(long long bytes) {
    const long long now = live.fetch_add(bytes) + bytes;
    for (long long p = peak.load(); now > p && !peak.compare_exchange_weak(p, now);) {
    }
}
} // namespace

void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    if (counting.load(std::memory_order_relaxed)) Count(static_cast<long long>(malloc_usable_size(p)));
    return p;
}
void operator delete(void* p) noexcept {
    if (p && counting.load(std::memory_order_relaxed)) Count(-static_cast<long long>(malloc_usable_size(p)));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

constexpr std::size_t RomSize = 16u << 20;

struct ImagePair {
    patch::Bytes original = patch::Bytes(RomSize), modified;
    patch::Bytes bps;
    ImagePair() {
        std::mt19937 random(26);
        for (auto& b : original) b = static_cast<std::uint8_t>(random());
        modified = original;
        for (int i = 0; i < 200; ++i)
            modified[random() % RomSize] ^= static_cast<std::uint8_t>(1 + random() % 255);
        bps = patch::CreateBps(original, modified);
    }
};

const ImagePair& Images() {
    static const ImagePair images;
    return images;
}

// The most heap that step holds at once beyond what was allocated before it, in bytes.
template <class Step> long long PeakHeapOf(Step step) {
    live = 0;
    peak = 0;
    counting = true;
    step();
    counting = false;
    return peak.load();
}

void BpsCreate16MiB(benchmark::State& state) {
    const ImagePair& images = Images();
    std::size_t size = 0;
    for (auto _ : state) {
        const patch::Bytes made = patch::CreateBps(images.original, images.modified);
        size = made.size();
        benchmark::DoNotOptimize(made.data());
    }
    const long long extra =
        PeakHeapOf([&] { benchmark::DoNotOptimize(patch::CreateBps(images.original, images.modified)); });
    state.counters["patch_bytes"] = static_cast<double>(size);
    // Both images, which the caller holds, and what creating adds.
    state.counters["memory_x_rom"] = static_cast<double>(2 * RomSize + extra) / RomSize;
}
BENCHMARK(BpsCreate16MiB)->Unit(benchmark::kMillisecond);

void BpsApply16MiB(benchmark::State& state) {
    const ImagePair& images = Images();
    for (auto _ : state) {
        const patch::Bytes result = patch::ApplyBps(images.original, images.bps);
        benchmark::DoNotOptimize(result.data());
    }
    if (patch::ApplyBps(images.original, images.bps) != images.modified) state.SkipWithError("wrong result");
    const long long extra =
        PeakHeapOf([&] { benchmark::DoNotOptimize(patch::ApplyBps(images.original, images.bps)); });
    state.counters["patch_bytes"] = static_cast<double>(images.bps.size());
    // The base and the patch, which the caller holds, and what applying adds (the result).
    state.counters["memory_x_rom"] = static_cast<double>(RomSize + images.bps.size() + extra) / RomSize;
}
BENCHMARK(BpsApply16MiB)->Unit(benchmark::kMillisecond);

// A first save's backup: the 16 MiB ROM copied into the backup folder and flushed, older ones pruned.
void Backup16MiB(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("skirmela-bench-backup-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream rom(dir / "game.gba", std::ios::binary);
        rom.write(reinterpret_cast<const char*>(Images().original.data()), RomSize);
    }
    auto now = std::chrono::system_clock::now();
    for (auto _ : state) {
        now += std::chrono::seconds(1);
        benchmark::DoNotOptimize(rom::BackUpRom(dir / "game.gba", dir / "backups", now));
    }
    state.counters["kept"] = static_cast<double>(rom::BackupsOf(dir / "game.gba", dir / "backups").size());
    std::filesystem::remove_all(dir);
}
BENCHMARK(Backup16MiB)->Unit(benchmark::kMillisecond);

} // namespace
