#include "app/clsFileStream.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "app/Cp932.h"

namespace brenvik {
namespace fs = std::filesystem;
namespace {

RuntimeError lastSystemError() {
    return clsFileSystemObject::ToRuntimeError(std::error_code(errno, std::generic_category()));
}

std::string temporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const auto pos = target.rfind('/');
    const std::string folder = pos == std::string::npos ? std::string() : target.substr(0, pos + 1);
    const std::string name = pos == std::string::npos ? target : target.substr(pos + 1);
    return folder + "." + name + ".tmp" + std::to_string(seed) + "-" + std::to_string(counter++);
}

// Closes the file on every path out.
struct FileCloser {
    std::FILE* f;
    ~FileCloser() {
        if (f) std::fclose(f);
    }
};

}  // namespace

void clsFileStream::WriteFileReplacing(const std::string& strFullPath,
                                       const std::string& bytBytes) {
    if (strFullPath.empty() || strFullPath.back() == '/' ||
        strFullPath.find('\0') != std::string::npos)
        err::raise(err::PathFileAccess);
    std::string tmp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 20 && !f; ++attempt) {
        tmp = temporaryName(strFullPath);
        f = std::fopen(tmp.c_str(), "wbx");  // never opens a file someone else made
        if (!f && errno != EEXIST) throw lastSystemError();
    }
    if (!f) err::raise(err::PathFileAccess);
    bool written = std::fwrite(bytBytes.data(), 1, bytBytes.size(), f) == bytBytes.size();
    int writeErrno = written ? 0 : errno;
    if (written && std::fflush(f) != 0) written = false, writeErrno = errno;
    if (std::fclose(f) != 0 && written) written = false, writeErrno = errno;
    std::error_code ec;
    if (!written) {
        fs::remove(tmp, ec);
        throw clsFileSystemObject::ToRuntimeError(
            std::error_code(writeErrno ? writeErrno : EIO, std::generic_category()));
    }
    fs::rename(tmp, strFullPath, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        throw clsFileSystemObject::ToRuntimeError(ec);
    }
}

std::string clsFileStream::ReadWholeFile(const std::string& strFullPath) {
    if (strFullPath.find('\0') != std::string::npos) err::raise(err::PathFileAccess);
    std::error_code ec;
    if (fs::is_directory(strFullPath, ec)) err::raise(err::PathFileAccess);
    FileCloser file{std::fopen(strFullPath.c_str(), "rb")};
    if (!file.f) {
        if (errno == ENOENT) err::raise(err::FileNotFound);
        throw lastSystemError();
    }
    std::string bytes;
    char buf[65536];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, file.f)) > 0) bytes.append(buf, got);
    if (std::ferror(file.f)) throw lastSystemError();
    return bytes;
}

bool clsFileStream::save(const char* procedure, const std::string& strFileName,
                         const std::string& bytes) {
    try {
        const std::string path = fso_.GetFullPath(strFileName);
        if (!fso_.FolderCheck(fso_.GetParentFolderName(path))) return false;
        WriteFileReplacing(path, bytes);
        return true;
    } catch (const std::exception& e) {
        report_.error(procedure, e);
    }
    return false;
}

bool clsFileStream::SaveToFile(const std::string& strFileName, const std::string& strText) {
    try {
        return save("SaveToFile", strFileName, cp932::fromUtf8(strText));
    } catch (const std::exception& e) {
        report_.error("SaveToFile", e);
    }
    return false;
}

bool clsFileStream::SaveToBinaryFile(const std::string& strFileName, const std::string& bytBytes) {
    return save("SaveToBinaryFile", strFileName, bytBytes);
}

bool clsFileStream::load(const char* procedure, const std::string& strFileName,
                         std::string& bytes) {
    try {
        const std::string path = fso_.GetFullPath(strFileName);
        std::error_code ec;
        const bool exists = path.find('\0') == std::string::npos && fs::exists(path, ec);
        if (!exists && (!ec || ec == std::errc::no_such_file_or_directory ||
                        ec == std::errc::not_a_directory)) {
            if (errMessage_) report_.message(procedure, "ファイルが存在しません。\r\n" + path);
            return false;
        }
        bytes = ReadWholeFile(path);
        return true;
    } catch (const std::exception& e) {
        report_.error(procedure, e);
    }
    return false;
}

bool clsFileStream::LoadFromFile(const std::string& strFileName, std::string& strText) {
    std::string bytes;
    if (!load("LoadFromFile", strFileName, bytes)) return false;
    try {
        std::string text = cp932::toUtf8(bytes);
        if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
        strText = std::move(text);
        return true;
    } catch (const std::exception& e) {
        report_.error("LoadFromFile", e);
    }
    return false;
}

bool clsFileStream::LoadBytes(const std::string& strFileName, std::string& bytBytes) {
    return load("LoadBytes", strFileName, bytBytes);
}

}  // namespace brenvik
