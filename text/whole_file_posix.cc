// POSIX stand-in for the Win32 whole-file operations. POSIX has no sharing modes; a target
// with no write bit stands for a read-only file, whoever runs the program.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "text/allocation.h"
#include "text/posix_path.h"
#include "text/whole_file.h"

namespace text {
namespace {

class Descriptor {
  public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] bool valid() const noexcept { return fd_ >= 0; }
    [[nodiscard]] int get() const noexcept { return fd_; }
    bool Close() noexcept {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

WriteOutcome OutcomeOf(int error) {
    return (error == EACCES || error == EPERM || error == EROFS) ? WriteOutcome::AccessDenied
                                                                 : WriteOutcome::Failed;
}

WriteOutcome ProbeTarget(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? WriteOutcome::Written : OutcomeOf(errno);
    }
    return (status.st_mode & 0222) == 0 ? WriteOutcome::AccessDenied : WriteOutcome::Written;
}

WriteOutcome RenameOverTarget(const ByteText& temporary, const ByteText& target) {
    return ::rename(PosixPath(temporary).c_str(), PosixPath(target).c_str()) == 0
               ? WriteOutcome::Written
               : OutcomeOf(errno);
}

}  // namespace

ByteBuffer ReadWholeFile(const ByteText& path) {
    if (path.empty()) return {};
    Descriptor file(::open(PosixPath(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0) return {};
    ByteBuffer contents = BufferForFileOfSize(status.st_size);
    if (contents.empty()) return {};
    const ssize_t read = ::read(file.get(), contents.data(), contents.size());
    if (read < 0) return {};
    contents.resize(static_cast<size_t>(read));
    return contents;
}

WriteOutcome WriteWholeFile(const ByteText& path, const ByteBuffer& data) {
    return WriteWholeFileVia(path, data, RenameOverTarget);
}

WriteOutcome WriteWholeFileVia(const ByteText& path, const ByteBuffer& data, ReplaceStep replace) {
    if (path.empty()) return WriteOutcome::Failed;
    const std::string target = PosixPath(path);
    if (const WriteOutcome probe = ProbeTarget(target); probe != WriteOutcome::Written)
        return probe;

    std::string temporary = target + ".XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (!file.valid()) return OutcomeOf(errno);
    const bool complete = data.empty() || ::write(file.get(), data.data(), data.size()) ==
                                              static_cast<ssize_t>(data.size());
    const bool flushed = complete && ::fchmod(file.get(), 0644) == 0 && ::fsync(file.get()) == 0;
    WriteOutcome outcome = file.Close() && flushed ? WriteOutcome::Written : WriteOutcome::Failed;
    if (outcome == WriteOutcome::Written) outcome = replace(ByteText(temporary), path);
    if (outcome != WriteOutcome::Written) ::unlink(temporary.c_str());
    return outcome;
}

}  // namespace text
