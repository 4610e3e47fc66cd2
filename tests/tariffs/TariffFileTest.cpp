// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "FailingIo.h"
#include "TestFiles.h"
#include "tariffs/Errors.h"
#include "tariffs/TariffFile.h"

using namespace hovorix;
namespace fs = std::filesystem;

namespace {

const std::string OldBytes = "provider OLD\r\ntarif Puvodni\r\n";

bool onlyFile(const fs::path& folder, const std::string& name) {
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        ++entries;
        if (entry.path().filename() != name) return false;
    }
    return entries == 1;
}

}  // namespace

TEST(TariffFileOfAFolder, IsFoundWhateverTheCaseOfItsName) {
    struct Case {
        std::vector<std::string> present;
        const char* found;  // nullptr: none
    };
    const Case cases[] = {
        {{"Tarif.ini"}, "Tarif.ini"},
        {{"tarif.ini"}, "tarif.ini"},
        {{"TARIF.INI"}, "TARIF.INI"},
        {{"tarif.ini", "Tarif.ini"}, "Tarif.ini"},  // the calculator's name first
        {{"TARIF.INI", "tarif.ini"}, "tarif.ini"},  // then the editor's
        {{"tarif.INI", "TARIF.INI"}, "TARIF.INI"},  // then the first in byte order
        {{"tarif.ini.bak", "xtarif.ini"}, nullptr},
        {{}, nullptr},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        for (const std::string& name : c.present) writeBytes(folder / name, "");
        const auto found = tariffs::findTariffFile(folder.path());
        if (c.found) {
            ASSERT_TRUE(found.has_value());
            EXPECT_EQ(found->filename(), c.found);
        } else {
            EXPECT_FALSE(found.has_value());
        }
    }
}

TEST(ReadTariffFile, OpensReadsOrCreates) {
    TemporaryFolder folder;
    tariffs::TariffList list(tariffs::EditorDefaults);
    std::string version = "1.0";

    try {
        tariffs::readTariffFile(folder / "missing.ini", list, version, {});
        ADD_FAILURE() << "a missing file was read";
    } catch (const tariffs::OpenError& e) {
        EXPECT_EQ(e.code(), ENOENT);
    }
    EXPECT_FALSE(fs::exists(folder / "missing.ini"));

    tariffs::readTariffFile(folder / "new.ini", list, version, {.decimalSeparator = ',', .createIfMissing = true});
    EXPECT_TRUE(fs::is_regular_file(folder / "new.ini"));
    EXPECT_EQ(fs::file_size(folder / "new.ini"), 0u);
    EXPECT_TRUE(list.isEmpty());

    fs::create_directory(folder / "tarif.ini");
    try {
        tariffs::readTariffFile(folder / "tarif.ini", list, version,
                                {.decimalSeparator = ',', .createIfMissing = true});
        ADD_FAILURE() << "a folder was read";
    } catch (const tariffs::OpenError& e) {
        EXPECT_EQ(e.code(), EISDIR);
    }

    writeBytes(folder / "sample.ini", "verze 7\r\nprovider A\r\nsazba JTS 1,5 2\r\n");
    tariffs::readTariffFile(folder / "sample.ini", list, version, {});
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.seek(0).zone(tariffs::Zone::JTS), (tariffs::ZoneRate{1.5, 2}));
    EXPECT_EQ(version, "7");
}

TEST(ReadTariffFile, TheSampleReadsInFull) {
    tariffs::TariffList list(tariffs::CalculatorDefaults);
    std::string version;
    tariffs::readTariffFile(HOVORIX_SAMPLE, list, version, {});
    EXPECT_GE(list.count(), 8u);
    EXPECT_LE(list.count(), 12u);
    EXPECT_FALSE(version.empty());
    list.walk([](const tariffs::Tarifs& t) {
        EXPECT_TRUE(t.provider == "PAEGAS" || t.provider == "EUROTEL") << t.provider;
        EXPECT_NE(t.name, "Neznamy");
    });
}

TEST(SaveFile, CreatesAndReplacesKeepingPermissions) {
    TemporaryFolder folder;
    const fs::path target = folder / "tarif.ini";
    tariffs::saveFile(target, "first");
    EXPECT_EQ(readBytes(target), "first");
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(0666 & ~mask));

    fs::permissions(target, static_cast<fs::perms>(0640));
    tariffs::saveFile(target, "second");
    EXPECT_EQ(readBytes(target), "second");
    EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(0640));
    EXPECT_TRUE(onlyFile(folder.path(), "tarif.ini"));
}

