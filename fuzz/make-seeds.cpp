// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns replay scripts into fuzzer seeds: the bytes of each token, after a first
// byte that starts the run with the rate 110.5. A character or key code that
// the fuzzer's bytes do not hold is left out; a token that is none is an
// error, as everywhere else.

#include "KeyBytes.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::cerr << "usage: make-seeds OUTPUT-DIRECTORY SCRIPT...\n";
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i]);
        const std::string script{std::istreambuf_iterator<char>(in), {}};
        std::string seed(1, '\x01');
        for (const std::string& token : scriptTokens(script)) {
            if (!parseToken(token)) {
                std::cerr << argv[i] << ": not a token: " << token << '\n';
                return 2;
            }
            if (const auto bytes = bytesOfToken(token))
                seed += *bytes;
        }
        const std::string name = std::string(argv[1]) + "/seed-" + std::to_string(i - 1);
        std::ofstream(name, std::ios::binary) << seed;
    }
    return 0;
}
