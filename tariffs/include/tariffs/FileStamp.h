// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace hovorix::tariffs {

// What a program remembers of the tariff file it read or saved, to notice
// when another program (a second editor, a text editor, a sync tool) has
// changed it since. Only the bytes count: the cheap fields merely decide
// whether the bytes must be read again, so a touch, a copy with the same
// bytes or a replacement by rename that keeps them is no change. The change
// time is among them because no program can set it back: a backup copied
// over the file with its times kept (cp -p, touch -r, rsync -t) keeps the
// inode, the size and the modification time, but not that.
struct FileStamp {
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;  // of the inode: any write, chmod, link or rename
    std::size_t hash = 0;        // of the bytes, within this run of the program

    bool sameFileAs(const FileStamp& other) const { return device == other.device && inode == other.inode; }
};

// The file as it is now, following symbolic links; nullopt when it is gone
// or cannot be read.
std::optional<FileStamp> stampFile(const std::filesystem::path& path);

enum class FileChange { Same, Changed, Gone };

enum class Comparison {
    // The bytes are read only when a cheap field differs: for checks that
    // run again and again while the program waits.
    CheapFieldsFirst,
    // The bytes are always read: before a save over the file, where a change
    // within one tick of the file system's clock must not slip through.
    Content,
};

// Compares the file at path with what was remembered. now, when given,
// receives the file's current stamp (unchanged when the file is gone).
FileChange compareFile(const FileStamp& known, const std::filesystem::path& path, FileStamp* now = nullptr,
                       Comparison comparison = Comparison::CheapFieldsFirst);

}  // namespace hovorix::tariffs
