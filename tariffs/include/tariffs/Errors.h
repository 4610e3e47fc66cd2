// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace hovorix::tariffs {

// A text that is not a decimal number. The message is the one users of the
// programs know: "'<text>' is not a valid floating point value" (the text in
// the file's code page, without a trailing full stop).
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string text, std::size_t line = 0);

    const std::string& text() const { return text_; }
    // The whole message. what() ends at the first NUL byte, and a file may
    // carry one inside the text the message quotes.
    const std::string& message() const { return message_; }
    // 1-based line of the tariff file the text came from; 0 when not from a file.
    std::size_t line() const { return line_; }

private:
    std::string message_;
    std::string text_;
    std::size_t line_;
};

// Base of the file errors: carries the operating system's error code.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, std::filesystem::path path, int code);

    const std::filesystem::path& path() const { return path_; }
    int code() const { return code_; }

private:
    std::filesystem::path path_;
    int code_;
};

// The tariff file could be neither opened (nor, where asked, created).
class OpenError : public FileError {
public:
    OpenError(std::filesystem::path path, int code);
};

// An input/output error while reading; what was read before it stays read.
class ReadError : public FileError {
public:
    ReadError(std::filesystem::path path, int code, std::size_t line);
    // The line the reader was about to read (1-based).
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// Saving failed; the file that was there before is untouched.
class WriteError : public FileError {
public:
    enum class Stage {
        Create,  // the new file could not be created at all
        Write,   // writing, flushing, closing or putting it in place failed
    };
    WriteError(std::filesystem::path path, int code, Stage stage);
    Stage stage() const { return stage_; }

private:
    Stage stage_;
};

}  // namespace hovorix::tariffs
