// SPDX-License-Identifier: GPL-3.0-or-later
// The one whole-file load and save, appends and the reasons a file is refused.
#include "platform/files/Files.h"
#include "tests/support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Files : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/brookfetch-files-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        Dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(Dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(Dir, ignored);
    }

    static void Put(const fs::path& file, const std::string& contents) {
        std::ofstream(file, std::ios::binary) << contents;
    }
    static std::string Contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
    }
    // Everything in the folder, hidden files included: a save leaves nothing beside the file.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static struct stat Status(const fs::path& file) {
        struct stat info {};
        EXPECT_EQ(::lstat(file.c_str(), &info), 0) << file;
        return info;
    }

    fs::path Dir;
};

// The longest name a folder takes still saves atomically: the new copy has a short name of its
// own. A replaced file keeps its mode and owner, even when root saves it.
TEST_F(Files, ALongNameSavesAtomicallyAndAReplacedFileStaysItsOwnersFile) {
    const fs::path longest = Dir / std::string(255, 'n');
    ASSERT_EQ(SaveWholeFile(longest, "first"), TSaveResult::Saved);
    ASSERT_EQ(SaveWholeFile(longest, "second, longer"), TSaveResult::Saved);
    EXPECT_EQ(Contents(longest), "second, longer");
    EXPECT_EQ(SaveWholeFile(Dir / std::string(256, 'n'), "too long"), TSaveResult::NotCreated);
    EXPECT_EQ(Entries(), std::vector<std::string>{std::string(255, 'n')});

    const fs::path kept = Dir / "kept";
    const bool root = ::geteuid() == 0;
    for (const mode_t mode : {mode_t(0640), mode_t(0604), mode_t(0751), mode_t(0444)}) {
        SCOPED_TRACE(mode);
        Put(kept, "old contents");
        ASSERT_EQ(::chmod(kept.c_str(), mode), 0);
        const bool writable = root || (mode & 0200);
        EXPECT_EQ(SaveWholeFile(kept, "new"),
                  writable ? TSaveResult::Saved : TSaveResult::ReadOnly);
        EXPECT_EQ(Contents(kept), writable ? "new" : "old contents");
        EXPECT_EQ(Status(kept).st_mode & 07777, mode);
        ASSERT_EQ(::chmod(kept.c_str(), 0644), 0);
    }
    if (root) {
        ASSERT_EQ(::chown(kept.c_str(), testsupport::Nobody, testsupport::Nobody), 0);
        ASSERT_EQ(SaveWholeFile(kept, "root's"), TSaveResult::Saved);
        EXPECT_EQ(Status(kept).st_uid, testsupport::Nobody);
        // A colleague's file that a team shares through its group becomes the saver's own, but
        // stays the team's: the colleague can still use it.
        const gid_t team = 4242;
        ASSERT_EQ(::chown(kept.c_str(), 1, team), 0);
        ASSERT_EQ(::chmod(kept.c_str(), 0660), 0);
        ASSERT_EQ(::chown(Dir.c_str(), testsupport::Nobody, testsupport::Nobody), 0);
        EXPECT_EQ(
            testsupport::AsUser([&kept] { return int(SaveWholeFile(kept, "the team's")); }, {team}),
            int(TSaveResult::Saved));
        EXPECT_EQ(Status(kept).st_uid, testsupport::Nobody);
        EXPECT_EQ(Status(kept).st_gid, team);
        EXPECT_EQ(Status(kept).st_mode & 07777, 0660u);
    }
    // New files: as any program makes them, or this user's alone.
    const mode_t mask = ::umask(022);
    ASSERT_EQ(SaveWholeFile(Dir / "shared", "s"), TSaveResult::Saved);
    ASSERT_EQ(SaveWholeFile(Dir / "private", "p", TNewFile::Private), TSaveResult::Saved);
    ::umask(mask);
    EXPECT_EQ(Status(Dir / "shared").st_mode & 07777, 0644u);
    EXPECT_EQ(Status(Dir / "private").st_mode & 07777, 0600u);
}

