// Whole-file reading, and replacing a file so that no reader ever sees it half written and a
// crash or power loss right after the replacement still finds the new file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace zor06::platform {

enum class ReadStatus {
    Read,
    Missing,  // no such file: the caller uses its defaults
    Failed,   // it is there but cannot be read
};

// Reads the whole file into `bytes`; on Failed, `reason` is the system's text of why.
ReadStatus ReadWholeFile(const std::filesystem::path& path, std::string* bytes,
                         std::string* reason);

// How reading a file that must be a regular one of bounded size ended.
enum class RegularRead {
    Read,
    Missing,     // no such file
    NotRegular,  // a directory, a FIFO, a device or a socket: nothing was read
    TooLarge,    // longer than the limit, or grown past it while being read
    Failed,      // `reason` is the system's text of why
};

// Reads the whole of `path` (its links followed) when it is a regular file of at most `limit`
// bytes. Opening never waits for the writer of a FIFO, and no more than `limit` bytes are kept.
RegularRead ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                            std::string* bytes, std::string* reason);

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it over `path`,
// then flushes the directory. A symbolic link stays a link and the file it points to is replaced.
// On failure the old file is left as it was, the temporary file is removed and `reason` is the
// system's text of why.
// Usual: a file that exists keeps its permissions, a new one gets the usual ones. OwnerOnly, for
// files holding secrets: the file is its owner's only (0600) from its creation on, whatever the
// replaced file allowed; `narrowed` (when given) tells whether the replaced file was open to
// others.
enum class NewFile { Usual, OwnerOnly };
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason, NewFile newFile = NewFile::Usual,
                         bool* narrowed = nullptr);

// A reading's work file, made anew for this user only (0600): what is at `path` (an earlier
// reading's file, a symbolic link someone left there) is removed, never followed, and the file is
// created exclusively, so that nothing slipped in at its name is ever written through.
class WorkFileWriter {
public:
    explicit WorkFileWriter(const std::filesystem::path& path);
    ~WorkFileWriter();
    WorkFileWriter(const WorkFileWriter&) = delete;
    WorkFileWriter& operator=(const WorkFileWriter&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // False when the bytes could not all be written; Failure() says why, as after a failed open.
    bool Append(std::span<const std::uint8_t> bytes);
    const std::string& Failure() const { return failure_; }

private:
    int fd_ = -1;
    std::string failure_;
};

}  // namespace zor06::platform