TEST(SaveFile, WritesThroughASymbolicLink) {
    TemporaryFolder folder;
    fs::create_directory(folder / "data");
    writeBytes(folder / "data" / "real.ini", OldBytes);
    fs::create_symlink("data/real.ini", folder / "tarif.ini");
    tariffs::saveFile(folder / "tarif.ini", "new");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "tarif.ini")));
    EXPECT_EQ(readBytes(folder / "data" / "real.ini"), "new");
}

TEST(SaveFile, ATargetThatIsAFolderIsRefused) {
    TemporaryFolder folder;
    fs::create_directory(folder / "tarif.ini");
    try {
        tariffs::saveFile(folder / "tarif.ini", "new");
        ADD_FAILURE() << "saved over a folder";
    } catch (const tariffs::WriteError& e) {
        EXPECT_EQ(e.stage(), tariffs::WriteError::Stage::Create);
        EXPECT_EQ(e.code(), EISDIR);
    }
    EXPECT_TRUE(fs::is_directory(folder / "tarif.ini"));
    EXPECT_TRUE(onlyFile(folder.path(), "tarif.ini"));
}

// A pipe or a device is neither read by the windowed programs nor saved over:
// opening a pipe would wait for a writer, and a save would replace a device
// with a file. The command line goes on reading pipes.
TEST(TariffFileIo, OnlyRegularFilesWhereAsked) {
    TemporaryFolder folder;
    const fs::path pipe = folder / "x.ini";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    for (const fs::path& path : {pipe, fs::path("/dev/null")}) {
        SCOPED_TRACE(path);
        tariffs::TariffList list(tariffs::EditorDefaults);
        std::string version;
        try {
            tariffs::readTariffFile(path, list, version, {.createIfMissing = true, .regularFileOnly = true});
            ADD_FAILURE() << "read";
        } catch (const tariffs::OpenError& e) {
            EXPECT_EQ(e.code(), EINVAL);
        }
        EXPECT_THROW(tariffs::examineTariffFile(path, {.regularFileOnly = true}), tariffs::OpenError);
        try {
            tariffs::saveFile(path, "new");
            ADD_FAILURE() << "saved";
        } catch (const tariffs::WriteError& e) {
            EXPECT_EQ(e.code(), EINVAL);
        }
    }
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);
}

