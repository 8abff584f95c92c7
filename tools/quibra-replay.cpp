// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// quibra-replay: drives the converter from key tokens and prints what the
// panel shows after each of them.

#include "TextPanel.h"

#include <clocale>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // Run under the user's locale, as the desktop program does: no number
    // may depend on it.
    std::setlocale(LC_ALL, "");

    std::vector<std::string> tokens;
    if (argc > 1) {
        tokens.assign(argv + 1, argv + argc);
    } else {
        const std::string script{std::istreambuf_iterator<char>(std::cin), {}};
        tokens = scriptTokens(script);
    }

    std::vector<KeyInput> inputs;
    try {
        inputs = parseTokens(tokens);
    } catch (const std::invalid_argument& bad) {
        std::fprintf(stderr, "quibra-replay: unknown token: %s\n", bad.what());
        return 2;
    }

    TextConverter converter;
    std::string out = converter.panel.takeRecord("start");
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        converter.apply(inputs[i]);
        out += converter.panel.takeRecord(tokens[i]);
        if (out.size() > 1 << 16) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
