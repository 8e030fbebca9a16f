// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer of the Windows build, under Wine: wide names of any language, a save that
// replaces the file whole and leaves nothing beside it, and the refusals a caller acts on.
#include "platform/files/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class FilesWindows : public ::testing::Test {
protected:
    fs::path Folder;

    void SetUp() override {
        Folder =
            fs::temp_directory_path() /
            (L"brookfetch-files-" +
             std::to_wstring(::testing::UnitTest::GetInstance()->random_seed()) + L"-" +
             fs::path(::testing::UnitTest::GetInstance()->current_test_info()->name()).wstring());
        fs::remove_all(Folder);
        ASSERT_TRUE(fs::create_directories(Folder));
    }
    void TearDown() override { fs::remove_all(Folder); }

    std::vector<fs::path> Entries() const {
        std::vector<fs::path> names;
        for (const auto& entry : fs::directory_iterator(Folder))
            names.push_back(entry.path().filename());
        return names;
    }
};

TEST_F(FilesWindows, SaveReplacesWholeUnderAnyNameAndLoadGivesItBack) {
    // Polish, Greek and Cyrillic letters: no ANSI code page holds them all.
    const fs::path name = Folder / L"Zażółć Ωμέγα Проба.brk";
    ASSERT_EQ(SaveWholeFile(name, "first contents, longer than the second"), TSaveResult::Saved);
    ASSERT_EQ(SaveWholeFile(name, "second"), TSaveResult::Saved);
    EXPECT_EQ(Entries(), std::vector<fs::path>{name.filename()}) << "nothing left beside it";

    const TLoadedFile loaded = LoadWholeFile(name, 128);
    EXPECT_EQ(loaded.Result, TLoadResult::Loaded);
    EXPECT_EQ(loaded.Bytes, "second");
    EXPECT_FALSE(loaded.Longer);

    const TLoadedFile bounded = LoadWholeFile(name, 3, 3);
    EXPECT_EQ(bounded.Bytes, "sec");
    EXPECT_TRUE(bounded.Longer);
    EXPECT_EQ(LoadWholeFile(name, 128, 7).Result, TLoadResult::Short);
}

TEST_F(FilesWindows, WhatCannotBeSavedOrLoadedIsToldAndLeftAlone) {
    EXPECT_EQ(LoadWholeFile(Folder / L"missing.brk", 128).Result, TLoadResult::Missing);
    EXPECT_EQ(SaveWholeFile(Folder / L"no folder" / L"x.brk", "x"), TSaveResult::NotCreated);

    const fs::path folder = Folder / L"a folder.brk";
    ASSERT_TRUE(fs::create_directory(folder));
    EXPECT_EQ(SaveWholeFile(folder, "x"), TSaveResult::NotRegular);
    EXPECT_EQ(LoadWholeFile(folder, 128).Result, TLoadResult::NotRegular);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(FileKindOf(folder), TFileKind::Folder);
    EXPECT_EQ(FileKindOf(Folder / L"missing.brk"), TFileKind::Missing);
}

// Each refusal says why, from the Win32 error code or the file's attributes.
TEST_F(FilesWindows, AFailedLoadOrSaveSaysTheSystemsReason) {
    const auto saveReason = [](const fs::path& name) {
        TFileFailure failure;
        SaveWholeFile(name, "x", TNewFile::Shared, &failure);
        return failure.Reason;
    };
    const fs::path folder = Folder / L"a folder.brk";
    ASSERT_TRUE(fs::create_directory(folder));
    const fs::path fixed = Folder / L"fixed.brk";
    ASSERT_EQ(SaveWholeFile(fixed, "kept"), TSaveResult::Saved);
    fs::permissions(fixed,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove); // the read-only attribute
    EXPECT_EQ(LoadWholeFile(Folder / L"missing.brk", 128).Failure.Reason, TFileReason::NotFound);
    EXPECT_EQ(LoadWholeFile(folder, 128).Failure.Reason, TFileReason::Folder);
    EXPECT_EQ(saveReason(Folder / L"no folder" / L"x.brk"), TFileReason::NoFolder);
    EXPECT_EQ(saveReason(folder), TFileReason::Folder);
    EXPECT_EQ(saveReason(fixed), TFileReason::ReadOnly);
    EXPECT_EQ(LoadWholeFile(fixed, 128).Bytes, "kept");
    fs::permissions(fixed, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(saveReason(fixed), TFileReason::None);
}

TEST_F(FilesWindows, AppendedLinesEachStartOnALineOfTheirOwn) {
    const fs::path name = Folder / L"bench log.jsonl";
    {
        std::ofstream earlier(name, std::ios::binary);
        earlier << "{\"cut\":"; // a line an earlier run did not finish
    }
    TAppendFile log;
    std::string why;
    ASSERT_TRUE(log.Open(name, why)) << why;
    EXPECT_TRUE(log.Append("{\"a\":1}"));
    EXPECT_TRUE(log.Append("{\"b\":2}"));
    const TLoadedFile loaded = LoadWholeFile(name, 1024);
    EXPECT_EQ(loaded.Bytes, "{\"cut\":\n{\"a\":1}\n{\"b\":2}\n");
}

} // namespace
