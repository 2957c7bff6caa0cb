#include "storage/bounded_file.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brumelle {

namespace {

// The rest of an open regular file, up to one byte beyond the limit: that
// byte tells a file that grew after it was looked at.
FileReadStatus readAll(int fd, size_t maxBytes, std::string &bytes)
{
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileReadStatus::Unreadable;
        if (n == 0)
            return FileReadStatus::Read;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes)
            return FileReadStatus::TooLarge;
        bytes.append(buf, static_cast<size_t>(n));
    }
}

} // namespace

BoundedFile ReadBoundedFile(const std::string &path, size_t maxBytes)
{
    BoundedFile f;
    // Looked at before it is opened, as opening a device may act on it; then
    // opened without waiting, so a pipe put there meanwhile answers at once.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        f.status = errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        return f;
    }
    if (!S_ISREG(st.st_mode)) {
        f.status = FileReadStatus::NotRegular;
        return f;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        f.status = FileReadStatus::TooLarge;
        return f;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        f.status = errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        return f;
    }
    std::string bytes;
    if (::fstat(fd, &st) != 0)
        f.status = FileReadStatus::Unreadable;
    else if (!S_ISREG(st.st_mode))
        f.status = FileReadStatus::NotRegular;
    else
        f.status = readAll(fd, maxBytes, bytes);
    ::close(fd);
    if (f.status == FileReadStatus::Read)
        f.bytes = std::move(bytes);
    return f;
}

} // namespace brumelle
