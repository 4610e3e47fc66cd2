// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cerrno>

#include "tariffs/TariffFile.h"

// A save whose one chosen call fails the way the system would: every time,
// or only the first times (-1: always). A full disk takes half of the first
// write before it refuses.
class FailingIo : public hovorix::tariffs::SaveIo {
public:
    enum class Call {
        Open,
        Read,
        Reserve,
        Write,
        Cut,
        Fsync,
        Chmod,
        Chown,
        Close,
        Rename,
        ListXattr,
        SetXattr,
        RemoveXattr,
        None
    };
    FailingIo(Call call, int code, int times = -1) : call_(call), code_(code), times_(times) {}

    int openExclusive(const char* path, unsigned mode) override {
        return fails(Call::Open) ? fail() : hovorix::tariffs::SaveIo::openExclusive(path, mode);
    }
    long pread(int fd, char* data, unsigned long size, long offset) override {
        return fails(Call::Read) ? fail() : hovorix::tariffs::SaveIo::pread(fd, data, size, offset);
    }
    int fallocate(int fd, int mode, long offset, long length) override {
        return fails(Call::Reserve) ? fail() : hovorix::tariffs::SaveIo::fallocate(fd, mode, offset, length);
    }
    long write(int fd, const char* data, unsigned long size) override {
        // A full disk takes part of the data before it refuses the rest.
        if (call_ == Call::Write && !shortened_ && size > 1) {
            shortened_ = true;
            return hovorix::tariffs::SaveIo::write(fd, data, size / 2);
        }
        return fails(Call::Write) ? fail() : hovorix::tariffs::SaveIo::write(fd, data, size);
    }
    int ftruncate(int fd, long size) override {
        return fails(Call::Cut) ? fail() : hovorix::tariffs::SaveIo::ftruncate(fd, size);
    }
    int fsync(int fd) override { return fails(Call::Fsync) ? fail() : hovorix::tariffs::SaveIo::fsync(fd); }
    int fchmod(int fd, unsigned mode) override {
        return fails(Call::Chmod) ? fail() : hovorix::tariffs::SaveIo::fchmod(fd, mode);
    }
    int fchown(int fd, unsigned owner, unsigned group) override {
        return fails(Call::Chown) ? fail() : hovorix::tariffs::SaveIo::fchown(fd, owner, group);
    }
    int close(int fd) override {
        if (!fails(Call::Close)) return hovorix::tariffs::SaveIo::close(fd);
        hovorix::tariffs::SaveIo::close(fd);
        return fail();
    }
    int rename(const char* from, const char* to) override {
        return fails(Call::Rename) ? fail() : hovorix::tariffs::SaveIo::rename(from, to);
    }
    long flistxattr(int fd, char* names, unsigned long size) override {
        return fails(Call::ListXattr) ? fail() : hovorix::tariffs::SaveIo::flistxattr(fd, names, size);
    }
    int fsetxattr(int fd, const char* name, const void* value, unsigned long size, int flags) override {
        return fails(Call::SetXattr) ? fail() : hovorix::tariffs::SaveIo::fsetxattr(fd, name, value, size, flags);
    }
    int fremovexattr(int fd, const char* name) override {
        return fails(Call::RemoveXattr) ? fail() : hovorix::tariffs::SaveIo::fremovexattr(fd, name);
    }

private:
    bool fails(Call call) {
        if (call != call_ || times_ == 0) return false;
        if (times_ > 0) --times_;
        return true;
    }
    int fail() const {
        errno = code_;
        return -1;
    }
    Call call_;
    int code_;
    int times_;
    bool shortened_ = false;
};
