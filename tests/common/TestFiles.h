// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards;
// in the system's temporary folder unless another is named.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::filesystem::path& under = std::filesystem::temp_directory_path()) {
        std::random_device random;
        path_ = under / ("hovorix-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Another program puts other bytes into the file and sets its times back, as
// a backup restored with cp -p, touch -r or rsync --inplace -t is: the file
// keeps its inode, its modification time, and its size where the bytes are
// as many. Only its change time, which no program can set, moves on; the
// coarse clock the file system takes it from is first let pass the file's
// last change, a few milliseconds at most.
inline void restoreKeepingTimes(const std::filesystem::path& path, const std::string& bytes) {
    struct stat before {};
    if (::stat(path.c_str(), &before) != 0) return;
    timespec now{};
    do {
        ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    } while (now.tv_sec < before.st_ctim.tv_sec ||
             (now.tv_sec == before.st_ctim.tv_sec && now.tv_nsec <= before.st_ctim.tv_nsec));
    writeBytes(path, bytes);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// The user whose rights the permission tests take: root may write anywhere.
inline constexpr uid_t UnprivilegedUser = 65534;

// Runs check in a child process without root's privileges, so permission
// checks bite even when the tests run as root; the folder becomes that
// user's. Returns the child's verdict.
inline bool asUnprivilegedUser(const std::filesystem::path& folder, const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0) {
            if (chown(folder.c_str(), UnprivilegedUser, UnprivilegedUser) != 0 || setgid(UnprivilegedUser) != 0 ||
                setuid(UnprivilegedUser) != 0) {
                _exit(3);
            }
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A small tmpfs mounted at a folder for as long as it lives, so a disk can
// really fill up. Mounting needs root's rights; where it is refused,
// mounted() is false and error() says why.
class SmallTmpfs {
public:
    SmallTmpfs(const std::filesystem::path& at, const char* size) : path_(at) {
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, (std::string("size=") + size).c_str()) == 0;
        if (!mounted_) error_ = errno;
    }
    ~SmallTmpfs() {
        if (mounted_) ::umount(path_.c_str());
    }
    SmallTmpfs(const SmallTmpfs&) = delete;
    SmallTmpfs& operator=(const SmallTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    int error() const { return error_; }
    // Gives the mounted disk a new size, keeping what it holds.
    bool resize(const char* size) {
        return ::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT, (std::string("size=") + size).c_str()) == 0;
    }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    int error_ = 0;
};
