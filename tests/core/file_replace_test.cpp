// Saving over the files a user has: links, modes, hard links, read-only files and folders.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "storage/file_replace.h"

using namespace brumelle;
namespace fs = std::filesystem;

namespace {

// Root may write anything, so under root the saves run as "nobody".
const bool kRoot = ::geteuid() == 0;
const uid_t kUser = kRoot ? 65534 : ::geteuid();
const gid_t kGroup = kRoot ? 65534 : ::getegid();

std::string read(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write(const fs::path &p, const std::string &bytes, mode_t mode = 0644)
{
    std::ofstream(p, std::ios::binary) << bytes;
    ::chmod(p.c_str(), mode);
    if (kRoot) {
        EXPECT_EQ(::chown(p.c_str(), kUser, kGroup), 0);
    }
}

// A save by the user, in a process of its own so a file-size limit can make it fail half-way
// and `fault` can end it as a kill would.
bool saveAsUser(const fs::path &p, const std::string &bytes, rlim_t sizeLimit = RLIM_INFINITY,
                const InPlaceFault &fault = {})
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (kRoot && (::setgroups(0, nullptr) != 0 || ::setgid(kGroup) != 0 || ::setuid(kUser) != 0))
            ::_exit(2);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{sizeLimit, sizeLimit};
        if (sizeLimit != RLIM_INFINITY && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(2);
        ::_exit(ReplaceFileWhole(p.string(), bytes, fault) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct stat statOf(const fs::path &p)
{
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st;
}

} // namespace

TEST(FileReplace, SavesKeepTheUsersFile)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("brumelle_replace_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    if (kRoot) {
        ASSERT_EQ(::chown(dir.c_str(), kUser, kGroup), 0);
    }
    ::setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1); // where the old text waits for a locked folder
    const std::string v1 = "[General]\nbon_fichier=1\n", v2 = "[General]\r\nbon_fichier=1\r\nP=90000\r\n";

    // A link stays a link and its target takes the text; a dangling link's target is created.
    write(dir / "real.brm", v1);
    fs::create_symlink("real.brm", dir / "link.brm");
    fs::create_symlink("made.brm", dir / "dangling.brm");
    ASSERT_TRUE(saveAsUser(dir / "link.brm", v2));
    ASSERT_TRUE(saveAsUser(dir / "dangling.brm", v2));
    EXPECT_TRUE(fs::is_symlink(dir / "link.brm") && fs::is_symlink(dir / "dangling.brm"));
    EXPECT_EQ(read(dir / "real.brm"), v2);
    EXPECT_EQ(read(dir / "made.brm"), v2);

    // Permission bits come back as they were.
    for (const mode_t mode : {0600, 0664, 0755}) {
        write(dir / "mode.brm", v1, mode);
        ASSERT_TRUE(saveAsUser(dir / "mode.brm", v2)) << std::oct << mode;
        EXPECT_EQ(statOf(dir / "mode.brm").st_mode & 07777, mode);
        EXPECT_EQ(statOf(dir / "mode.brm").st_uid, kUser);
    }

    // A second hard link sees the new text.
    write(dir / "a.brm", v1);
    fs::create_hard_link(dir / "a.brm", dir / "b.brm");
    ASSERT_TRUE(saveAsUser(dir / "a.brm", v2));
    EXPECT_EQ(read(dir / "b.brm"), v2);

    // A read-only file is refused and stays as it was.
    write(dir / "ro.brm", v1, 0444);
    EXPECT_FALSE(saveAsUser(dir / "ro.brm", v2));
    EXPECT_EQ(read(dir / "ro.brm"), v1);
    EXPECT_EQ(statOf(dir / "ro.brm").st_mode & 07777, 0444u);
    if (kRoot) { // another user's file, in a folder the user may write
        std::ofstream(dir / "root.brm") << v1;
        EXPECT_FALSE(saveAsUser(dir / "root.brm", v2));
        EXPECT_EQ(statOf(dir / "root.brm").st_uid, 0u);
        EXPECT_EQ(read(dir / "root.brm"), v1);
    }

    // A writable file in a folder the user cannot write is written in place.
    fs::create_directory(dir / "locked");
    write(dir / "locked" / "doc.brm", v1);
    ::chmod((dir / "locked").c_str(), 0555);
    EXPECT_TRUE(saveAsUser(dir / "locked" / "doc.brm", v2));
    EXPECT_EQ(read(dir / "locked" / "doc.brm"), v2);

    // A save failing half-way (a file-size limit) leaves the old file whole, by rename or in place.
    const std::string big(4096, 'x');
    EXPECT_FALSE(saveAsUser(dir / "mode.brm", big, 100));
    EXPECT_FALSE(saveAsUser(dir / "a.brm", big, 100));
    EXPECT_EQ(read(dir / "mode.brm"), v2);
    EXPECT_EQ(read(dir / "b.brm"), v2);

    // No temporary file is left, and one abandoned by a killed save, whatever its file, goes at the next
    // save in the folder; one of a running process stays.
    write(dir / "other.pdf.~999999999", v1);
    write(dir / ("live.brm.~" + std::to_string(::getpid())), v1);
    ASSERT_TRUE(saveAsUser(dir / "real.brm", v1));
    std::set<std::string> names, expected = {"a.brm",    "b.brm",    "dangling.brm", "link.brm", "locked",
                                             "made.brm", "mode.brm", "real.brm",     "ro.brm",
                                             "cache",    "live.brm.~" + std::to_string(::getpid())};
    for (const auto &e : fs::directory_iterator(dir))
        names.insert(e.path().filename().string());
    if (kRoot)
        expected.insert("root.brm");
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(fs::is_empty(dir / "cache" / "Brumelle"));
    ::unsetenv("XDG_CACHE_HOME");
    ::chmod((dir / "locked").c_str(), 0755);
    fs::remove_all(dir);
}

// In place, the old text is kept aside until the new one is whole: a file system that cannot reserve
// space and is full refuses before a byte changes, a failure puts the old text back, a kill leaves the copy.
TEST(FileReplace, InPlaceWritesAreWholeOrRefused)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("brumelle_inplace_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "locked");
    if (kRoot) {
        ASSERT_EQ(::chown(dir.c_str(), kUser, kGroup), 0);
    }
    ::setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    const std::string old = "[General]\nbon_fichier=1\n" + std::string(300, ';'), shorter = "[CTA]\nVapeur=1\n";
    const auto fail = [](InPlaceStep at, int error) { return [=](InPlaceStep s) { return s == at ? error : 0; }; };
    write(dir / "a.brm", old);
    fs::create_hard_link(dir / "a.brm", dir / "b.brm");

    // Reserving not supported: growing on a full disk is refused, shrinking goes ahead.
    const InPlaceFault full = [](InPlaceStep s) {
        return s == InPlaceStep::Reserve ? EOPNOTSUPP : s == InPlaceStep::Extend ? ENOSPC : 0;
    };
    EXPECT_FALSE(saveAsUser(dir / "a.brm", old + old, RLIM_INFINITY, full));
    EXPECT_EQ(read(dir / "b.brm"), old);
    EXPECT_TRUE(saveAsUser(dir / "a.brm", shorter, RLIM_INFINITY, fail(InPlaceStep::Reserve, EOPNOTSUPP)));
    EXPECT_EQ(read(dir / "b.brm"), shorter);

    // A failure between the write and the truncation puts the old text back; a kill there leaves the copy.
    write(dir / "a.brm", old);
    EXPECT_FALSE(saveAsUser(dir / "a.brm", shorter, RLIM_INFINITY, fail(InPlaceStep::Truncate, EIO)));
    EXPECT_EQ(read(dir / "b.brm"), old);
    EXPECT_FALSE(saveAsUser(dir / "a.brm", shorter, RLIM_INFINITY,
                            [](InPlaceStep s) { return s == InPlaceStep::Truncate ? (::_exit(3), 0) : 0; }));
    std::vector<std::string> copies;
    for (const auto &e : fs::directory_iterator(dir))
        if (e.path().string().back() == '~')
            copies.push_back(read(e.path()));
    EXPECT_EQ(copies, std::vector<std::string>{old});

    // In a folder the user cannot write, the copy is in the cache while the new text goes in, then removed.
    write(dir / "locked" / "doc.brm", old);
    ::chmod((dir / "locked").c_str(), 0555);
    const fs::path cache = dir / "cache" / "Brumelle";
    EXPECT_TRUE(saveAsUser(dir / "locked" / "doc.brm", shorter, RLIM_INFINITY, [&](InPlaceStep s) {
        const std::string copy = read(cache / ("doc.brm.~" + std::to_string(::getpid()) + "~"));
        return s == InPlaceStep::Write && copy != old ? (::_exit(4), 0) : 0;
    }));
    EXPECT_EQ(read(dir / "locked" / "doc.brm"), shorter);
    EXPECT_TRUE(fs::is_empty(cache));
    ::unsetenv("XDG_CACHE_HOME");
    ::chmod((dir / "locked").c_str(), 0755);
    fs::remove_all(dir);
}
