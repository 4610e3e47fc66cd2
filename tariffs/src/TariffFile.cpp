// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/TariffFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>
#include <vector>

#include "tariffs/Errors.h"

namespace hovorix::tariffs {

namespace fs = std::filesystem;

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// LF alone ends a line too: each LF that does not follow a CR becomes a CR,
// which the line rule ends a line at. lastByte is the byte before the piece,
// as the file holds it.
void lfToCr(char* piece, std::size_t size, char& lastByte) {
    for (std::size_t i = 0; i < size; ++i) {
        const char byte = piece[i];
        if (byte == '\n' && lastByte != '\r') piece[i] = '\r';
        lastByte = byte;
    }
}

// Reads a file into the reader as its bytes arrive, a piece at a time: the
// piece stays in the processor's cache, and a file of any size needs no more
// memory than its longest line. Returns 0, or the error code of a failed
// read; the lines that arrived whole before it have been read.
int readLines(int fd, TariffReader& reader, bool lfEndsLines) {
    constexpr char CR = '\r';
    constexpr char LF = '\n';
    constexpr char CtrlZ = '\x1a';
    constexpr std::size_t Piece = 1 << 16;
    std::unique_ptr<char[]> buffer(new char[2 * Piece]);
    std::size_t capacity = 2 * Piece;
    std::size_t used = 0;  // bytes of lines not yet complete
    auto sink = [&reader](std::string_view line) { reader.line(line); };
    char lastByte = '\0';
    for (;;) {
        if (capacity - used < Piece) {
            // A line longer than a piece: room for more of it.
            std::unique_ptr<char[]> larger(new char[capacity * 2]);
            std::memcpy(larger.get(), buffer.get(), used);
            buffer = std::move(larger);
            capacity *= 2;
        }
        const ssize_t got = ::read(fd, buffer.get() + used, capacity - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (lfEndsLines) lfToCr(buffer.get() + used, static_cast<std::size_t>(got), lastByte);
        const std::string_view bytes(buffer.get(), used + static_cast<std::size_t>(got));
        const std::size_t end = bytes.substr(used).find(CtrlZ);
        if (got == 0 || end != std::string_view::npos) {
            forEachLine(bytes, sink);  // the last line needs no line end
            if (end != std::string_view::npos && reader.wantsTextAfterEnd()) {
                const std::size_t ctrlZ = used + end;
                const bool atStart = atLineStart(bytes.substr(0, ctrlZ));
                TextAfterEnd after;
                after.look(bytes.substr(ctrlZ + 1));
                // The rest of the file is only looked at; a failing read ends
                // the look, since every line has been read.
                for (ssize_t more; (more = ::read(fd, buffer.get(), capacity)) != 0;) {
                    if (more < 0 && errno == EINTR) continue;
                    if (more < 0) break;
                    after.look(std::string_view(buffer.get(), static_cast<std::size_t>(more)));
                }
                reader.endedAtCtrlZ(atStart, after.linesOfText());
            }
            return 0;
        }
        // Lines are complete up to the last CR that has a byte after it: that
        // byte tells whether an LF belongs to the line end.
        std::size_t cut = bytes.size() >= 2 ? bytes.rfind(CR, bytes.size() - 2) : std::string_view::npos;
        if (cut == std::string_view::npos) {
            used = bytes.size();
            continue;
        }
        cut += bytes[cut + 1] == LF ? 2 : 1;
        forEachLine(bytes.substr(0, cut), sink);
        used = bytes.size() - cut;
        std::memmove(buffer.get(), buffer.get() + cut, used);
    }
}

// The file a path finally names, following symbolic links (also dangling ones,
// whose target a save or the editor's read then creates).
fs::path resolveLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        fs::path target = fs::read_symlink(path, error);
        if (error) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// Where a symbolic link stands at the path: the file it finally leads to, as
// a message names it. Empty where there is no link, or where the links lead
// round in a circle to no file.
fs::path linkTargetOf(const fs::path& path, const fs::path& resolved) {
    std::error_code error;
    if (resolved == path || fs::is_symlink(fs::symlink_status(resolved, error))) return {};
    const fs::path absolute = fs::absolute(resolved, error);
    return error ? resolved : absolute.lexically_normal();
}

OpenError openError(const fs::path& path) {
    const int code = errno;
    return OpenError(path, code, linkTargetOf(path, resolveLinks(path)));
}

int openForReading(const fs::path& path, const ReadFileOptions& options) {
    // Without waiting: opening a pipe for reading would wait for a writer.
    const int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | (options.regularFileOnly ? O_NONBLOCK : 0);
    int fd = ::open(path.c_str(), flags);
    if (fd < 0 && errno == ENOENT && options.createIfMissing) {
        // A missing file is created empty, as a new tariff file; where a
        // symbolic link leading nowhere stands in its place, the file it
        // leads to. (The kernel has followed the link already: one it refuses
        // to follow gives no ENOENT.)
        const int created = ::open(resolveLinks(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST) return -1;
        if (created >= 0) ::close(created);
        fd = ::open(path.c_str(), flags);
    }
    if (fd < 0) return -1;
    struct stat info {};
    int refused = 0;
    if (::fstat(fd, &info) != 0) {
        refused = errno;
    } else if (S_ISDIR(info.st_mode)) {
        refused = EISDIR;
    } else if (options.regularFileOnly && !S_ISREG(info.st_mode)) {
        refused = EINVAL;
    }
    if (refused) {
        ::close(fd);
        errno = refused;
        return -1;
    }
    // A regular file never makes a read wait; the flag goes with the pipes.
    if (options.regularFileOnly) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string temporaryName(const fs::path& target) {
    static std::mt19937_64 random{std::random_device{}()};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    // A hidden name beside the target: ".tarif.ini.k3x9q0ab.tmp".
    std::string name(1, '.');
    name += target.filename().string();
    name += '.';
    for (int i = 0; i < 8; ++i) name += Letters[random() % (sizeof Letters - 1)];
    name += ".tmp";
    return name;
}

}  // namespace

std::optional<fs::path> findTariffFile(const fs::path& folder) {
    std::error_code error;
    for (const std::string_view name : {CalculatorFileName, EditorFileName}) {
        const fs::path direct = folder / name;
        if (fs::exists(fs::symlink_status(direct, error))) return direct;
    }
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (equalsIgnoringAsciiCase(name, CalculatorFileName) && (!found || name < found->filename().string())) {
            found = it->path();
        }
    }
    return found;
}

FileShape examineTariffFile(const fs::path& path, const ReadFileOptions& options) {
    const Descriptor file(openForReading(path, options));
    if (file.get() < 0) throw openError(path);
    FileShape shape;
    bool sawLf = false;
    bool sawCrLf = false;
    char last = '\0';         // the byte before, as the file holds it
    bool lineOpen = false;    // bytes since the last line end
    bool lfLineOpen = false;  // the same where LF ends lines too
    std::size_t lines = 0;    // ends of lines by the rule and with LF
    std::size_t lfLines = 0;
    std::unique_ptr<char[]> buffer(new char[1 << 16]);
    for (bool ended = false; !ended;) {
        const ssize_t got = ::read(file.get(), buffer.get(), 1 << 16);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // the read itself reports an error
        for (ssize_t i = 0; i < got; ++i) {
            const char byte = buffer[static_cast<std::size_t>(i)];
            switch (byte) {
            case '\x1a': ended = true; break;
            case '\0':
                shape.holdsNul = true;
                lineOpen = lfLineOpen = true;
                break;
            case '\r':
                ++lines, ++lfLines;
                lineOpen = lfLineOpen = false;
                break;
            case '\n':
                sawLf = true;
                if (last == '\r') {
                    sawCrLf = true;
                    break;
                }
                lineOpen = true;
                ++lfLines;
                lfLineOpen = false;
                break;
            default: lineOpen = lfLineOpen = true;
            }
            if (ended) break;
            last = byte;
        }
    }
    shape.lfEnded = sawLf && !sawCrLf;
    shape.linesByRule = lines + (lineOpen ? 1 : 0);
    shape.linesWithLf = lfLines + (lfLineOpen ? 1 : 0);
    return shape;
}

void readTariffFile(const fs::path& path, TariffList& list, std::string& version, const ReadFileOptions& options,
                    const ReaderEvents& events) {
    const Descriptor file(openForReading(path, options));
    if (file.get() < 0) throw openError(path);
    // A tariff takes a few hundred bytes of its file; room for one per 200
    // bytes covers what the editor writes. Only the memory the tariffs fill
    // is ever touched.
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode)) {
        constexpr std::size_t BytesPerTariff = 200;
        constexpr std::size_t MostReserved = 1'000'000;
        list.reserve(list.count() + std::min(static_cast<std::size_t>(info.st_size) / BytesPerTariff, MostReserved));
    }
    TariffReader reader(list, version, options.decimalSeparator, events);
    if (const int failure = readLines(file.get(), reader, options.lfEndsLines)) {
        throw ReadError(path, failure, reader.linesRead() + 1);
    }
}

