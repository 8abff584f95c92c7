// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TextPanel.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// How the fuzzer reads its bytes as inputs of the window. Most bytes are one
// input each: a click on one of the 41 keys, a typed character or a key
// press, among them characters and key codes that no key takes. The last few
// byte values start a paste: the next byte gives how many of the bytes after
// it are pasted, whatever they are.
// Takes the bytes of one input from the front of `bytes`, which is not empty.
KeyInput takeInput(std::span<const std::uint8_t>& bytes);
// The bytes for a replay token, for seeds made from the trace scripts;
// nothing for a character or key code that the bytes do not hold.
std::optional<std::string> bytesOfToken(std::string_view token);
