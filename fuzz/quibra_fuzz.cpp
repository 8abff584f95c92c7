// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: input bytes become a start-up "rate.dat" and a sequence
// of clicks, typed characters, key presses and pastes. After every input it checks
// what must always hold of the panel and of the rate file.

#include "KeyBytes.h"
#include "Messages.h"
#include "core/Utf8.h"
#include "units/Conversions.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "quibra_fuzz: %s: %s\n", what, detail.c_str());
    std::abort();
}

// What "rate.dat" holds: its bytes, or nothing when it is not a regular file.
std::optional<std::string> rateFileBytes()
{
    std::error_code error;
    if (!fs::is_regular_file("rate.dat", error))
        return std::nullopt;
    std::ifstream in("rate.dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first byte picks what the run starts with; returns the bytes used.
std::size_t makeRateFile(const std::uint8_t* data, std::size_t size)
{
    std::error_code error;
    fs::remove_all("rate.dat", error);
    if (size == 0)
        return 0;
    const auto write = [](std::string_view bytes) {
        std::ofstream("rate.dat", std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    switch (data[0] % 8) {
    case 0:
        return 1; // no file
    case 1:
        write("110.5");
        return 1;
    case 2: {
        // The length byte, when there is one, and as many bytes as it asks
        // for and the input has.
        if (size == 1)
            return 1;
        const std::size_t length = std::min<std::size_t>(data[1] % 12, size - 2);
        write({reinterpret_cast<const char*>(data) + 2, length});
        return 2 + length;
    }
    case 3:
        fs::create_directory("rate.dat", error);
        return 1;
    case 4:
        write("");
        return 1;
    case 5:
        write("98.");
        return 1;
    case 6:
        fs::create_symlink("nowhere.dat", "rate.dat", error);
        return 1;
    default:
        write("0");
        return 1;
    }
}

void checkPanel(const TextPanel& panel, const CQuibraDlg& dialog)
{
    if (panel.display != dialog.numberBuffer)
        fail("display and number text differ", panel.display + " / " + dialog.numberBuffer);
    if (utf8::characterCount(panel.display) >= CQuibraDlg::numberCapacity)
        fail("display text too long", panel.display);
    // The unit keys run by quantity: each key agrees with the one before it
    // unless a new quantity begins.
    static const auto sameQuantityAsPrevious = [] {
        std::array<bool, unitKeyCount> same{};
        for (int i = 1; i < unitKeyCount; ++i)
            same[i] = quantityOfKey(unitKeyAt(i)) == quantityOfKey(unitKeyAt(i - 1));
        return same;
    }();
    for (int i = 1; i < unitKeyCount; ++i) {
        const int key = keyIndex(unitKeyAt(i));
        if (sameQuantityAsPrevious[i] && panel.enabled[key] != panel.enabled[key - 1])
            fail("a quantity's keys are split", std::string(keySpec(unitKeyAt(i)).name));
    }
}

void checkRateFile(const std::optional<std::string>& expected)
{
    if (rateFileBytes() != expected)
        fail("rate.dat is not the last accepted rate", rateFileBytes().value_or("(no file)"));
    if (std::distance(fs::directory_iterator("."), fs::directory_iterator()) > 1)
        fail("a file left beside rate.dat", "");
}

std::string workingDirectory;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "quibra-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        fail("no temporary directory", pattern);
    workingDirectory = pattern;
    fs::current_path(workingDirectory);
    std::atexit([] {
        std::error_code error;
        fs::remove_all(workingDirectory, error);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::size_t used = makeRateFile(data, size);
    std::optional<std::string> expectedFile = rateFileBytes();

    TextConverter converter;
    const TextPanel& panel = converter.panel;
    checkPanel(panel, converter.dialog);

    for (std::span<const std::uint8_t> bytes(data + used, size - used); !bytes.empty();) {
        const int rateBoxWrites = panel.rateBoxWrites;
        const std::size_t messages = panel.messages.size();
        converter.apply(takeInput(bytes));
        checkPanel(panel, converter.dialog);

        // Only the Rate key writes: the file is checked after each write.
        if (panel.rateBoxWrites != rateBoxWrites) {
            if (panel.rateBox.size() != 5)
                fail("a rate that is not five characters", panel.rateBox);
            const bool saveFailed = panel.messages.size() > messages &&
                                    panel.messages.back().ends_with(message::rateNotSaved);
            if (!saveFailed)
                expectedFile = panel.rateBox;
            checkRateFile(expectedFile);
        }
    }
    checkRateFile(expectedFile);
    return 0;
}