TEST(ExamineTariffFile, TellsLineEndsNulBytesAndLines) {
    struct Case {
        std::string bytes;
        bool lfEnded;
        bool holdsNul;
        std::size_t linesByRule;
        std::size_t linesWithLf;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", false, false, 2, 2},
        {"a\nb\n\nc", true, false, 1, 4},
        {"a\r\nb\nc", false, false, 2, 3},  // a bare LF in a CR LF file is data
        {"a\rb\r", false, false, 2, 2},
        {std::string("a\0b\r\n", 5), false, true, 1, 1},
        {"a\nb\x1a\r\nc\r\n", true, false, 1, 2},  // nothing after Ctrl+Z counts
        {"", false, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        TemporaryFolder folder;
        writeBytes(folder / "t.ini", c.bytes);
        const tariffs::FileShape shape = tariffs::examineTariffFile(folder / "t.ini", {});
        EXPECT_EQ(shape.lfEnded, c.lfEnded);
        EXPECT_EQ(shape.holdsNul, c.holdsNul);
        EXPECT_EQ(shape.linesByRule, c.linesByRule);
        EXPECT_EQ(shape.linesWithLf, c.linesWithLf);
    }
}

TEST(ReadTariffFile, LfAsLineEndReadsAnLfEndedFileInFull) {
    std::string lfOnly = readBytes(HOVORIX_SAMPLE);
    std::erase(lfOnly, '\r');
    TemporaryFolder folder;
    writeBytes(folder / "lf.ini", lfOnly);
    tariffs::TariffList asSample(tariffs::EditorDefaults);
    tariffs::TariffList asLf(tariffs::EditorDefaults);
    std::string sampleVersion;
    std::string lfVersion;
    tariffs::readTariffFile(HOVORIX_SAMPLE, asSample, sampleVersion, {});
    tariffs::readTariffFile(folder / "lf.ini", asLf, lfVersion, {.lfEndsLines = true});
    EXPECT_EQ(asLf, asSample);
    EXPECT_EQ(lfVersion, sampleVersion);

    // A malformed number is reported at its line as LF counts it.
    writeBytes(folder / "bad.ini", "provider A\n\nsazba JTS 1.2 3\nprovider B\n");
    try {
        tariffs::readTariffFile(folder / "bad.ini", asLf, lfVersion, {.lfEndsLines = true});
        ADD_FAILURE() << "no error";
    } catch (const tariffs::ConversionError& e) {
        EXPECT_EQ(e.line(), 3u);
    }
}

// Text after a Ctrl+Z is looked at to the end of the file, however far,
// and its line counted as the file is read: wherever the Ctrl+Z falls among
// the pieces the file is read in, and with LF as a line end or without.
TEST(ReadTariffFile, TextAfterCtrlZIsFoundToTheEndOfTheFile) {
    // The first read takes 128 KiB: a line end as its last byte, a line
    // across it.
    const std::string toFirstEnd = "tarif " + std::string((1 << 17) - 7, 'x') + "\r";
    struct Case {
        const char* what;
        std::string content;
        bool lfEndsLines;
        std::size_t line;  // 0: nothing reported
        std::size_t lines;
    };
    const Case cases[] = {
        {"far more after it than one read takes", "provider A\r\n\x1a" + std::string(300000, 'x') + "\r\n\r\ny", false,
         2, 2},
        {"right after a line end that ends the first read", toFirstEnd + "\x1a" + "provider B", false, 2, 1},
        {"in a line longer than the first read", "tarif " + std::string(200000, 'x') + "\x1a\r\nz", false, 1, 1},
        {"LF ends lines", "provider A\ntarif B\n\x1a\nprovider C\n", true, 3, 1},
        {"LF is a character", "provider A\ntarif B\n\x1a\nprovider C\n", false, 1, 1},
        {"only padding after it", "provider A\r\n\x1a" + std::string(200000, '\0'), false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder folder;
        writeBytes(folder / "t.ini", c.content);
        std::size_t line = 0;
        std::size_t lines = 0;
        tariffs::ReaderEvents events;
        events.onTextAfterEnd = [&](std::size_t at, std::size_t count) {
            EXPECT_EQ(line, 0u) << "said twice";
            line = at;
            lines = count;
        };
        tariffs::TariffList list(tariffs::EditorDefaults);
        std::string version;
        tariffs::readTariffFile(folder / "t.ini", list, version, {.lfEndsLines = c.lfEndsLines}, events);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(SaveFile, PermissionsThatForbidWritingLeaveTheOldFile) {
    struct Case {
        const char* what;
        fs::perms folder;
        fs::perms file;
    };
    const Case cases[] = {
        {"read-only file", static_cast<fs::perms>(0755), static_cast<fs::perms>(0444)},
        {"read-only file in a read-only folder", static_cast<fs::perms>(0555), static_cast<fs::perms>(0444)},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const fs::path target = folder / "tarif.ini";
        writeBytes(target, OldBytes);
        if (geteuid() == 0) {
            ASSERT_EQ(chown(target.c_str(), UnprivilegedUser, UnprivilegedUser), 0);
        }
        fs::permissions(target, c.file);
        fs::permissions(folder.path(), c.folder);
        const bool refused = asUnprivilegedUser(folder.path(), [&] {
            try {
                tariffs::saveFile(target, "new");
            } catch (const tariffs::WriteError& e) {
                return e.stage() == tariffs::WriteError::Stage::Create && e.code() == EACCES;
            }
            return false;
        });
        EXPECT_TRUE(refused) << c.what;
        fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(readBytes(target), OldBytes) << c.what;
        EXPECT_TRUE(onlyFile(folder.path(), "tarif.ini")) << c.what;
    }
}

TEST(SaveFile, AnyFailingStepLeavesTheOldFileAndNoTemporary) {
    using Call = FailingIo::Call;
    struct Case {
        Call call;
        int code;
        tariffs::WriteError::Stage stage;
    };
    const Case cases[] = {
        {Call::Open, ENOSPC, tariffs::WriteError::Stage::Create},
        {Call::Write, ENOSPC, tariffs::WriteError::Stage::Write},
        {Call::Fsync, EIO, tariffs::WriteError::Stage::Write},
        {Call::Chmod, EPERM, tariffs::WriteError::Stage::Write},
        {Call::Close, EDQUOT, tariffs::WriteError::Stage::Write},
        {Call::Rename, EXDEV, tariffs::WriteError::Stage::Write},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const fs::path target = folder / "tarif.ini";
        writeBytes(target, OldBytes);
        FailingIo io(c.call, c.code);
        try {
            tariffs::saveFile(target, std::string(1000, 'x'), io);
            ADD_FAILURE() << "no failure reported for call " << static_cast<int>(c.call);
        } catch (const tariffs::WriteError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(e.stage(), c.stage);
            EXPECT_EQ(e.oldFile(), tariffs::WriteError::OldFile::Unchanged);
            EXPECT_EQ(e.path(), target);
        }
        EXPECT_EQ(readBytes(target), OldBytes);
        EXPECT_TRUE(onlyFile(folder.path(), "tarif.ini"));
    }
}

namespace {

struct RewriteCase {
    const char* what;
    FailingIo::Call call;
    int code;
    bool unprivileged;  // saved by another user than root, who owns the file
    bool linked;        // a second hard link "kopie.ini"
    bool inPlace;
    int failure;  // the WriteError's code; 0: saved
};

void expectRewrite(const RewriteCase& c) {
    SCOPED_TRACE(c.what);
    TemporaryFolder folder;
    const fs::path target = folder / "tarif.ini";
    writeBytes(target, OldBytes);
    if (c.linked) fs::create_hard_link(target, folder / "kopie.ini");
    // The file belongs to someone else than the one who saves it.
    if (geteuid() == 0) {
        ASSERT_EQ(chown(target.c_str(), UnprivilegedUser, UnprivilegedUser), 0);
    }
    struct stat before {};
    ASSERT_EQ(stat(target.c_str(), &before), 0);
    if (c.unprivileged) fs::permissions(folder.path(), static_cast<fs::perms>(0555));

    auto save = [&] {
        FailingIo io(c.call, c.code);
        try {
            tariffs::saveFile(target, "new", io);
        } catch (const tariffs::WriteError& e) {
            return e.code() == c.failure && e.stage() == tariffs::WriteError::Stage::Write;
        }
        return c.failure == 0;
    };
    EXPECT_TRUE(c.unprivileged ? asUnprivilegedUser(folder.path(), save) : save());
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);
    struct stat after {};
    ASSERT_EQ(stat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino == before.st_ino, c.inPlace);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    if (c.failure == 0) {
        EXPECT_EQ(readBytes(target), "new");
        EXPECT_TRUE(!c.linked || readBytes(folder / "kopie.ini") == "new");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), c.linked ? 2 : 1);
}

}  // namespace

// Where a new file in place of the old one would harm, the old file itself
// is written: it keeps its inode, so every hard link, its owner and group.
// The owner and group are kept on the usual way too.
TEST(SaveFile, RewritesTheFileItselfWhereAReplacementWouldHarm) {
    using Call = FailingIo::Call;
    const RewriteCase cases[] = {
        {"a folder the user may not write", Call::None, 0, true, false, true, 0},
        {"a folder refusing new files", Call::Open, EPERM, false, false, true, 0},
        {"a second hard link", Call::None, 0, false, true, true, 0},
        {"a full disk while writing in place", Call::Write, ENOSPC, false, true, true, ENOSPC},
    };
    for (const RewriteCase& c : cases) expectRewrite(c);
}

// Only root can save a file that belongs to another user.
TEST(SaveFileAsRoot, KeepsTheOwnerOfAnotherUsersFile) {
    if (geteuid() != 0) GTEST_SKIP() << "only root may save another user's file";
    using Call = FailingIo::Call;
    const RewriteCase cases[] = {
        {"an owner that cannot be kept", Call::Chown, EPERM, false, false, true, 0},
        {"another user's file saved by root", Call::None, 0, false, false, false, 0},
    };
    for (const RewriteCase& c : cases) expectRewrite(c);
}

// Written in place, every link sees the file as it is written: a save that
// fails on the way puts the old bytes back and says so, or says that it
// could not. A file system that cannot reserve room is no failure.
TEST(SaveFile, AFailedRewriteInPlacePutsTheOldBytesBack) {
    using Call = FailingIo::Call;
    using OldFile = tariffs::WriteError::OldFile;
    const std::string longer(3000, 'n');
    const std::string shorter = "new";
    struct Case {
        const char* what;
        Call call;
        int code;
        int times;  // -1: every time
        const std::string& bytes;
        int failure;  // the WriteError's code; 0: saved
        OldFile oldFile;
    };
    const Case cases[] = {
        {"no room to reserve", Call::Reserve, ENOSPC, 1, longer, ENOSPC, OldFile::Unchanged},
        {"a file system that cannot reserve", Call::Reserve, EOPNOTSUPP, -1, longer, 0, OldFile::None},
        {"the old bytes cannot be read", Call::Read, EIO, 1, longer, EIO, OldFile::Unchanged},
        {"a short write, then a full disk", Call::Write, ENOSPC, 1, longer, ENOSPC, OldFile::Unchanged},
        {"the cut fails", Call::Cut, EIO, 1, shorter, EIO, OldFile::Unchanged},
        {"the flush fails", Call::Fsync, EIO, 1, longer, EIO, OldFile::Unchanged},
        {"the old bytes cannot be written back either", Call::Write, ENOSPC, -1, longer, ENOSPC, OldFile::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder folder;
        const fs::path target = folder / "tarif.ini";
        writeBytes(target, OldBytes);
        fs::create_hard_link(target, folder / "zaloha.ini");
        FailingIo io(c.call, c.code, c.times);
        try {
            tariffs::saveFile(target, c.bytes, io);
            EXPECT_EQ(c.failure, 0) << "no failure reported";
        } catch (const tariffs::WriteError& e) {
            EXPECT_EQ(e.code(), c.failure);
            EXPECT_EQ(e.stage(), tariffs::WriteError::Stage::Write);
            EXPECT_EQ(e.oldFile(), c.oldFile);
        }
        const std::string expected = c.failure == 0 ? c.bytes : OldBytes;
        EXPECT_EQ(readBytes(target) == expected, c.oldFile != OldFile::Damaged);
        EXPECT_EQ(readBytes(folder / "zaloha.ini"), readBytes(target));
        EXPECT_EQ(fs::hard_link_count(target), 2u);
    }
}

// A real full disk, the file replaced by a new one or, with a second hard
// link, written in place: the old bytes stay under every name.
TEST(SaveFileAsRoot, AFullDiskLeavesTheOldFile) {
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "written in place" : "replaced");
        TemporaryFolder folder;
        const fs::path mountPoint = folder / "small";
        fs::create_directory(mountPoint);
        const SmallTmpfs disk(mountPoint, "64k");
        if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here: " << std::strerror(disk.error());

        const fs::path target = mountPoint / "tarif.ini";
        writeBytes(target, OldBytes);
        if (linked) fs::create_hard_link(target, mountPoint / "zaloha.ini");
        try {
            tariffs::saveFile(target, std::string(256 * 1024, 'x'));
            ADD_FAILURE() << "a full disk was not reported";
        } catch (const tariffs::WriteError& e) {
            EXPECT_EQ(e.code(), ENOSPC);
            EXPECT_EQ(e.stage(), tariffs::WriteError::Stage::Write);
            EXPECT_EQ(e.oldFile(), tariffs::WriteError::OldFile::Unchanged);
        }
        EXPECT_EQ(readBytes(target), OldBytes);
        if (linked) {
            EXPECT_EQ(readBytes(mountPoint / "zaloha.ini"), OldBytes);
        } else {
            EXPECT_TRUE(onlyFile(mountPoint, "tarif.ini"));
        }
    }
}

// A symbolic link that leads to no file, in the tariff file's place: the
// editor's read makes the file it leads to. Where that cannot be made, the
// save names it (the editor's start shows the read naming it).
TEST(TariffFileIo, ADanglingLinkLeadsToTheFileToMake) {
    TemporaryFolder folder;
    fs::create_directory(folder / "data");
    fs::create_symlink("data/ceny.ini", folder / "tarif.ini");
    fs::create_symlink(folder / "chybi" / "ceny.ini", folder / "nikam.ini");
    tariffs::TariffList list(tariffs::EditorDefaults);
    std::string version;
    const tariffs::ReadFileOptions create{.createIfMissing = true};

    tariffs::readTariffFile(folder / "tarif.ini", list, version, create);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "tarif.ini")));
    EXPECT_TRUE(fs::is_regular_file(folder / "data" / "ceny.ini"));
    EXPECT_EQ(readBytes(folder / "data" / "ceny.ini"), "");

    try {
        tariffs::saveFile(folder / "nikam.ini", "new");
        ADD_FAILURE() << "saved";
    } catch (const tariffs::WriteError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        EXPECT_EQ(e.linkTarget(), folder / "chybi" / "ceny.ini");
        EXPECT_EQ(e.oldFile(), tariffs::WriteError::OldFile::None);
    }
    EXPECT_FALSE(fs::exists(folder / "chybi"));
}

