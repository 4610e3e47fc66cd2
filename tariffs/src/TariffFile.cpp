#include "tariffs/TariffFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <random>
#include <system_error>

#include "tariffs/Errors.h"

namespace hovorix {

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

// Reads a file into the reader as its bytes arrive, a piece at a time: the
// piece stays in the processor's cache, and a file of any size needs no more
// memory than its longest line. Returns 0, or the error code of a failed
// read; the lines that arrived whole before it have been read.
int readLines(int fd, TariffReader& reader) {
    constexpr char CR = '\r';
    constexpr char LF = '\n';
    constexpr char CtrlZ = '\x1a';
    constexpr std::size_t Piece = 1 << 16;
    std::unique_ptr<char[]> buffer(new char[2 * Piece]);
    std::size_t capacity = 2 * Piece;
    std::size_t used = 0;  // bytes of lines not yet complete
    auto sink = [&reader](std::string_view line) { reader.line(line); };
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
        const std::string_view bytes(buffer.get(), used + static_cast<std::size_t>(got));
        const std::string_view fresh = bytes.substr(used);
        if (got == 0 || fresh.find(CtrlZ) != std::string_view::npos) {
            forEachLine(bytes, sink);  // the last line needs no line end
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

int openForReading(const fs::path& path, bool createIfMissing) {
    int flags = O_RDONLY | O_CLOEXEC;
    int fd = ::open(path.c_str(), flags);
    if (fd < 0 && errno == ENOENT && createIfMissing) {
        // A missing file is created empty, as a new tariff file.
        const int created = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST) return -1;
        if (created >= 0) ::close(created);
        fd = ::open(path.c_str(), flags);
    }
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

// The file a path finally names, following symbolic links (also dangling ones,
// whose target the save then creates).
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

std::optional<fs::path> findCalculatorFile(const fs::path& folder) {
    std::error_code error;
    const fs::path exact = folder / CalculatorFileName;
    if (fs::exists(fs::symlink_status(exact, error))) return exact;
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (equalsIgnoringAsciiCase(name, CalculatorFileName) && (!found || name < found->filename().string())) {
            found = it->path();
        }
    }
    return found;
}

void readTariffFile(const fs::path& path, TariffList& list, std::string& version, const ReadFileOptions& options,
                    const ReaderEvents& events) {
    const Descriptor file(openForReading(path, options.createIfMissing));
    if (file.get() < 0) throw OpenError(path, errno);
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
    if (const int failure = readLines(file.get(), reader)) throw ReadError(path, failure, reader.linesRead() + 1);
}

int SaveIo::openExclusive(const char* path, unsigned mode) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
}
long SaveIo::write(int fd, const char* data, unsigned long size) { return ::write(fd, data, size); }
int SaveIo::fsync(int fd) { return ::fsync(fd); }
int SaveIo::fchmod(int fd, unsigned mode) { return ::fchmod(fd, static_cast<mode_t>(mode)); }
int SaveIo::close(int fd) { return ::close(fd); }
int SaveIo::rename(const char* from, const char* to) { return ::rename(from, to); }
int SaveIo::unlink(const char* path) { return ::unlink(path); }

SaveIo& systemSaveIo() {
    static SaveIo io;
    return io;
}

void saveFile(const fs::path& path, std::string_view bytes, SaveIo& io) {
    using Stage = WriteError::Stage;
    const fs::path target = resolveLinks(path);

    // What stands there now decides the permission bits of the new file, and
    // whether we may replace it at all.
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) throw WriteError(path, EISDIR, Stage::Create);
        if (::access(target.c_str(), W_OK) != 0) throw WriteError(path, errno, Stage::Create);
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / temporaryName(target);
        fd = io.openExclusive(temporary.c_str(), 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) throw WriteError(path, errno, Stage::Create);

    auto fail = [&](int code, bool open) {
        if (open) io.close(fd);
        io.unlink(temporary.c_str());
        throw WriteError(path, code, Stage::Write);
    };

    if (exists && io.fchmod(fd, existing.st_mode & 07777) != 0) fail(errno, true);
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const long written = io.write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            fail(errno, true);
        }
        if (written == 0) fail(EIO, true);
        data += written;
        left -= static_cast<std::size_t>(written);
    }
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

}  // namespace hovorix
