// The whole game in the headless core: a scripted minute of play, played
// again and again. Reports clock ticks per second and the heap allocations
// made while the minute runs (after the first ticks of a game, which load
// the sprite bank and the settings window).

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <optional>

#include "level/play_layout.h"
#include "shell/game.h"
#include "shell/qt/picture_library.h"

// Every allocation of the program passes through here, so the minute can
// count its own.
namespace {
std::uint64_t allocations = 0;

void* allocate(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

constexpr std::int16_t kSpace = 32;
constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kZ = 90;

constexpr int kClockMs = tt::Game::kDefaultClockMs;
constexpr int kMinute = 60'000 / kClockMs;  // clock ticks

struct Press {
    int tick;  // clock ticks since GO!
    std::int16_t key;
};

// Ember walks from the vine to the plants and pulls all three, throwing
// each vegetable (one of them to the left); then she jumps onto Log, walks
// off it and wanders the ground, jumping now and then and pressing Space in
// case the enemy is underfoot, while the enemy comes down from the hill and
// strikes again and again.
constexpr auto kScript = [] {
    std::array<Press, 96> presses{};
    std::size_t n = 0;
    int t = 10;
    const auto press = [&](int after, std::int16_t key) { presses[n++] = {t += after, key}; };
    for (int step = 0; step < 8; ++step) press(8, kRight);  // to Plant2
    press(10, kSpace);  // pull
    press(30, kSpace);  // throw
    press(40, kRight);  // to Plant1
    press(10, kSpace);
    press(30, kLeft);   // turn, and throw to the left
    press(10, kSpace);
    press(40, kRight);  // to Plant3
    press(8, kRight);
    press(10, kSpace);
    press(30, kSpace);
    press(40, kZ);      // onto Log
    for (int step = 0; step < 5; ++step) press(8, kLeft);  // and off its end
    while (n < presses.size()) {
        const int beat = static_cast<int>(n % 6);
        const std::int16_t key = beat == 0 || beat == 3 ? kZ
                                 : beat == 1            ? kLeft
                                 : beat == 2            ? kSpace
                                 : beat == 4            ? kLeft
                                                        : kRight;
        press(36, key);
    }
    return presses;
}();
static_assert(kScript.back().tick < kMinute, "the script fits in the minute");

struct Minute {
    int plantsPulled = 0;
    int hits = 0;
};

// One minute of play from GO!; the first two clock ticks are left to the
// caller, who may want to keep them out of a measurement.
class Play {
public:
    Play() : game_(tt::EmbeddedPictures::instance(), kClockMs) {
        game_.start();
        game_.click(tt::FormId::Main, "Command1");
        game_.tick();  // the level start
        game_.tick();  // the first frame
        tick_ = 2;
    }

    void runMinute() {
        for (const Press& press : kScript) {
            for (; tick_ < press.tick; ++tick_) game_.tick();
            game_.keyDown(tt::FormId::Play, press.key);
        }
        for (; tick_ < kMinute; ++tick_) game_.tick();
    }

    Minute outcome() {
        Minute minute;
        for (const tt::ImageRef plant : {tt::play::Plant1, tt::play::Plant2, tt::play::Plant3})
            minute.plantsPulled += game_[plant].left < 0 ? 1 : 0;
        minute.hits = 4 - game_.vars().Energy;
        return minute;
    }

private:
    tt::Game game_;
    int tick_ = 0;
};

void BM_MinuteOfPlay(benchmark::State& state) {
    std::uint64_t ticks = 0;
    std::uint64_t steadyAllocations = 0;
    std::uint64_t startAllocations = 0;  // shows that the count works
    Minute last;
    std::optional<Play> play;
    for (auto _ : state) {
        state.PauseTiming();
        const std::uint64_t beforeStart = allocations;
        play.emplace();
        startAllocations = allocations - beforeStart;
        state.ResumeTiming();
        const std::uint64_t before = allocations;
        play->runMinute();
        steadyAllocations += allocations - before;
        ticks += kMinute - 2;
        state.PauseTiming();
        last = play->outcome();
        state.ResumeTiming();
    }
    state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(ticks),
                                                   benchmark::Counter::kIsRate);
    state.counters["allocs/tick"] =
        static_cast<double>(steadyAllocations) / static_cast<double>(ticks);
    state.counters["allocs/start"] = static_cast<double>(startAllocations);
    state.counters["plants"] = last.plantsPulled;
    state.counters["hits"] = last.hits;
}
BENCHMARK(BM_MinuteOfPlay)->Unit(benchmark::kMillisecond);

}  // namespace