int SaveIo::openExclusive(const char* path, unsigned mode) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
}
int SaveIo::openExisting(const char* path) { return ::open(path, O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); }
long SaveIo::pread(int fd, char* data, unsigned long size, long offset) {
    return ::pread(fd, data, size, static_cast<off_t>(offset));
}
long SaveIo::write(int fd, const char* data, unsigned long size) { return ::write(fd, data, size); }
int SaveIo::fallocate(int fd, int mode, long offset, long length) {
    return ::fallocate(fd, mode, static_cast<off_t>(offset), static_cast<off_t>(length));
}
int SaveIo::ftruncate(int fd, long size) { return ::ftruncate(fd, static_cast<off_t>(size)); }
int SaveIo::fsync(int fd) { return ::fsync(fd); }
int SaveIo::fchmod(int fd, unsigned mode) { return ::fchmod(fd, static_cast<mode_t>(mode)); }
int SaveIo::fchown(int fd, unsigned owner, unsigned group) {
    return ::fchown(fd, static_cast<uid_t>(owner), static_cast<gid_t>(group));
}
int SaveIo::close(int fd) { return ::close(fd); }
int SaveIo::rename(const char* from, const char* to) { return ::rename(from, to); }
int SaveIo::unlink(const char* path) { return ::unlink(path); }
long SaveIo::flistxattr(int fd, char* names, unsigned long size) { return ::flistxattr(fd, names, size); }
long SaveIo::fgetxattr(int fd, const char* name, void* value, unsigned long size) {
    return ::fgetxattr(fd, name, value, size);
}
int SaveIo::fsetxattr(int fd, const char* name, const void* value, unsigned long size, int flags) {
    return ::fsetxattr(fd, name, value, size, flags);
}
int SaveIo::fremovexattr(int fd, const char* name) { return ::fremovexattr(fd, name); }

