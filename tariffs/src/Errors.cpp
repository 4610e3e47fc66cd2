// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/Errors.h"

#include <cstring>
#include <utility>

namespace hovorix::tariffs {

namespace {

std::string systemMessage(int code) { return std::strerror(code); }

// A number run on for megabytes would make a message nobody can read (or a
// message box that never finishes laying out): the message quotes at most
// 255 bytes of it, then an ellipsis (Windows-1250).
std::string quotedPart(const std::string& text) {
    constexpr std::size_t MaxQuoted = 255;
    if (text.size() <= MaxQuoted) return text;
    return text.substr(0, MaxQuoted) + "\x85";
}

std::string conversionMessage(const std::string& text) {
    return "'" + quotedPart(text) + "' is not a valid floating point value";
}

}  // namespace

ConversionError::ConversionError(std::string text, std::size_t line)
    : std::runtime_error(conversionMessage(text)),
      message_(conversionMessage(text)),
      text_(std::move(text)),
      line_(line) {}

FileError::FileError(const std::string& message, std::filesystem::path path, int code)
    : std::runtime_error(message), path_(std::move(path)), code_(code) {}

OpenError::OpenError(std::filesystem::path path, int code)
    : FileError("cannot open " + path.string() + ": " + systemMessage(code), path, code) {}

ReadError::ReadError(std::filesystem::path path, int code, std::size_t line)
    : FileError("cannot read " + path.string() + ": " + systemMessage(code), path, code), line_(line) {}

WriteError::WriteError(std::filesystem::path path, int code, Stage stage)
    : FileError(
          (stage == Stage::Create ? "cannot create " : "cannot write ") + path.string() + ": " + systemMessage(code),
          path, code),
      stage_(stage) {}

}  // namespace hovorix::tariffs