TEST(ReadTariffFile, ReadsPieceByPieceExactlyAsAWhole) {
    // Line ends that fall across the pieces a file is read in, lines longer
    // than a piece, and a Ctrl+Z far into the file.
    std::mt19937 random(65536);
    const char* const lines[] = {"provider P", "tarif T", "sazba JTS 1,5 2", "verze 3", "sluzba fax 12,25", ""};
    for (int round = 0; round < 12; ++round) {
        std::string content;
        while (content.size() < 400000) {
            const int kind = std::uniform_int_distribution<int>(0, 9)(random);
            if (kind == 0) {
                content += "tarif " + std::string(std::uniform_int_distribution<std::size_t>(1, 150000)(random), 'x');
            } else if (kind == 1) {
                content += "tarif a\nb";  // a bare LF is part of its line
            } else {
                content += lines[std::uniform_int_distribution<std::size_t>(0, 5)(random)];
            }
            content += std::uniform_int_distribution<int>(0, 2)(random) == 0 ? "\r" : "\r\n";
        }
        if (round % 3 == 0) content.insert(content.size() - 1000, "\x1a");

        TemporaryFolder folder;
        writeBytes(folder / "t.ini", content);
        std::vector<std::string> fromFile;
        std::vector<std::string> fromWhole;
        tariffs::TariffList fileList(tariffs::CalculatorDefaults);
        tariffs::TariffList wholeList(tariffs::CalculatorDefaults);
        std::string fileVersion;
        std::string wholeVersion;
        tariffs::ReaderEvents fileEvents;
        fileEvents.onLine = [&](std::size_t, std::string_view line, tariffs::LineRule, bool) {
            fromFile.emplace_back(line);
        };
        tariffs::ReaderEvents wholeEvents;
        wholeEvents.onLine = [&](std::size_t, std::string_view line, tariffs::LineRule, bool) {
            fromWhole.emplace_back(line);
        };
        tariffs::readTariffFile(folder / "t.ini", fileList, fileVersion, {}, fileEvents);
        tariffs::readTariffs(content, wholeList, wholeVersion, ',', wholeEvents);
        ASSERT_TRUE(fromFile == fromWhole) << "round " << round;
        ASSERT_TRUE(fileList == wholeList) << "round " << round;
        EXPECT_EQ(fileVersion, wholeVersion);
    }
}

