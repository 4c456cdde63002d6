// The scans on a configuration-sized text and on 16 MiB of mixed GBK text, next to memchr and
// std::string_view::find over the same bytes as the reference. Measure the optimised build:
//   cmake --preset benchmark && cmake --build --preset benchmark
//   build/benchmark/text/text_benchmark
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "text/byte_text.h"

namespace {

using text::ByteText;

// Chinese characters, ASCII, backslashes and near misses ("zh_TW") mixed as in a configuration;
// one line in 64 holds the marker, and the last byte is the last backslash. FindText looks for
// a marker that is absent, so it crosses the whole text past every near miss.
ByteText MixedGbkText(size_t size) {
    const std::string line =
        "<Data key=\"中文版本\" path=\"C:\\Program Files\\Adobe\\设置\">zh_TW</Data>\r\n";
    const std::string markedLine = "<Data key=\"installedLanguages\">zh_CN</Data>\r\n";
    std::string bytes;
    bytes.reserve(size);
    for (int n = 0; bytes.size() + line.size() + 1 < size; ++n) bytes += n % 64 ? line : markedLine;
    bytes += "\\";
    return ByteText(std::move(bytes));
}

constexpr int64_t kConfigSize = 4 * 1024;
constexpr int64_t kLargeSize = 16 * 1024 * 1024;

const ByteText& Text(int64_t size) {
    static const ByteText small = MixedGbkText(kConfigSize);
    static const ByteText large = MixedGbkText(kLargeSize);
    return size == kConfigSize ? small : large;
}

void Measured(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Text(state.range(0)).view().size()));
}

void BM_FindText(benchmark::State& state) {
    const ByteText& text = Text(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(text::FindText(text, "zh_HK"));
    Measured(state);
}

void BM_FindTextReverse(benchmark::State& state) {
    const ByteText& text = Text(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(text::FindTextReverse(text, "\\"));
    Measured(state);
}

void BM_ReplaceSubtext(benchmark::State& state) {
    const ByteText& text = Text(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(text::ReplaceSubtext(text, "zh_CN", "en-US"));
    Measured(state);
}

void BM_Reference_memchr(benchmark::State& state) {
    const std::string_view bytes = Text(state.range(0)).view();
    for (auto _ : state) benchmark::DoNotOptimize(std::memchr(bytes.data(), '\0', bytes.size()));
    Measured(state);
}

void BM_Reference_string_view_find(benchmark::State& state) {
    const std::string_view bytes = Text(state.range(0)).view();
    for (auto _ : state) benchmark::DoNotOptimize(bytes.find("zh_HK"));
    Measured(state);
}

BENCHMARK(BM_FindText)->Arg(kConfigSize)->Arg(kLargeSize);
BENCHMARK(BM_FindTextReverse)->Arg(kConfigSize)->Arg(kLargeSize);
BENCHMARK(BM_ReplaceSubtext)->Arg(kConfigSize)->Arg(kLargeSize);
BENCHMARK(BM_Reference_memchr)->Arg(kConfigSize)->Arg(kLargeSize);
BENCHMARK(BM_Reference_string_view_find)->Arg(kConfigSize)->Arg(kLargeSize);

}  // namespace

BENCHMARK_MAIN();
