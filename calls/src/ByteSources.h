// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// The bytes of a call list, a block at a time, from a file or from memory,
// so a list of any length is read in bounded memory.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace hovorix::calls {

class Source {
public:
    virtual ~Source() = default;
    // The next block; empty at the end.
    virtual std::string_view next() = 0;
    virtual void rewind() = 0;
    virtual std::uint64_t size() const = 0;
};

class MemorySource : public Source {
public:
    explicit MemorySource(std::string_view content) : content_(content) {}
    std::string_view next() override {
        const std::string_view block = content_.substr(position_, BlockSize);
        position_ += block.size();
        return block;
    }
    void rewind() override { position_ = 0; }
    std::uint64_t size() const override { return content_.size(); }

    // Blocks as small as a file's would be, so both take the same paths.
    static constexpr std::size_t BlockSize = 1 << 20;

private:
    std::string_view content_;
    std::size_t position_ = 0;
};

// Throws CallListError (OpenFailed, ReadFailed) with the system's reason.
// A pipe, which cannot be read again from its start, is kept as it is read
// in a temporary file, and read again from there.
class FileSource : public Source {
public:
    explicit FileSource(const std::filesystem::path& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::string_view next() override;
    void rewind() override;
    std::uint64_t size() const override { return size_; }

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::vector<char> buffer_;
    std::FILE* spool_ = nullptr;  // what a pipe gave
    std::uint64_t spooled_ = 0;
    std::optional<std::uint64_t> replayAt_;  // reading the spool again, from here
};

}  // namespace hovorix::calls
