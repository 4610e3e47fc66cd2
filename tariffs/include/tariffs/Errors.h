// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace hovorix::tariffs {

// Every error of tariff data: a malformed number, a tariff file that cannot
// be opened, read or written. A front end catches this one class where it
// shows the message; what() is UTF-8 (tariffs/MessageText.h) and names
// neither the file nor the line, which the front end puts before it.
class TariffError : public std::runtime_error {
public:
    // 1-based line of the tariff file the error was met at; 0 when it is not
    // a line's (a file that cannot be opened, a number typed into a field).
    std::size_t line() const { return line_; }

protected:
    TariffError(const std::string& message, std::size_t line);

private:
    std::size_t line_;
};

// A text that is not a decimal number. The message is the one users of the
// programs know: "'<text>' is not a valid floating point value", quoting at
// most 255 bytes of the text, without a trailing full stop.
class ConversionError : public TariffError {
public:
    // text: Windows-1250 bytes, as a tariff file holds them.
    explicit ConversionError(std::string text, std::size_t line = 0);

    // The text as it was given, in Windows-1250.
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Base of the file errors: carries the operating system's error code.
class FileError : public TariffError {
public:
    FileError(const std::string& message, std::filesystem::path path, int code, std::size_t line = 0,
              std::filesystem::path linkTarget = {});

    const std::filesystem::path& path() const { return path_; }
    int code() const { return code_; }
    // Where a symbolic link stands at path: the file it finally leads to,
    // absolute, for a message to name where the trouble lies. Empty
    // otherwise.
    const std::filesystem::path& linkTarget() const { return linkTarget_; }

private:
    std::filesystem::path path_;
    int code_;
    std::filesystem::path linkTarget_;
};

// The tariff file could be neither opened (nor, where asked, created).
class OpenError : public FileError {
public:
    OpenError(std::filesystem::path path, int code, std::filesystem::path linkTarget = {});
};

// An input/output error while reading; what was read before it stays read.
// line() is the line the reader was about to read.
class ReadError : public FileError {
public:
    ReadError(std::filesystem::path path, int code, std::size_t line);
};

// Saving failed; oldFile() tells what became of the file that was there.
class WriteError : public FileError {
public:
    enum class Stage {
        Create,  // the new file could not be created at all
        Write,   // writing, flushing, closing or putting it in place failed
    };
    enum class OldFile {
        None,       // there was no file at the path (or no regular file)
        Unchanged,  // it holds its old bytes: never touched, or written back
        Damaged,    // written over in part, and its old bytes could not be written back
    };
    WriteError(std::filesystem::path path, int code, Stage stage, OldFile oldFile,
               std::filesystem::path linkTarget = {});
    Stage stage() const { return stage_; }
    OldFile oldFile() const { return oldFile_; }

private:
    Stage stage_;
    OldFile oldFile_;
};

}  // namespace hovorix::tariffs
