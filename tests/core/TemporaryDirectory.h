// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Makes a fresh directory the working directory for the life of the object:
// the converter's files are relative to it.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes a file in it, byte for byte.
    void write(const std::string& name, std::string_view bytes) const;
    // A file's bytes, or "(none)" when there is no such file.
    std::string read(const std::string& name) const;
    // The names of the entries in it, sorted, comma-separated.
    std::string listing() const;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
