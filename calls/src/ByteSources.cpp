// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "ByteSources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
        if (S_ISREG(info.st_mode)) {
            size_ = static_cast<std::uint64_t>(info.st_size);
        } else {
            // Without it, reading again fails when it comes to that.
            spool_ = std::tmpfile();
        }
    }
}

FileSource::~FileSource() {
    ::close(fd_);
    if (spool_ != nullptr) std::fclose(spool_);
}

std::string_view FileSource::next() {
    if (replayAt_ && *replayAt_ < spooled_) {
        const std::size_t wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), spooled_ - *replayAt_));
        std::size_t filled = 0;
        while (filled < wanted) {
            const ssize_t got = ::pread(::fileno(spool_), buffer_.data() + filled, wanted - filled,
                                        static_cast<off_t>(*replayAt_ + filled));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) fail(Problem::ReadFailed, "Soubor nelze přečíst znovu od začátku: ");
            filled += static_cast<std::size_t>(got);
        }
        *replayAt_ += filled;
        return {buffer_.data(), filled};
    }
    replayAt_.reset();
    std::size_t filled = 0;
    while (filled < buffer_.size()) {
        const ssize_t got = ::read(fd_, buffer_.data() + filled, buffer_.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail(Problem::ReadFailed, "Soubor nelze přečíst: ");
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (spool_ != nullptr) {
        for (std::size_t written = 0; written < filled;) {
            const ssize_t put = ::pwrite(::fileno(spool_), buffer_.data() + written, filled - written,
                                         static_cast<off_t>(spooled_ + written));
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) fail(Problem::ReadFailed, "Soubor nelze přečíst: ");
            written += static_cast<std::size_t>(put);
        }
        spooled_ += filled;
    }
    return {buffer_.data(), filled};
}

void FileSource::rewind() {
    if (spool_ != nullptr) {
        replayAt_ = 0;
        return;
    }
    if (::lseek(fd_, 0, SEEK_SET) != 0) fail(Problem::ReadFailed, "Soubor nelze přečíst znovu od začátku: ");
}

}  // namespace hovorix::calls