SaveIo& systemSaveIo() {
    static SaveIo io;
    return io;
}

namespace {

// Writes all the bytes; 0, or the error code.
int writeAll(SaveIo& io, int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const long written = io.write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// The access-control list as the file system keeps it.
constexpr std::string_view AccessAcl = "system.posix_acl_access";

// What a save carries over from the old file besides owner, group and mode:
// the access-control list and the user's own attributes. Others (a security
// label, say) are the system's to set.
bool carriedOver(std::string_view name) { return name == AccessAcl || name.starts_with("user."); }

// The names of the file's extended attributes; empty where the file system
// keeps none. 0, or the error code.
int attributeNames(SaveIo& io, int fd, std::vector<std::string>& names) {
    names.clear();
    for (;;) {
        const long size = io.flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == ENOTSUP ? 0 : errno;
        std::string list(static_cast<std::size_t>(size), '\0');
        const long got = size == 0 ? 0 : io.flistxattr(fd, list.data(), list.size());
        if (got < 0 && errno == ERANGE) continue;  // an attribute came meanwhile
        if (got < 0) return errno;
        list.resize(static_cast<std::size_t>(got));
        for (std::size_t start = 0; start < list.size();) {
            const std::size_t end = list.find('\0', start);
            const std::size_t stop = end == std::string::npos ? list.size() : end;
            if (stop > start) names.emplace_back(list, start, stop - start);
            start = stop + 1;
        }
        return 0;
    }
}

// Gives the new file the old one's access-control list and user.* attributes,
// and takes away a list the new file inherited from the folder's default
// that the old file did not have. 0, or the error code of the first call
// that failed.
int carryAttributesOver(SaveIo& io, int from, int to) {
    std::vector<std::string> old;
    if (const int code = attributeNames(io, from, old)) return code;
    bool oldAcl = false;
    for (const std::string& name : old) {
        if (!carriedOver(name)) continue;
        oldAcl = oldAcl || name == AccessAcl;
        std::string value;
        long got = 0;
        do {
            const long size = io.fgetxattr(from, name.c_str(), nullptr, 0);
            if (size < 0) return errno;
            value.assign(static_cast<std::size_t>(size), '\0');
            got = size == 0 ? 0 : io.fgetxattr(from, name.c_str(), value.data(), value.size());
        } while (got < 0 && errno == ERANGE);
        if (got < 0) return errno;
        if (io.fsetxattr(to, name.c_str(), value.data(), static_cast<unsigned long>(got), 0) != 0) return errno;
    }
    if (oldAcl) return 0;
    std::vector<std::string> fresh;
    if (const int code = attributeNames(io, to, fresh)) return code;
    for (const std::string& name : fresh) {
        if (name == AccessAcl && io.fremovexattr(to, name.c_str()) != 0) return errno;
    }
    return 0;
}

// Reads the whole file from its start into bytes; 0, or the error code.
int readAll(SaveIo& io, int fd, std::string& bytes) {
    bytes.clear();
    char piece[1 << 16];
    for (;;) {
        const long got = io.pread(fd, piece, sizeof piece, static_cast<long>(bytes.size()));
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) return 0;
        bytes.append(piece, static_cast<std::size_t>(got));
    }
}

// Writes the bytes over the existing file itself, which keeps its place in
// every folder that links it, its owner, group and permissions. The old
// content is overwritten before the rest is cut off, so the file is never
// seen empty; flushed to disk before it counts as saved.
//
// Every other link sees the file as it is written, so nothing may go wrong
// half way: the old bytes are read before a byte is changed, the room the
// new ones need is reserved first (a full disk then refuses the save before
// it starts), and when a write, the cut or the flush fails all the same, the
// old bytes are written back.
void rewriteInPlace(const fs::path& path, const fs::path& target, std::string_view bytes, SaveIo& io) {
    using Stage = WriteError::Stage;
    using OldFile = WriteError::OldFile;
    const fs::path link = linkTargetOf(path, target);
    const int fd = io.openExisting(target.c_str());
    if (fd < 0) throw WriteError(path, errno, Stage::Create, OldFile::Unchanged, link);
    auto refuse = [&](int code) {
        io.close(fd);
        throw WriteError(path, code, Stage::Write, OldFile::Unchanged, link);
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0) refuse(errno);
    if (!S_ISREG(info.st_mode)) refuse(EINVAL);  // no longer the file that was looked at
    std::string old;
    if (const int code = readAll(io, fd, old)) refuse(code);
    if (bytes.size() > old.size()) {
        // Only the call itself: posix_fallocate, where the file system cannot
        // reserve, writes into the file, which is what must not happen yet.
        int reserved = 0;
        do {
            reserved = io.fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<long>(bytes.size()));
        } while (reserved != 0 && errno == EINTR);
        if (reserved != 0 && errno != EOPNOTSUPP && errno != ENOSYS) refuse(errno);
    }