// A file-size limit (EFBIG) and a full file system (ENOSPC) stop the write of the new copy:
// the old file stays whole, nothing is left beside it, and the file is never rewritten in place.
TEST_F(Files, AFullDiskOrAFileSizeLimitLeavesTheOldFileWhole) {
    const fs::path file = Dir / "set.brk";
    const std::string old(128, 'o');
    Put(file, old);
    const std::string bigger(4096, 'n');
    for (const rlim_t room : {rlim_t(0), rlim_t(1), rlim_t(4095)}) {
        SCOPED_TRACE(room);
        rlimit saved = {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = room;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        const TSaveResult result = SaveWholeFile(file, bigger);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        EXPECT_EQ(result, TSaveResult::NotWritten);
        EXPECT_EQ(Contents(file), old);
        EXPECT_EQ(Entries(), std::vector<std::string>{"set.brk"});
    }

    // A small file system of its own, mounted where only a child process sees it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", Dir.c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        Put(file, old);
        const TSaveResult result = SaveWholeFile(file, std::string(200 * 1024, 'n'));
        const bool whole =
            Contents(file) == old && Entries() == std::vector<std::string>{"set.brk"};
        ::_exit(result == TSaveResult::NotWritten && whole ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no small file system could be mounted; the file-size limit stood in";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A folder the user may not write (sets kept for a team) takes no new copy: a writable file
// there is rewritten in place, but only once there is room for it; a read-only one, or a new
// file, is refused.
TEST_F(Files, AFolderThatTakesNoNewFileHasItsWritableFilesRewrittenInPlace) {
    const fs::path folder = Dir / "shared";
    fs::create_directory(folder);
    const fs::path writable = folder / "ours.brk";
    const fs::path readOnly = folder / "theirs.brk";
    Put(writable, std::string(300, 'x'));
    Put(readOnly, "keep");
    const uid_t user = testsupport::PieceUser();
    for (const fs::path& path : {Dir, folder, writable, readOnly})
        ASSERT_EQ(::chown(path.c_str(), user, user), 0);
    ASSERT_EQ(::chmod(Dir.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    const auto save = [](const fs::path& path) {
        return testsupport::AsUser([&path] { return int(SaveWholeFile(path, "new")); });
    };
    // The room for longer contents is taken first: a file-size limit (or a full disk) that
    // refuses it leaves the file whole, neither emptied nor grown.
    EXPECT_EQ(testsupport::AsUser([&writable] {
                  rlimit saved = {};
                  ::getrlimit(RLIMIT_FSIZE, &saved);
                  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
                  rlimit limit = saved;
                  limit.rlim_cur = 1000;
                  const int result = ::setrlimit(RLIMIT_FSIZE, &limit) == 0
                                         ? int(SaveWholeFile(writable, std::string(4096, 'n')))
                                         : -1;
                  ::setrlimit(RLIMIT_FSIZE, &saved);
                  std::signal(SIGXFSZ, handler);
                  return result;
              }),
              int(TSaveResult::NotWritten));
    EXPECT_EQ(Contents(writable), std::string(300, 'x'));
    EXPECT_EQ(save(writable), int(TSaveResult::Saved));
    EXPECT_EQ(save(readOnly), int(TSaveResult::ReadOnly));
    EXPECT_EQ(save(folder / "new.brk"), int(TSaveResult::NotCreated));
    EXPECT_EQ(Contents(writable), "new");
    EXPECT_EQ(Contents(readOnly), "keep");
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ours.brk", "theirs.brk"}));
}

// Nothing but a regular file is replaced or opened: a folder, a pipe and a device stay as they
// are, and a pipe with nobody at its other end holds nothing up. In a folder that anyone may
// write (/tmp), another user's link at the name is refused, not followed or replaced; the
// user's own link (a shared parameter set reached from the user's folder) is written through:
// its target is replaced and the link stays, through a chain of relative links too.
TEST_F(Files, OnlyRegularFilesAreSavedAndAnotherUsersLinkIsRefused) {
    fs::create_directory(Dir / "folder");
    ASSERT_EQ(::mkfifo((Dir / "pipe").c_str(), 0600), 0);
    for (const fs::path& path : {Dir / "folder", Dir / "pipe", fs::path("/dev/null"), Dir / "."})
        EXPECT_EQ(SaveWholeFile(path, "x"), TSaveResult::NotRegular) << path;
    EXPECT_TRUE(S_ISFIFO(Status(Dir / "pipe").st_mode));
    EXPECT_EQ(SaveWholeFile(Dir / "nowhere" / "new", "x"), TSaveResult::NotCreated);
    EXPECT_EQ(SaveWholeFile(fs::path(), "x"), TSaveResult::NotCreated);

    const fs::path sticky = Dir / "sticky";
    fs::create_directory(sticky);
    ASSERT_EQ(::chmod(sticky.c_str(), 01777), 0);
    const fs::path victim = Dir / "victim";
    Put(victim, "the user's own file");
    fs::create_symlink(victim, sticky / "mine.brk");
    ASSERT_EQ(SaveWholeFile(sticky / "mine.brk", "saved"), TSaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(sticky / "mine.brk"));
    EXPECT_EQ(Contents(victim), "saved");
    fs::create_symlink("mine.brk", sticky / "again.brk");
    ASSERT_EQ(SaveWholeFile(sticky / "again.brk", "twice"), TSaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(sticky / "again.brk") && fs::is_symlink(sticky / "mine.brk"));
    EXPECT_EQ(Contents(victim), "twice");
    fs::create_symlink("loop.brk", sticky / "loop.brk");
    EXPECT_EQ(SaveWholeFile(sticky / "loop.brk", "x"), TSaveResult::NotCreated);
    Put(victim, "the user's own file");

    if (::geteuid() != 0)
        GTEST_SKIP() << "a link of another user can be made only by root";
    fs::create_symlink(victim, sticky / "planted.brk");
    ASSERT_EQ(::lchown((sticky / "planted.brk").c_str(), testsupport::Nobody, testsupport::Nobody),
              0);
    EXPECT_EQ(SaveWholeFile(sticky / "planted.brk", "x"), TSaveResult::ForeignLink);
    EXPECT_TRUE(S_ISLNK(Status(sticky / "planted.brk").st_mode));
    EXPECT_EQ(Contents(victim), "the user's own file");
}

// The bytes after a parameter set are copied from the file they are in, however many, whether
// the save replaces that file or makes another; a source that is gone adds nothing.
TEST_F(Files, ATailIsCopiedFromItsFileIntoTheSave) {
    const std::string tail(3 << 20, 'T');
    Put(Dir / "long.brk", std::string(128, 'a') + tail);
    const TFileTail own{Dir / "long.brk", 128};
    ASSERT_EQ(
        SaveWholeFile(Dir / "copy.brk", std::string(128, 'b'), TNewFile::Shared, nullptr, &own),
        TSaveResult::Saved);
    EXPECT_TRUE(Contents(Dir / "copy.brk") == std::string(128, 'b') + tail);
    ASSERT_EQ(
        SaveWholeFile(Dir / "long.brk", std::string(128, 'c'), TNewFile::Shared, nullptr, &own),
        TSaveResult::Saved);
    EXPECT_TRUE(Contents(Dir / "long.brk") == std::string(128, 'c') + tail);
    const TFileTail gone{Dir / "gone.brk", 128};
    ASSERT_EQ(SaveWholeFile(Dir / "short.brk", "d", TNewFile::Shared, nullptr, &gone),
              TSaveResult::Saved);
    EXPECT_EQ(Contents(Dir / "short.brk"), "d");
}

// A failure says why, as the system told it: what the window names under its error boxes.
TEST_F(Files, AFailedLoadOrSaveSaysTheSystemsReason) {
    const auto reasonOfLoad = [](const fs::path& path) {
        return int(LoadWholeFile(path, 10).Failure.Reason);
    };
    const auto reasonOfSave = [](const fs::path& path) {
        TFileFailure failure;
        SaveWholeFile(path, "x", TNewFile::Shared, &failure);
        return int(failure.Reason);
    };
    fs::create_directory(Dir / "folder");
    ASSERT_EQ(::mkfifo((Dir / "pipe").c_str(), 0600), 0);
    Put(Dir / "file", "f");
    EXPECT_EQ(reasonOfLoad(Dir / "missing"), int(TFileReason::NotFound));
    EXPECT_EQ(reasonOfLoad(Dir / "folder"), int(TFileReason::Folder));
    EXPECT_EQ(reasonOfLoad(Dir / "pipe"), int(TFileReason::NotAFile));
    EXPECT_EQ(reasonOfLoad(Dir / "file"), int(TFileReason::None));
    EXPECT_EQ(reasonOfSave(Dir / "nowhere" / "new"), int(TFileReason::NoFolder));
    EXPECT_EQ(reasonOfSave(Dir / "folder"), int(TFileReason::Folder));
    EXPECT_EQ(reasonOfSave(Dir / "pipe"), int(TFileReason::NotAFile));
    EXPECT_EQ(reasonOfSave(Dir / std::string(300, 'n')), int(TFileReason::NameTooLong));
    EXPECT_EQ(reasonOfSave(Dir / "file"), int(TFileReason::None));

    // A file-size limit stands for a full disk.
    rlimit saved = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 1;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    TFileFailure full;
    SaveWholeFile(Dir / "file", "longer", TNewFile::Shared, &full);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(full.Reason, TFileReason::NoSpace);

    // What a user may not do: read a file in a folder closed to them (not "no such file"), read
    // a file of no permissions, change a read-only file, make files in a folder of others.
    const fs::path closed = Dir / "closed";
    const fs::path shared = Dir / "shared";
    fs::create_directory(closed);
    fs::create_directory(shared);
    Put(closed / "set.brk", "s");
    Put(shared / "secret", "s");
    Put(shared / "fixed.brk", "f");
    const uid_t user = testsupport::PieceUser();
    for (const fs::path& path : {shared / "secret", shared / "fixed.brk"})
        ASSERT_EQ(::chown(path.c_str(), user, user), 0);
    ASSERT_EQ(::chmod(Dir.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(closed.c_str(), 0700), 0);
    ASSERT_EQ(::chmod((shared / "secret").c_str(), 0), 0);
    ASSERT_EQ(::chmod((shared / "fixed.brk").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0755), 0);
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(closed.c_str(), 0), 0); // the user owns it: closed to them too
    }
    const auto asUser = [](const std::function<int()>& piece) {
        return testsupport::AsUser(piece);
    };
    EXPECT_EQ(asUser([&] { return reasonOfLoad(closed / "set.brk"); }),
              int(TFileReason::NoPermission));
    EXPECT_EQ(asUser([&] { return reasonOfLoad(shared / "secret"); }),
              int(TFileReason::NoPermission));
    EXPECT_EQ(asUser([&] { return reasonOfSave(shared / "fixed.brk"); }),
              int(TFileReason::ReadOnly));
    if (::geteuid() == 0) {
        EXPECT_EQ(asUser([&] { return reasonOfSave(shared / "new.brk"); }),
                  int(TFileReason::NoPermission));
    }
    ASSERT_EQ(::chmod(closed.c_str(), 0700), 0);
    EXPECT_FALSE(SystemErrorText(EIO).empty());
}

TEST_F(Files, LoadsAreBoundedAndTakeOnlyRegularFiles) {
    Put(Dir / "long", std::string(200, 'a'));
    TLoadedFile loaded = LoadWholeFile(Dir / "long", 128, 128);
    EXPECT_EQ(loaded.Result, TLoadResult::Loaded);
    EXPECT_EQ(loaded.Bytes, std::string(128, 'a'));
    EXPECT_TRUE(loaded.Longer);
    loaded = LoadWholeFile(Dir / "long", 200, 128);
    EXPECT_EQ(loaded.Bytes.size(), 200u);
    EXPECT_FALSE(loaded.Longer);
    loaded = LoadWholeFile(Dir / "long", 300, 201);
    EXPECT_EQ(loaded.Result, TLoadResult::Short);
    EXPECT_EQ(loaded.Bytes.size(), 200u);

    fs::create_directory(Dir / "folder");
    EXPECT_EQ(LoadWholeFile(Dir / "missing", 10).Result, TLoadResult::Missing);
    EXPECT_EQ(LoadWholeFile(Dir / "long" / "inside", 10).Result, TLoadResult::Missing);
    EXPECT_EQ(LoadWholeFile(Dir / "folder", 10).Result, TLoadResult::NotRegular);
    EXPECT_EQ(LoadWholeFile("/dev/zero", 10).Result, TLoadResult::NotRegular);
    Put(Dir / "secret", "s");
    ASSERT_EQ(::chmod((Dir / "secret").c_str(), 0), 0);
    ASSERT_EQ(::chmod(Dir.c_str(), 0755), 0);
    EXPECT_EQ(testsupport::AsUser([this] { return int(LoadWholeFile(Dir / "secret", 10).Result); }),
              int(TLoadResult::Unreadable));

    // A writer stands ready with bytes, so a load that opened the pipe would take them instead
    // of hanging: a pipe is refused unopened.
    const fs::path fifo = Dir / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&fifo] {
        const int end = ::open(fifo.c_str(), O_WRONLY);
        if (end >= 0) {
            EXPECT_EQ(::write(end, "bytes", 5), 5);
            ::close(end);
        }
    });
    EXPECT_EQ(LoadWholeFile(fifo, 10).Result, TLoadResult::NotRegular);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK); // lets the writer go
    writer.join();
    ::close(reader);

    // Standard input that never ends is read only as far as asked.
    const int kept = ::dup(STDIN_FILENO);
    const int zero = ::open("/dev/zero", O_RDONLY);
    ASSERT_GE(zero, 0);
    ::dup2(zero, STDIN_FILENO);
    loaded = LoadStandardInput(128, 128);
    ::dup2(kept, STDIN_FILENO);
    ::close(kept);
    ::close(zero);
    EXPECT_EQ(loaded.Result, TLoadResult::Loaded);
    EXPECT_EQ(loaded.Bytes, std::string(128, '\0'));
    EXPECT_TRUE(loaded.Longer);
}

// A production bench's log: never through a link or into another user's file; a line after one
// that was cut short, or after a file that does not end its last line, starts on its own.
TEST_F(Files, AnAppendedLogStartsEachLineOnItsOwnAndRefusesLinksAndOthersFiles) {
    const fs::path log = Dir / "bench.log";
    Put(log, "{\"cut\":");
    {
        TAppendFile file;
        std::string why;
        ASSERT_TRUE(file.Open(log, why)) << why;
        EXPECT_TRUE(file.Append("one"));
        EXPECT_TRUE(file.Append("two"));
    }
    EXPECT_EQ(Contents(log), "{\"cut\":\none\ntwo\n");

    fs::create_symlink(log, Dir / "link.log");
    TAppendFile file;
    std::string why;
    EXPECT_FALSE(file.Open(Dir / "link.log", why));
    EXPECT_EQ(why, "it is a symbolic link");
    ASSERT_EQ(::mkfifo((Dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(file.Open(Dir / "pipe", why));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.Open("/dev/null", why));
    EXPECT_TRUE(file.Append("gone"));
    ASSERT_TRUE(file.Open("/dev/full", why));
    std::string lost;
    EXPECT_FALSE(file.Append("lost", &lost));
    EXPECT_EQ(lost, std::strerror(ENOSPC));
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(log.c_str(), testsupport::Nobody, testsupport::Nobody), 0);
        EXPECT_FALSE(file.Open(log, why));
        EXPECT_EQ(why, "it belongs to another user");
        // A record a team shares is every member's.
        EXPECT_TRUE(file.Open(log, why, TAppendFile::TOwner::Anyone)) << why;
    }
}

} // namespace
