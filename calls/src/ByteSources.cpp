// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ByteSources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "calls/CallListError.h"

namespace hovorix::calls {

namespace {

std::string systemReason(int code) {
    switch (code) {
    case ENOENT: return "soubor neexistuje";
    case EACCES:
    case EPERM: return "chybí právo soubor číst";
    case EISDIR: return "je to složka, ne soubor";
    default: return std::generic_category().message(code);
    }
}

[[noreturn]] void fail(Problem problem, const std::string& what) {
    throw CallListError(problem, what + systemReason(errno) + ".", 0);
}

}  // namespace

FileSource::FileSource(const std::filesystem::path& path) : buffer_(MemorySource::BlockSize) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) fail(Problem::OpenFailed, "Soubor nelze otevřít: ");
    struct stat info {};
    if (::fstat(fd_, &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            ::close(fd_);
            throw CallListError(Problem::OpenFailed, "Soubor nelze otevřít: " + systemReason(EISDIR) + ".", 0);
        }
        size_ = static_cast<std::uint64_t>(info.st_size);
    }
}

FileSource::~FileSource() { ::close(fd_); }

std::string_view FileSource::next() {
    std::size_t filled = 0;
    while (filled < buffer_.size()) {
        const ssize_t got = ::read(fd_, buffer_.data() + filled, buffer_.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail(Problem::ReadFailed, "Soubor nelze přečíst: ");
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    return {buffer_.data(), filled};
}

void FileSource::rewind() {
    if (::lseek(fd_, 0, SEEK_SET) != 0) fail(Problem::ReadFailed, "Soubor nelze přečíst znovu od začátku: ");
}

}  // namespace hovorix::calls