    auto restore = [&](int code) {
        const bool restored = ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(io, fd, old) == 0 &&
                              io.ftruncate(fd, static_cast<long>(old.size())) == 0 && io.fsync(fd) == 0;
        io.close(fd);
        throw WriteError(path, code, Stage::Write, restored ? OldFile::Unchanged : OldFile::Damaged, link);
    };
    if (const int code = writeAll(io, fd, bytes)) restore(code);
    if (io.ftruncate(fd, static_cast<long>(bytes.size())) != 0) restore(errno);
    if (io.fsync(fd) != 0) restore(errno);
    // The new bytes are on the disk: closing has nothing left to lose.
    io.close(fd);
}

}  // namespace

void saveFile(const fs::path& path, std::string_view bytes, SaveIo& io) {
    using Stage = WriteError::Stage;
    using OldFile = WriteError::OldFile;
    const fs::path target = resolveLinks(path);
    const fs::path link = linkTargetOf(path, target);

    // What stands there now decides the permission bits, owner and group of
    // the new file, and whether we may replace it at all.
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) throw WriteError(path, EISDIR, Stage::Create, OldFile::None, link);
        // A pipe would make the save wait, and a device is no tariff file.
        if (!S_ISREG(existing.st_mode)) throw WriteError(path, EINVAL, Stage::Create, OldFile::None, link);
        if (::access(target.c_str(), W_OK) != 0) {
            throw WriteError(path, errno, Stage::Create, OldFile::Unchanged, link);
        }
        // A new file would leave the other links with the old content.
        if (existing.st_nlink > 1) return rewriteInPlace(path, target, bytes, io);
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / temporaryName(target);
        fd = io.openExclusive(temporary.c_str(), 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        const int code = errno;
        // A folder the user may not write, holding a file he may: the file
        // itself is all he can change. A full disk or anything else is
        // reported, never worked around.
        if (exists && (code == EACCES || code == EPERM)) return rewriteInPlace(path, target, bytes, io);
        throw WriteError(path, code, Stage::Create, exists ? OldFile::Unchanged : OldFile::None, link);
    }

    auto discard = [&] {
        io.close(fd);
        io.unlink(temporary.c_str());
    };
    auto fail = [&](int code, bool open) {
        if (open) io.close(fd);
        io.unlink(temporary.c_str());
        // The old file is never touched before the rename.
        throw WriteError(path, code, Stage::Write, exists ? OldFile::Unchanged : OldFile::None, link);
    };

    if (exists) {
        // The file stays its owner's: a save by root or by a member of its
        // group must not take it away from him. Where that cannot be kept,
        // the file itself is written.
        struct stat created {};
        if (::fstat(fd, &created) != 0) fail(errno, true);
        if ((created.st_uid != existing.st_uid || created.st_gid != existing.st_gid) &&
            io.fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            if (errno != EPERM) fail(errno, true);
            discard();
            return rewriteInPlace(path, target, bytes, io);
        }
        // So do its access-control list and attributes: without them the
        // users the list names lose their access, and the list's mask would
        // end up as the group's bits. Where they cannot be carried over (a
        // file system without them, a file we may not read), the file itself
        // keeps them.
        const Descriptor old(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (old.get() < 0 || carryAttributesOver(io, old.get(), fd) != 0) {
            discard();
            return rewriteInPlace(path, target, bytes, io);
        }
        // After the list: the group's bits are its mask, and stay as they were.
        if (io.fchmod(fd, existing.st_mode & 07777) != 0) fail(errno, true);
    }
    if (const int code = writeAll(io, fd, bytes)) fail(code, true);
    if (io.fsync(fd) != 0) fail(errno, true);
    if (io.close(fd) != 0) fail(errno, false);
    if (io.rename(temporary.c_str(), target.c_str()) != 0) fail(errno, false);

    // Make the rename itself durable; a failure here loses nothing.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace hovorix::tariffs
