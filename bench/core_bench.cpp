// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of one key press in the converter logic, by family of keys, with a
// panel without a window (no 20 ms pause).
//
//   core_bench [--rate-writes] [benchmark flags]
//
// --rate-writes adds the Rate key, which replaces "rate.dat" in the working
// directory at every press (a file write, a flush to disk and a rename).

#include "TextPanel.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<KeyId> keys(std::initializer_list<const char*> names)
{
    std::vector<KeyId> ids;
    for (const char* name : names)
        ids.push_back(*keyByName(name));
    return ids;
}

void runKeys(benchmark::State& state, const std::vector<KeyId>& sequence)
{
    TextPanel panel;
    panel.rateBox = "110.5";
    CQuibraDlg dialog(panel);
    dialog.initDialog();
    for (auto _ : state) {
        for (const KeyId key : sequence)
            dialog.press(key);
        benchmark::DoNotOptimize(panel.display.data());
    }
    const auto pressed = static_cast<double>(state.iterations() * sequence.size());
    state.counters["ns_per_key"] =
        benchmark::Counter(pressed, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

struct Family {
    const char* name;
    std::vector<KeyId> sequence;
};

std::vector<Family> families()
{
    return {
        {"entry", keys({"key1", "key2", "key3", "pointKey", "key4", "key5", "signKey", "backKey",
                        "key6", "clearKey"})},
        {"arithmetic", keys({"key2", "addKey", "key3", "multiplyKey", "key4", "addKey", "key5",
                             "divideKey", "key7", "subtractKey", "key1", "swapKey", "equalsKey"})},
        {"length", keys({"key1", "key2", "inchKey", "cmKey", "mmKey", "kmKey", "mKey", "mileKey",
                         "ydKey", "inchKey"})},
        {"feet", keys({"key2", "pointKey", "key5", "ydKey", "ftKey", "key5", "ftKey", "key7",
                       "inchKey", "cmKey", "key1", "mKey", "ftKey"})},
        {"temperature", keys({"key1", "key0", "key0", "celsiusKey", "fahrenheitKey",
                              "fahrenheitKey", "celsiusKey"})},
        {"mass", keys({"key2", "lbKey", "kgKey", "gKey", "ozKey", "lbKey", "lbKey", "gKey"})},
        {"volume", keys({"key3", "flOzKey", "galKey", "lKey", "mlKey", "galKey"})},
        {"currency", keys({"key1", "key0", "yenKey", "dollarKey", "dollarKey", "yenKey"})},
        {"mixed",
         keys({"key1",     "key2",  "inchKey",   "cmKey",     "addKey",     "key3",
               "pointKey", "key5",  "equalsKey", "key2",      "pointKey",   "key5",
               "ydKey",    "ftKey", "key5",      "ftKey",     "key7",       "inchKey",
               "cmKey",    "key1",  "key0",      "key0",      "celsiusKey", "fahrenheitKey",
               "key2",     "lbKey", "kgKey",     "key3",      "flOzKey",    "galKey",
               "key1",     "key0",  "yenKey",    "dollarKey", "clearKey"})},
    };
}

} // namespace

int main(int argc, char** argv)
{
    bool rateWrites = false;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rate-writes") == 0)
            rateWrites = true;
        else
            arguments.push_back(argv[i]);
    }
    auto all = families();
    if (rateWrites)
        all.push_back({"rate", keys({"key1", "key1", "key0", "pointKey", "key5", "rateKey"})});
    for (const auto& family : all)
        benchmark::RegisterBenchmark(family.name, runKeys, family.sequence);

    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
