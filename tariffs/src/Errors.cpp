// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/Errors.h"

#include <cstring>
#include <utility>

#include "tariffs/MessageText.h"

namespace hovorix::tariffs {

namespace {

// The system's reason, which the C library words in the user's language.
std::string systemMessage(int code) { return code != 0 ? anyTextInMessage(std::strerror(code)) : "unknown error"; }

// A number run on for megabytes would make a message nobody can read (or a
// message box that never finishes laying out): the message quotes at most
// 255 bytes of it, then an ellipsis.
std::string conversionMessage(const std::string& text) {
    constexpr std::size_t MaxQuoted = 255;
    const bool cut = text.size() > MaxQuoted;
    const std::string quoted = cp1250InMessage(cut ? std::string_view(text).substr(0, MaxQuoted) : text);
    return "'" + quoted + (cut ? "\u2026" : "") + "' is not a valid floating point value";
}

}  // namespace

TariffError::TariffError(const std::string& message, std::size_t line) : std::runtime_error(message), line_(line) {}

ConversionError::ConversionError(std::string text, std::size_t line)
    : TariffError(conversionMessage(text), line), text_(std::move(text)) {}

FileError::FileError(const std::string& message, std::filesystem::path path, int code, std::size_t line,
                     std::filesystem::path linkTarget)
    : TariffError(message, line), path_(std::move(path)), code_(code), linkTarget_(std::move(linkTarget)) {}

OpenError::OpenError(std::filesystem::path path, int code, std::filesystem::path linkTarget)
    : FileError("cannot open the file: " + systemMessage(code), std::move(path), code, 0, std::move(linkTarget)) {}

ReadError::ReadError(std::filesystem::path path, int code, std::size_t line)
    : FileError("cannot read the file: " + systemMessage(code), std::move(path), code, line) {}

WriteError::WriteError(std::filesystem::path path, int code, Stage stage, OldFile oldFile,
                       std::filesystem::path linkTarget)
    : FileError((stage == Stage::Create ? "cannot create the file: " : "cannot write the file: ") +
                    systemMessage(code) +
                    (oldFile == OldFile::Damaged ? "; its old content could not be written back" : ""),
                std::move(path), code, 0, std::move(linkTarget)),
      stage_(stage),
      oldFile_(oldFile) {}

}  // namespace hovorix::tariffs
