// Cost of one key press in the converter logic, with a panel that does
// nothing (no window, no 20 ms pause).

#include "QuibraDlg.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

class NullPanel final : public Panel {
public:
    std::string readDisplay() override { return display; }
    void writeDisplay(std::string_view text) override { display = text; }
    std::string readRateBox() override { return rateBox; }
    void writeRateBox(std::string_view text) override { rateBox = text; }
    void setKeyEnabled(KeyId, bool) override {}
    void setKeyPushed(KeyId, bool) override {}
    void pause(int) override {}
    void showMessage(std::string_view, MessageIcon) override {}

    std::string display;
    std::string rateBox = "110.5";
};

std::vector<KeyId> keys(std::initializer_list<const char*> names)
{
    std::vector<KeyId> ids;
    for (const char* name : names)
        ids.push_back(*keyByName(name));
    return ids;
}

void runKeys(benchmark::State& state, const std::vector<KeyId>& sequence)
{
    NullPanel panel;
    CQuibraDlg dialog(panel);
    dialog.initDialog();
    for (auto _ : state) {
        for (const KeyId key : sequence)
            dialog.press(key);
        benchmark::DoNotOptimize(panel.display.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(sequence.size()));
    state.counters["ns_per_key"] =
        benchmark::Counter(static_cast<double>(state.iterations() * sequence.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Entry(benchmark::State& state)
{
    runKeys(state, keys({"key1", "key2", "key3", "pointKey", "key4", "key5", "signKey", "backKey",
                         "key6", "clearKey"}));
}
BENCHMARK(BM_Entry);

void BM_Arithmetic(benchmark::State& state)
{
    runKeys(state, keys({"key2", "addKey", "key3", "multiplyKey", "key4", "addKey", "key5",
                         "divideKey", "key7", "subtractKey", "key1", "swapKey", "equalsKey"}));
}
BENCHMARK(BM_Arithmetic);

void BM_Mixed(benchmark::State& state)
{
    runKeys(state,
            keys({"key1",     "key2",  "inchKey",   "cmKey",     "addKey",     "key3",
                  "pointKey", "key5",  "equalsKey", "key2",      "pointKey",   "key5",
                  "ydKey",    "ftKey", "key5",      "ftKey",     "key7",       "inchKey",
                  "cmKey",    "key1",  "key0",      "key0",      "celsiusKey", "fahrenheitKey",
                  "key2",     "lbKey", "kgKey",     "key3",      "flOzKey",    "galKey",
                  "key1",     "key0",  "yenKey",    "dollarKey", "clearKey"}));
}
BENCHMARK(BM_Mixed);

} // namespace

BENCHMARK_MAIN();
