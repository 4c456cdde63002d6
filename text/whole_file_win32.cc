#include <windows.h>

#include <string>

#include "text/allocation.h"
#include "text/file_handle_win32.h"
#include "text/whole_file.h"

namespace text {
namespace {

WriteOutcome OutcomeOf(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return WriteOutcome::AccessDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return WriteOutcome::SharingViolation;
        default:
            return WriteOutcome::Failed;
    }
}

// Windows refuses to replace a read-only target or one that is open elsewhere, but the final
// rename is not reliable about saying so (Wine replaces a read-only file), so the target itself
// is asked first, with the access and sharing a plain overwrite would need.
WriteOutcome ProbeTarget(const ByteText& path) {
    FileHandle target(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (target.valid() || GetLastError() == ERROR_FILE_NOT_FOUND) return WriteOutcome::Written;
    return OutcomeOf(GetLastError());
}

ByteText TemporaryPathFor(const ByteText& path) {
    return ConcatText(path, ByteText(".~" + std::to_string(GetCurrentProcessId()) + ".tmp"));
}

WriteOutcome WriteFlushed(const ByteText& path, const ByteBuffer& data) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return OutcomeOf(GetLastError());
    const auto size = static_cast<DWORD>(data.size());
    DWORD written = 0;
    const bool complete =
        data.empty() ||
        (WriteFile(file.get(), data.data(), size, &written, nullptr) && written == size);
    const bool flushed = complete && FlushFileBuffers(file.get());
    return file.Close() && flushed ? WriteOutcome::Written : WriteOutcome::Failed;
}

WriteOutcome MoveOverTarget(const ByteText& temporary, const ByteText& target) {
    if (MoveFileExA(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return WriteOutcome::Written;
    }
    return OutcomeOf(GetLastError());
}

}  // namespace

ByteBuffer ReadWholeFile(const ByteText& path) {
    if (path.empty()) return {};
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size)) return {};
    ByteBuffer contents = BufferForFileOfSize(size.QuadPart);
    if (contents.empty()) return {};
    DWORD read = 0;
    if (!ReadFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &read,
                  nullptr)) {
        return {};
    }
    contents.resize(read);
    return contents;
}

WriteOutcome WriteWholeFile(const ByteText& path, const ByteBuffer& data) {
    return WriteWholeFileVia(path, data, MoveOverTarget);
}

WriteOutcome WriteWholeFileVia(const ByteText& path, const ByteBuffer& data, ReplaceStep replace) {
    if (path.empty()) return WriteOutcome::Failed;
    if (const WriteOutcome probe = ProbeTarget(path); probe != WriteOutcome::Written) return probe;
    const ByteText temporary = TemporaryPathFor(path);
    WriteOutcome outcome = WriteFlushed(temporary, data);
    if (outcome == WriteOutcome::Written) outcome = replace(temporary, path);
    if (outcome != WriteOutcome::Written) DeleteFileA(temporary.c_str());
    return outcome;
}

}  // namespace text
