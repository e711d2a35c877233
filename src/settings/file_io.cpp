#include "settings/file_io.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

namespace zor06::settings {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

constexpr int kTemporaryNameTries = 16;

std::string Describe(const std::filesystem::path& path, const std::error_code& ec) {
    return path.string() + ": " + ec.message();
}

std::string DescribeErrno(const std::filesystem::path& path) {
    return Describe(path, std::error_code(errno, std::generic_category()));
}

// Creates a file that did not exist ("x": exclusive), so that two writers never share one.
FilePtr CreateTemporary(const std::filesystem::path& path, std::filesystem::path* temporary,
                        std::string* error) {
    std::random_device seed;
    std::mt19937 random(seed());
    int failure = EEXIST;
    for (int i = 0; i < kTemporaryNameTries && failure == EEXIST; ++i) {
        *temporary = path;
        *temporary += ".tmp" + std::to_string(random() % 1000000U);
        FilePtr file(std::fopen(temporary->c_str(), "wbx"));
        if (file) {
            return file;
        }
        failure = errno;
    }
    *error = Describe(path, std::error_code(failure, std::generic_category()));
    return nullptr;
}

}  // namespace

ReadStatus ReadWholeFile(const std::filesystem::path& path, std::string* bytes,
                         std::string* error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return ReadStatus::Missing;
    }
    if (ec || std::filesystem::is_directory(status)) {
        *error = Describe(path, ec ? ec : std::make_error_code(std::errc::is_a_directory));
        return ReadStatus::Failed;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        *error = DescribeErrno(path);
        return ReadStatus::Failed;
    }
    bytes->clear();
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes->append(buffer, got);
    }
    if (std::ferror(file.get()) != 0) {
        *error = DescribeErrno(path);
        return ReadStatus::Failed;
    }
    return ReadStatus::Read;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error) {
    std::filesystem::path temporary;
    FilePtr file = CreateTemporary(path, &temporary, error);
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    if (!written) {
        *error = DescribeErrno(path);
    }
    // fclose reports what a full disk kept back from the flush.
    const bool closed = std::fclose(file.release()) == 0;
    if (written && !closed) {
        *error = DescribeErrno(path);
    }
    std::error_code ec;
    if (written && closed) {
        std::filesystem::rename(temporary, path, ec);
        if (!ec) {
            return true;
        }
        *error = Describe(path, ec);
    }
    std::filesystem::remove(temporary, ec);
    return false;
}

}  // namespace zor06::settings
