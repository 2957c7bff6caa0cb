#include "storage/file_replace.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brumelle {

namespace {

namespace fs = std::filesystem;

// As the kernel's own limit on links followed in one path.
constexpr int kMaxLinks = 40;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { close(); }
    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string folderOf(const std::string &file)
{
    const std::string parent = fs::path(file).parent_path().string();
    return parent.empty() ? "." : parent;
}

std::string nameOf(const std::string &file) { return fs::path(file).filename().string(); }

// The bytes from `from` on, at their own offset.
bool writeAll(int fd, const std::string &bytes, size_t from = 0)
{
    size_t done = from;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void syncFolder(const std::string &folder)
{
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get()); // the rename is done; a folder that cannot be flushed changes nothing
}

// Temporary files are named after the file and the process that writes
// them, "doc.brm.~1234", so a later save can tell one whose writer is gone;
// the name is cut short enough for the suffix to fit in a file name.
std::string tempPrefix(const std::string &target) { return nameOf(target).substr(0, 200) + ".~"; }

// The process that wrote a temporary file, from its name: the digits after
// its last ".~"; 0 when the name is not one of this program's temporary
// files, -1 for a number no process has.
long long writerOfTemp(const std::string &name)
{
    const size_t mark = name.rfind(".~");
    if (mark == std::string::npos || mark == 0 || name.size() - mark - 2 == 0 || name.size() - mark - 2 > 10 ||
        name.find_first_not_of("0123456789", mark + 2) != std::string::npos)
        return 0;
    const long long pid = std::stoll(name.substr(mark + 2));
    return pid > 0 ? pid : -1;
}

// Every temporary file of the folder whose writer is gone, whatever file it
// was for: a save killed between its link and its rename leaves one.
void removeAbandonedTemps(const std::string &folder)
{
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> abandoned;
    while (const dirent *e = ::readdir(dir)) {
        const long long pid = writerOfTemp(e->d_name);
        if (pid == 0 || pid == ::getpid())
            continue;
        struct stat st;
        const std::string path = folder + "/" + e->d_name;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (pid < 0 || pid > INT_MAX || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            abandoned.push_back(path);
    }
    ::closedir(dir);
    for (const std::string &path : abandoned)
        ::unlink(path.c_str());
}

// Content, permission bits, owner and group of the new file, then flushed.
// False when a part fails; `ownerKept` tells whether the owner could be given.
bool fillTemp(int fd, const std::string &bytes, const struct stat *old, bool &ownerKept)
{
    ownerKept = true;
    if (old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
        ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        ownerKept = false;
        return false;
    }
    // After the owner: a change of owner clears the set-id bits.
    if (old && ::fchmod(fd, old->st_mode & 07777) != 0)
        return false;
    return writeAll(fd, bytes) && ::fsync(fd) == 0;
}

enum class Outcome { Done, Failed, InPlace };

// Through a named temporary file, for file systems without unnamed ones.
Outcome replaceThroughNamedTemp(const std::string &target, const std::string &bytes, const struct stat *old)
{
    const std::string temp = folderOf(target) + "/" + tempPrefix(target) + std::to_string(::getpid());
    ::unlink(temp.c_str()); // this process's own, left by nothing that can still use it
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return Outcome::Failed;
    bool ownerKept = true;
    const bool filled = fillTemp(fd.get(), bytes, old, ownerKept);
    if (!fd.close() || !filled || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return ownerKept ? Outcome::Failed : Outcome::InPlace;
    }
    return Outcome::Done;
}

Outcome replaceThroughUnnamedTemp(const std::string &target, const std::string &bytes, const struct stat *old)
{
    const std::string folder = folderOf(target);
    Fd fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return replaceThroughNamedTemp(target, bytes, old);
        return Outcome::Failed;
    }
    bool ownerKept = true;
    if (!fillTemp(fd.get(), bytes, old, ownerKept))
        return ownerKept ? Outcome::Failed : Outcome::InPlace; // the unnamed file goes with its descriptor
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    if (!old) {
        // A new file gets its name in one step.
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return fd.close() ? Outcome::Done : Outcome::Failed;
        if (errno != ENOENT && errno != EXDEV && errno != EPERM)
            return Outcome::Failed;
        return replaceThroughNamedTemp(target, bytes, old); // no /proc to link through
    }
    // A name for a moment only: a save killed between these two calls leaves
    // it, and the next save in the folder removes it (removeAbandonedTemps).
    const std::string temp = folder + "/" + tempPrefix(target) + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return errno == ENOENT || errno == EPERM ? replaceThroughNamedTemp(target, bytes, old) : Outcome::Failed;
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return Outcome::Failed;
    }
    return fd.close() ? Outcome::Done : Outcome::Failed;
}

// The step as the system does it, unless the test makes it fail (errno set).
template <class Call> bool run(const InPlaceFault &fault, InPlaceStep step, Call call)
{
    if (const int e = fault ? fault(step) : 0) {
        errno = e;
        return false;
    }
    return call();
}

// Where the old text waits while the file is written in place: beside it
// when its folder can be written, else in a folder of the program's own in
// the user's cache folder. Empty when there is none.
std::string backupFolder(const std::string &folder, bool folderWritable)
{
    if (folderWritable)
        return folder;
    std::string cache;
    const char *xdg = std::getenv("XDG_CACHE_HOME");
    const char *home = std::getenv("HOME");
    if (xdg && xdg[0] == '/')
        cache = xdg;
    else if (home && home[0] == '/')
        cache = std::string(home) + "/.cache";
    else
        return {};
    ::mkdir(cache.c_str(), 0700);
    const std::string own = cache + "/Brumelle";
    if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    removeAbandonedTemps(own);
    return own;
}