namespace {

constexpr const char* AccessAcl = "system.posix_acl_access";
constexpr const char* DefaultAcl = "system.posix_acl_default";

// An access-control list as the file system keeps it in the attribute: a
// version, then entries of tag, permissions and id, little-endian.
struct AclEntry {
    std::uint16_t tag;
    std::uint16_t perms;
    std::uint32_t id = 0xFFFFFFFF;  // none, for the owner, group, mask and others
};
enum : std::uint16_t { OwnerEntry = 0x01, UserEntry = 0x02, GroupEntry = 0x04, MaskEntry = 0x10, OtherEntry = 0x20 };

std::string aclBytes(std::initializer_list<AclEntry> entries) {
    std::string bytes;
    auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    put(2, 4);
    for (const AclEntry& e : entries) {
        put(e.tag, 2);
        put(e.perms, 2);
        put(e.id, 4);
    }
    return bytes;
}

// The permissions of the list's entry for the owning group.
int groupEntryPerms(const std::string& acl) {
    for (std::size_t at = 4; at + 8 <= acl.size(); at += 8) {
        if (static_cast<unsigned char>(acl[at]) == GroupEntry) return static_cast<unsigned char>(acl[at + 2]);
    }
    return -1;
}

std::optional<std::string> attribute(const fs::path& file, const char* name) {
    char value[4096];
    const ssize_t got = ::getxattr(file.c_str(), name, value, sizeof value);
    if (got < 0) return std::nullopt;
    return std::string(value, static_cast<std::size_t>(got));
}

bool setAttribute(const fs::path& file, const char* name, const std::string& value) {
    return ::setxattr(file.c_str(), name, value.data(), value.size(), 0) == 0;
}

// User nobody may write the file too; the owning group only reads it, and the
// mask lets named entries write.
const std::string SharedAcl =
    aclBytes({{OwnerEntry, 6}, {UserEntry, 6, UnprivilegedUser}, {GroupEntry, 4}, {MaskEntry, 6}, {OtherEntry, 0}});

// A temporary folder on a file system that keeps user.* attributes and
// access-control lists: the system's temporary folder, or, where that is a
// tmpfs without them, one on the build's disk. Null where neither keeps them.
std::unique_ptr<TemporaryFolder> folderKeepingAttributes() {
    for (const fs::path& under : {fs::temp_directory_path(), fs::path(HOVORIX_DISK_FOLDER)}) {
        auto folder = std::make_unique<TemporaryFolder>(under);
        const fs::path probe = *folder / "probe";
        writeBytes(probe, "");
        const bool kept = setAttribute(probe, "user.probe", "1") && setAttribute(probe, AccessAcl, SharedAcl);
        fs::remove(probe);
        if (kept) return folder;
    }
    return nullptr;
}

}  // namespace

