// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace hovorix::desktop {

// A file name from the window as the core's file functions take it, in the
// file system's own encoding.
inline std::filesystem::path filePath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

}  // namespace hovorix::desktop