// A copy of the old text, flushed with its name: "doc.brm.~1234~", a name
// the clean-up of temporary files never takes, given once the copy is whole
// (a copy cut short by a kill keeps its temporary name). Its path, or empty
// when it cannot be made.
std::string writeBackup(const std::string &folder, const std::string &target, const std::string &old)
{
    if (folder.empty())
        return {};
    const std::string temp = folder + "/" + tempPrefix(target) + std::to_string(::getpid());
    ::unlink(temp.c_str()); // this process's own, left by nothing that can still use it
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return {};
    const bool copied = writeAll(fd.get(), old) && ::fsync(fd.get()) == 0;
    if (fd.close() && copied) {
        // A copy left by an earlier process of the same number is kept.
        for (int n = 1; n <= 100; ++n) {
            const std::string path = temp + "~" + (n == 1 ? std::string() : std::to_string(n));
            struct stat st;
            if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) {
                if (::rename(temp.c_str(), path.c_str()) != 0)
                    break;
                syncFolder(folder);
                return path;
            }
        }
    }
    ::unlink(temp.c_str());
    return {};
}

bool readAll(int fd, std::string &bytes)
{
    char buf[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, static_cast<off_t>(bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buf, static_cast<size_t>(n));
    }
}

// The new text over the old one, its space made sure of before the first
// byte of the old text changes; `touched` tells whether one may have.
bool writeOver(int fd, const std::string &bytes, size_t oldSize, const InPlaceFault &fault, bool &touched)
{
    const off_t size = static_cast<off_t>(bytes.size());
    if (!run(fault, InPlaceStep::Reserve, [&] { return ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0; })) {
        if (errno == ENOSPC || errno == EFBIG || errno == EDQUOT)
            return false;
        // Reserving is not supported (some network and FUSE file systems):
        // what goes past the old end is written first, so that the space is
        // found before anything is written over.
        if (bytes.size() > oldSize &&
            !run(fault, InPlaceStep::Extend, [&] { return writeAll(fd, bytes, oldSize); }))
            return false;
    }
    touched = true;
    return run(fault, InPlaceStep::Write, [&] { return writeAll(fd, bytes); }) &&
           run(fault, InPlaceStep::Truncate, [&] { return ::ftruncate(fd, size) == 0; }) && ::fsync(fd) == 0;
}

// The old text kept aside, the new one written over it, then the copy
// removed; a failure puts the old text back (the copy stays when even that fails).
bool writeInPlace(const std::string &target, const std::string &bytes, bool folderWritable,
                  const InPlaceFault &fault)
{
    Fd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    // A size limit refuses before anything is written, the copy of the old text included.
    rlimit limit{};
    const bool limited = ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
    if (limited && bytes.size() > limit.rlim_cur)
        return false;
    std::string old;
    if (!readAll(fd.get(), old) || (limited && old.size() > limit.rlim_cur))
        return false;
    const std::string backup = writeBackup(backupFolder(folderOf(target), folderWritable), target, old);
    if (backup.empty())
        return false;
    bool touched = false;
    if (writeOver(fd.get(), bytes, old.size(), fault, touched) && fd.close()) {
        ::unlink(backup.c_str());
        return true;
    }
    // Back as it was: the old bytes where new ones went, the old length where it grew.
    struct stat now;
    const off_t oldSize = static_cast<off_t>(old.size());
    if (fd.get() >= 0 && (!touched || writeAll(fd.get(), old)) && ::fstat(fd.get(), &now) == 0 &&
        (now.st_size == oldSize || ::ftruncate(fd.get(), oldSize) == 0) && ::fsync(fd.get()) == 0)
        ::unlink(backup.c_str());
    return false;
}

} // namespace

bool ResolveWriteTarget(const std::string &path, std::string &target)
{
    std::string p = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0) {
            target = p; // not there yet: it is created where the path says
            return errno == ENOENT;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = p;
            return true;
        }
        std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(p.c_str(), buf.data(), buf.size());
        if (n <= 0 || static_cast<size_t>(n) >= buf.size())
            return false;
        const std::string link(buf.data(), static_cast<size_t>(n));
        const fs::path parent = fs::path(p).parent_path();
        p = link[0] == '/' || parent.empty() ? link : (parent / link).string();
    }
    return false;
}

bool ReplaceFileWhole(const std::string &path, const std::string &bytes) { return ReplaceFileWhole(path, bytes, {}); }

bool ReplaceFileWhole(const std::string &path, const std::string &bytes, const InPlaceFault &fault)
{
    std::string target;
    if (!ResolveWriteTarget(path, target))
        return false;
    const std::string folder = folderOf(target);
    removeAbandonedTemps(folder);

    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && (!S_ISREG(st.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;
    const bool folderWritable = ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    if (exists && (st.st_nlink > 1 || !folderWritable))
        return writeInPlace(target, bytes, folderWritable, fault);
    switch (replaceThroughUnnamedTemp(target, bytes, exists ? &st : nullptr)) {
    case Outcome::Done: syncFolder(folder); return true;
    case Outcome::InPlace: return writeInPlace(target, bytes, folderWritable, fault);
    default: return false;
    }
}

std::string CannotWriteMessage(const std::string &path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    return "Impossible d'écrire dans " + (ec ? path : full.string());
}

bool SaveFileWhole(const std::string &path, const std::string &bytes, Messages &messages)
{
    if (bytes.empty() || !ReplaceFileWhole(path, bytes)) {
        messages.error(CannotWriteMessage(path));
        return false;
    }
    return true;
}

} // namespace brumelle