// A save that replaces the file gives the new file the old one's
// access-control list and user.* attributes, keeps its mode exactly (the
// list's mask is not the group's permission), and takes from the folder's
// default list nothing the old file did not have. Where any of it fails, the
// file itself is written, which keeps them all.
TEST(SaveFile, KeepsTheAccessListAndTheUsersAttributes) {
    const std::unique_ptr<TemporaryFolder> folder = folderKeepingAttributes();
    if (!folder) GTEST_SKIP() << "no file system here keeps user.* attributes and access-control lists";
    using Call = FailingIo::Call;
    struct Case {
        const char* what;
        bool fileAcl;        // the old file has SharedAcl
        bool folderDefault;  // the folder gives new files a list
        Call call;
        int code;
        bool inPlace;
    };
    const Case cases[] = {
        {"a list and an attribute", true, false, Call::None, 0, false},
        {"a folder's default list the old file lacks", false, true, Call::None, 0, false},
        {"the new file refuses the attributes", true, false, Call::SetXattr, ENOTSUP, true},
        {"the attributes cannot be listed", true, false, Call::ListXattr, EPERM, true},
        {"the inherited list cannot be taken away", false, true, Call::RemoveXattr, EACCES, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path dir = *folder / std::to_string(++n);
        fs::create_directory(dir);
        const fs::path target = dir / "tarif.ini";
        writeBytes(target, OldBytes);
        ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
        if (c.fileAcl) {
            ASSERT_TRUE(setAttribute(target, AccessAcl, SharedAcl));
        }
        ASSERT_TRUE(setAttribute(target, "user.poznamka", "cen\xEDk od Pavla"));
        if (c.folderDefault) {
            ASSERT_TRUE(setAttribute(dir, DefaultAcl,
                                     aclBytes({{OwnerEntry, 7},
                                               {UserEntry, 7, UnprivilegedUser},
                                               {GroupEntry, 5},
                                               {MaskEntry, 7},
                                               {OtherEntry, 5}})));
        }
        struct stat before {};
        ASSERT_EQ(::stat(target.c_str(), &before), 0);
        const std::optional<std::string> acl = attribute(target, AccessAcl);

        FailingIo io(c.call, c.code);
        EXPECT_NO_THROW(tariffs::saveFile(target, "new", io));

        struct stat after {};
        ASSERT_EQ(::stat(target.c_str(), &after), 0);
        EXPECT_EQ(readBytes(target), "new");
        EXPECT_EQ(after.st_ino == before.st_ino, c.inPlace);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(attribute(target, AccessAcl), acl);
        if (c.fileAcl) {
            EXPECT_EQ(groupEntryPerms(attribute(target, AccessAcl).value_or("")), 4);
        }
        EXPECT_EQ(attribute(target, "user.poznamka"), std::string("cen\xEDk od Pavla"));
        EXPECT_TRUE(onlyFile(dir, "tarif.ini"));
    }
}
