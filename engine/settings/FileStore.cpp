#include "engine/settings/FileStore.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// The reason the last call failed.
std::error_code LastError() { return {errno, std::generic_category()}; }

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO;  // a write that takes nothing sets no reason of its own
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename itself reaches the disk only with its folder; a failure here loses nothing.
void SyncFolder(const std::string& folder)
{
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

constexpr const char* TempSuffix = ".new";

std::string TempFileName(const std::string& path, pid_t pid)
{
    return path + "." + std::to_string(pid) + TempSuffix;
}

// Where the file system allows it the bytes go to a file with no name, so that a process killed
// while writing leaves nothing behind; only once they are on the disk does the file get its
// temporary name, for the rename. False when any step failed: no file has that name then.
bool WriteUnnamed(const std::string& folder, const std::string& temp, const std::string& bytes)
{
    Fd out(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (out.get() < 0)
        return false;
    if (!WriteAll(out.get(), bytes) || ::fsync(out.get()) != 0)
        return false;
    const std::string self = "/proc/self/fd/" + std::to_string(out.get());
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// The same with the temporary name from the start. When a step failed, its reason; the file is
// removed then.
std::error_code WriteNamed(const std::string& temp, const std::string& bytes)
{
    Fd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0)
        return LastError();
    const bool written = WriteAll(out.get(), bytes) && ::fsync(out.get()) == 0;
    if (!written || !out.Close()) {
        const std::error_code failure = LastError();
        ::unlink(temp.c_str());
        return failure;
    }
    return {};
}

}  // namespace

std::error_code ReplaceFile(const std::string& path, const std::string& bytes)
{
    // One name per process, so that two copies of the game never write into each other's file.
    const std::string temp = TempFileName(path, ::getpid());
    // A file already under that name was left by a copy that died mid-save with the number this
    // process has now; no live process can own it, and left there it would fail every save.
    ::unlink(temp.c_str());
    const std::string folder = FolderOf(path);
    if (!WriteUnnamed(folder, temp, bytes)) {
        if (const std::error_code failure = WriteNamed(temp, bytes))
            return failure;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const std::error_code failure = LastError();
        ::unlink(temp.c_str());
        return failure;
    }
    SyncFolder(folder);
    return {};
}

void RemoveDeadSaves(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string prefix = path.substr(path.find_last_of('/') + 1) + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= prefix.size() + std::strlen(TempSuffix) || !name.starts_with(prefix) ||
            !name.ends_with(TempSuffix))
            continue;
        std::string_view digits = name.substr(prefix.size());
        digits.remove_suffix(std::strlen(TempSuffix));
        pid_t pid = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
        if (ec != std::errc() || end != digits.data() + digits.size() || pid <= 0 || digits[0] == '0')
            continue;
        // Our own number can only be a dead copy's: no save of ours is under way while this runs.
        if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

std::optional<std::string> ReadFileStart(const std::string& path, size_t maxBytes)
{
    // Without O_NONBLOCK a pipe under that name would hold the open until someone wrote to it.
    Fd in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    std::string bytes(maxBytes, '\0');
    size_t done = 0;
    while (done < maxBytes) {
        const ssize_t n = ::read(in.get(), bytes.data() + done, maxBytes - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}
