#include "storage/file_replace.h"

#include <cerrno>
#include <climits>
#include <csignal>
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

bool writeAll(int fd, const std::string &bytes)
{
    size_t done = 0;
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

void removeAbandonedTemps(const std::string &folder, const std::string &target)
{
    const std::string prefix = tempPrefix(target);
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> abandoned;
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.size() - prefix.size() > 10 ||
            name.find_first_not_of("0123456789", prefix.size()) != std::string::npos)
            continue;
        const long long pid = std::stoll(name.substr(prefix.size()));
        if (pid == ::getpid())
            continue;
        if (pid > INT_MAX || pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
            abandoned.push_back(folder + "/" + name);
    }
    ::closedir(dir);
    for (const std::string &name : abandoned)
        ::unlink(name.c_str());
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
    // it, and the next save in the folder removes it.
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

bool writeInPlace(const std::string &target, const std::string &bytes)
{
    Fd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    // Space first, so a full disk or a size limit refuses before a byte changes.
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && bytes.size() > limit.rlim_cur)
        return false;
    const int reserved = ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size()));
    if (reserved != 0 && (errno == ENOSPC || errno == EFBIG || errno == EDQUOT))
        return false;
    return writeAll(fd.get(), bytes) && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) == 0 &&
           ::fsync(fd.get()) == 0 && fd.close();
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

bool ReplaceFileWhole(const std::string &path, const std::string &bytes)
{
    std::string target;
    if (!ResolveWriteTarget(path, target))
        return false;
    const std::string folder = folderOf(target);
    removeAbandonedTemps(folder, target);

    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return false;
    if (exists && (!S_ISREG(st.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;
    const bool folderWritable = ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    if (exists && (st.st_nlink > 1 || !folderWritable))
        return writeInPlace(target, bytes);
    switch (replaceThroughUnnamedTemp(target, bytes, exists ? &st : nullptr)) {
    case Outcome::Done: syncFolder(folder); return true;
    case Outcome::InPlace: return writeInPlace(target, bytes);
    default: return false;
    }
}

std::string CannotWriteMessage(const std::string &path)
{
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    return "Impossible d'écrire dans " + (ec ? path : full.string());
}

} // namespace brumelle
