// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/FileStamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>
#include <string_view>

namespace hovorix::tariffs {

namespace {

FileStamp cheapFields(const struct stat& info) {
    FileStamp stamp;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = static_cast<std::uintmax_t>(info.st_size);
    stamp.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.changedNs = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
    return stamp;
}

// The stamp of an open file: its fields as fstat gives them and the hash of
// every byte it holds. nullopt on a read error.
std::optional<FileStamp> stampOpenFile(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::nullopt;
    FileStamp stamp = cheapFields(info);
    std::string bytes;
    bytes.reserve(stamp.size);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    // What was read, not what fstat said before: the file may have grown.
    stamp.size = bytes.size();
    stamp.hash = std::hash<std::string_view>{}(bytes);
    return stamp;
}

}  // namespace

std::optional<FileStamp> stampFile(const std::filesystem::path& path) {
    // Without waiting: a pipe or a device put in the file's place has no
    // bytes to compare.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<FileStamp> stamp;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) stamp = stampOpenFile(fd);
    ::close(fd);
    return stamp;
}

FileChange compareFile(const FileStamp& known, const std::filesystem::path& path, FileStamp* now,
                       Comparison comparison) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FileChange::Gone;
    const FileStamp cheap = cheapFields(info);
    if (comparison == Comparison::CheapFieldsFirst && cheap.sameFileAs(known) && cheap.size == known.size &&
        cheap.modifiedNs == known.modifiedNs && cheap.changedNs == known.changedNs) {
        if (now) *now = known;
        return FileChange::Same;
    }
    const std::optional<FileStamp> current = stampFile(path);
    if (!current) return FileChange::Gone;
    if (now) *now = *current;
    return current->size == known.size && current->hash == known.hash ? FileChange::Same : FileChange::Changed;
}

}  // namespace hovorix::tariffs
