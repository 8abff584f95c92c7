// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TextPanel.h"

#include <cstdint>
#include <optional>
#include <string_view>

// How the fuzzer reads a byte as one input of the window: a click on one of
// the 41 keys, a typed character or a key press. The characters and key
// codes include ones that no key takes.
KeyInput inputOfByte(std::uint8_t byte);
// The byte for a replay token, for seeds made from the trace scripts.
std::optional<std::uint8_t> byteOfToken(std::string_view token);
