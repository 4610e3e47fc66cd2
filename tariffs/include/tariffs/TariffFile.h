#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tariffs/TariffReader.h"

namespace hovorix {

// The calculator's tariff file: "Tarif.ini" in the folder when it is there,
// otherwise a file whose name equals it ignoring case (the editor writes
// "tarif.ini"; on case-sensitive file systems the two differ). nullopt when
// there is none.
std::optional<std::filesystem::path> findCalculatorFile(const std::filesystem::path& folder);

inline constexpr std::string_view CalculatorFileName = "Tarif.ini";
inline constexpr std::string_view EditorFileName = "tarif.ini";
// The data version of a list until a file or the user sets one; a file
// without a "verze " line is saved with it.
inline constexpr std::string_view EditorStartVersion = "1.0";

struct ReadFileOptions {
    char decimalSeparator = ',';
    // The editor creates a missing file empty and reads it as empty.
    bool createIfMissing = false;
};

// Reads a tariff file into the list (appending) and the data version.
// Throws OpenError when the file can be neither opened nor (where asked)
// created, ReadError on an input/output error and ConversionError on a
// malformed number; in the last two cases the lines before the failing one
// have been applied.
void readTariffFile(const std::filesystem::path& path, TariffList& list, std::string& version,
                    const ReadFileOptions& options, const ReaderEvents& events = {});

// The operating-system calls the save goes through, so tests can make any of
// them fail the way a full disk or a vanished folder would.
class SaveIo {
public:
    virtual ~SaveIo() = default;
    // Each returns what the POSIX call returns and leaves errno set on failure.
    virtual int openExclusive(const char* path, unsigned mode);
    virtual long write(int fd, const char* data, unsigned long size);
    virtual int fsync(int fd);
    virtual int fchmod(int fd, unsigned mode);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

SaveIo& systemSaveIo();

// Saves bytes as the file at path without ever damaging what is there: the
// bytes go to a temporary file in the same folder, which is flushed to disk
// and renamed over the target only when everything was written. A symbolic
// link is written through to the file it points to; the replaced file keeps
// its permission bits. A target that is a folder or that the user may not
// write is refused as a file that cannot be created. Throws WriteError with
// the operating system's code; the temporary file never stays behind.
void saveFile(const std::filesystem::path& path, std::string_view bytes, SaveIo& io = systemSaveIo());

}  // namespace hovorix
