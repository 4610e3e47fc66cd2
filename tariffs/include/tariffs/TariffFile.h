// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tariffs/TariffReader.h"

namespace hovorix::tariffs {

// The tariff file of a folder, as both programs find it at start-up, so
// that they always work on the same file: "Tarif.ini" (the calculator's
// name), else "tarif.ini" (the name the editor creates), else any other
// spelling of that name in other letter case, the first in byte order
// ("TARIF.INI" before "Tarif.INI"). nullopt when there is none. The two
// names the programs use are looked up directly, so a folder that may not be
// listed still finds them.
std::optional<std::filesystem::path> findTariffFile(const std::filesystem::path& folder);

inline constexpr std::string_view CalculatorFileName = "Tarif.ini";
inline constexpr std::string_view EditorFileName = "tarif.ini";
// The data version of a list until a file or the user sets one; a file
// without a "verze " line is saved with it.
inline constexpr std::string_view EditorStartVersion = "1.0";
// The calculator's data version until its file gives one: "neudáno" (not
// given) in Windows-1250, in the caption; tarif-cli check reports it too.
inline constexpr std::string_view CalculatorStartVersion = "neud\xE1no";

struct ReadFileOptions {
    char decimalSeparator = ',';
    // The editor creates a missing file empty and reads it as empty.
    bool createIfMissing = false;
    // Only a regular file is read: a pipe, a device or a folder counts as a
    // file that cannot be opened, and is refused without waiting for it. The
    // windowed programs ask for this; the command line reads pipes.
    bool regularFileOnly = false;
    // LF ends a line as well as CR: a file whose lines end in LF alone,
    // read on the user's word. Saved again, it gets CR LF.
    bool lfEndsLines = false;
};

// What the bytes of a tariff file say about how it will read, before it is
// read. Only what stands before a Ctrl+Z counts, as in the reading.
struct FileShape {
    // The lines end in LF alone: the file holds LF but not one CR LF. By the
    // format's rule such a file is one single line.
    bool lfEnded = false;
    // NUL bytes: not a text file.
    bool holdsNul = false;
    // Lines as the reader counts them, with or without LF as a line end.
    std::size_t linesByRule = 0;
    std::size_t linesWithLf = 0;
    std::size_t lines(bool lfEndsLines) const { return lfEndsLines ? linesWithLf : linesByRule; }
};

// Opens the file as readTariffFile does (creating it where asked) and looks
// at all of it. Throws OpenError as readTariffFile does; an input/output
// error ends the look quietly, since the reading reports it.
FileShape examineTariffFile(const std::filesystem::path& path, const ReadFileOptions& options);

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
    // Opens an existing file for reading and writing over it, without
    // truncating it and without waiting.
    virtual int openExisting(const char* path);
    virtual long pread(int fd, char* data, unsigned long size, long offset);
    virtual long write(int fd, const char* data, unsigned long size);
    // Reserves disk space as the Linux call does; never emulated by writing.
    virtual int fallocate(int fd, int mode, long offset, long length);
    virtual int ftruncate(int fd, long size);
    virtual int fsync(int fd);
    virtual int fchmod(int fd, unsigned mode);
    virtual int fchown(int fd, unsigned owner, unsigned group);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    // Extended attributes, as the Linux calls of these names.
    virtual long flistxattr(int fd, char* names, unsigned long size);
    virtual long fgetxattr(int fd, const char* name, void* value, unsigned long size);
    virtual int fsetxattr(int fd, const char* name, const void* value, unsigned long size, int flags);
    virtual int fremovexattr(int fd, const char* name);
};

SaveIo& systemSaveIo();

// Saves bytes as the file at path. Normally nothing that is there can be
// damaged: the bytes go to a temporary file in the same folder, which is
// flushed to disk and renamed over the target only when everything was
// written. The new file keeps the old one's permission bits exactly, its
// owner and group, its access-control list and its user.* extended
// attributes, and takes no access-control list from the folder's default
// that the old file did not have. A symbolic link is written through to the
// file it points to.
//
// The file is rewritten in place instead, and flushed to disk, where a
// replacement would harm: when the folder refuses a new file (EACCES or EPERM,
// never a full disk) but the file itself may be written, when the file has
// further hard links, which keep seeing it, and when its owner or group, its
// access-control list or its attributes cannot be kept. Its old bytes are
// read first and the room the new ones need is reserved; a write, cut or
// flush that fails puts the old bytes back.
//
// A target that is a folder, a pipe or a device, or that the user may not
// write, is refused as a file that cannot be created. Throws WriteError with
// the operating system's code and what became of the old file (unchanged
// unless even putting its bytes back failed); the temporary file never stays
// behind.
void saveFile(const std::filesystem::path& path, std::string_view bytes, SaveIo& io = systemSaveIo());

}  // namespace hovorix::tariffs
