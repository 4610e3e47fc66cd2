// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>

#include "TestFiles.h"
#include "tariffs/FileStamp.h"

using namespace hovorix::tariffs;
namespace fs = std::filesystem;

namespace {

void setModified(const fs::path& path, std::int64_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

}  // namespace

// Each way another program can leave the file, and whether it counts as a
// change: only different bytes or a vanished file do.
TEST(FileStamp, OnlyOtherBytesOrAGoneFileAreAChange) {
    struct Case {
        const char* what;
        std::function<void(const fs::path& file, const fs::path& folder)> act;
        FileChange expected;
    };
    const std::vector<Case> cases = {
        {"nothing done", [](const fs::path&, const fs::path&) {}, FileChange::Same},
        {"touched", [](const fs::path& file, const fs::path&) { setModified(file, 2'000'000'000); }, FileChange::Same},
        {"the same bytes put in its place by rename",
         [](const fs::path& file, const fs::path& folder) {
             writeBytes(folder / "new", "verze 1\r\n");
             fs::rename(folder / "new", file);
         },
         FileChange::Same},
        {"one byte changed", [](const fs::path& file, const fs::path&) { writeBytes(file, "verze 2\r\n"); },
         FileChange::Changed},
        {"grown", [](const fs::path& file, const fs::path&) { writeBytes(file, "verze 1\r\nkonec\r\n"); },
         FileChange::Changed},
        {"a backup of as many bytes restored with its times (cp -p)",
         [](const fs::path& file, const fs::path&) { restoreKeepingTimes(file, "verze 2\r\n"); }, FileChange::Changed},
        {"deleted", [](const fs::path& file, const fs::path&) { fs::remove(file); }, FileChange::Gone},
        {"renamed away",
         [](const fs::path& file, const fs::path& folder) { fs::rename(file, folder / "elsewhere.ini"); },
         FileChange::Gone},
        {"a folder in its place",
         [](const fs::path& file, const fs::path&) {
             fs::remove(file);
             fs::create_directory(file);
         },
         FileChange::Gone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder folder;
        const fs::path file = folder / "tarif.ini";
        writeBytes(file, "verze 1\r\n");
        setModified(file, 1'000'000'000);
        const std::optional<FileStamp> known = stampFile(file);
        ASSERT_TRUE(known);
        c.act(file, folder.path());
        FileStamp now;
        EXPECT_EQ(compareFile(*known, file, &now), c.expected);
        if (c.expected == FileChange::Same) {
            // What is remembered from now on is the file as it now is, so
            // the next comparison does not read the bytes again.
            const std::optional<FileStamp> fresh = stampFile(file);
            ASSERT_TRUE(fresh);
            EXPECT_TRUE(now.sameFileAs(*fresh));
            EXPECT_EQ(now.hash, fresh->hash);
        }
    }
}

TEST(FileStamp, SameFileThroughALinkButNotACopy) {
    TemporaryFolder folder;
    writeBytes(folder / "tarif.ini", "verze 1\r\n");
    fs::create_symlink(folder / "tarif.ini", folder / "odkaz.ini");
    fs::copy_file(folder / "tarif.ini", folder / "kopie.ini");
    const auto file = stampFile(folder / "tarif.ini");
    const auto link = stampFile(folder / "odkaz.ini");
    const auto copy = stampFile(folder / "kopie.ini");
    ASSERT_TRUE(file && link && copy);
    EXPECT_TRUE(file->sameFileAs(*link));
    EXPECT_FALSE(file->sameFileAs(*copy));
    EXPECT_EQ(file->hash, copy->hash);
    EXPECT_FALSE(stampFile(folder / "chybi.ini"));
}

// Before a save the bytes are compared whatever the cheap fields say: a
// change within one tick of the file system's clock leaves them all alike.
TEST(FileStamp, ContentComparisonReadsTheBytesWhateverTheCheapFieldsSay) {
    TemporaryFolder folder;
    const fs::path file = folder / "tarif.ini";
    writeBytes(file, "verze 1\r\n");
    std::optional<FileStamp> known = stampFile(file);
    ASSERT_TRUE(known);
    restoreKeepingTimes(file, "verze 2\r\n");
    const std::optional<FileStamp> now = stampFile(file);
    ASSERT_TRUE(now);
    known->changedNs = now->changedNs;  // as if changed within the same tick
    EXPECT_EQ(compareFile(*known, file), FileChange::Same);
    EXPECT_EQ(compareFile(*known, file, nullptr, Comparison::Content), FileChange::Changed);
    EXPECT_EQ(compareFile(*now, file, nullptr, Comparison::Content), FileChange::Same);
}
