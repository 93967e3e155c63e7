#include "app/clsFileSystemObject.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "app/ProgramFolder.h"
#include "app/Utf8.h"

namespace brenvik {
namespace fs = std::filesystem;
namespace {

bool hasWildcard(const std::string& piece) {
    return piece.find_first_of("*?") != std::string::npos;
}

// A path that merely does not exist is no error; anything else is.
bool isNotFound(const std::error_code& ec) {
    return ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory;
}

// A NUL inside the text would silently cut the name the system sees.
void checkPath(const std::string& path) {
    if (path.find('\0') != std::string::npos) err::raise(err::PathFileAccess);
}

struct SplitPath {
    std::string folder;  // "/" for the root
    std::string piece;   // may be empty ("dir/" lists the folder)
};

SplitPath split(const std::string& full) {
    const auto pos = full.rfind('/');
    if (pos == std::string::npos) return {".", full};
    return {pos == 0 ? "/" : full.substr(0, pos), full.substr(pos + 1)};
}

enum class Want { NormalFiles, AnyEntry };

bool wanted(const fs::directory_entry& entry, Want want) {
    std::error_code ec;
    const auto st = entry.status(ec);  // follows links; a broken link is no file
    if (ec) return false;
    return want == Want::AnyEntry ? fs::exists(st) : fs::is_regular_file(st);
}

// Names in the folder of `full` that match its last piece, in listing order. Throws a
// RuntimeError for failures other than "not there".
std::vector<std::string> listMatches(const std::string& full, Want want, bool firstOnly) {
    checkPath(full);
    const SplitPath sp = split(full);
    std::vector<std::string> names;
    std::error_code ec;
    if (!sp.piece.empty() && !hasWildcard(sp.piece)) {
        const auto st = fs::status(full, ec);
        if (ec) {
            if (isNotFound(ec)) return names;
            throw clsFileSystemObject::ToRuntimeError(ec);
        }
        if (want == Want::AnyEntry ? fs::exists(st) : fs::is_regular_file(st))
            names.push_back(sp.piece);
        return names;
    }
    if (sp.piece.empty() && want == Want::AnyEntry) {
        // "dir/" as a folder test: the folder itself.
        const auto st = fs::status(sp.folder, ec);
        if (ec && !isNotFound(ec)) throw clsFileSystemObject::ToRuntimeError(ec);
        if (!ec && fs::exists(st)) names.push_back(sp.folder);
        return names;
    }
    const std::string pattern = sp.piece.empty() ? "*" : sp.piece;
    fs::directory_iterator it(sp.folder, ec);
    if (ec) {
        if (isNotFound(ec)) return names;
        throw clsFileSystemObject::ToRuntimeError(ec);
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) throw clsFileSystemObject::ToRuntimeError(ec);
        const std::string name = it->path().filename().string();
        if (!clsFileSystemObject::MatchesPattern(name, pattern) || !wanted(*it, want)) continue;
        names.push_back(name);
        if (firstOnly) break;
    }
    if (ec) throw clsFileSystemObject::ToRuntimeError(ec);
    return names;
}

// Moves one entry; a folder onto an existing folder merges into it, as the shell does.
bool moveEntry(const fs::path& from, const fs::path& to, bool allYes) {
    std::error_code ec;
    const auto toStatus = fs::symlink_status(to, ec);
    if (fs::exists(toStatus)) {
        if (fs::equivalent(from, to, ec)) return false;
        const bool fromFolder = fs::is_directory(fs::symlink_status(from, ec));
        if (fs::is_directory(toStatus) != fromFolder) return false;  // never a folder by a file
        if (fromFolder) {
            std::vector<fs::path> children;
            for (const auto& child : fs::directory_iterator(from, ec)) children.push_back(child);
            if (ec) return false;
            bool ok = true;
            for (const auto& child : children)
                ok = moveEntry(child, to / child.filename(), allYes) && ok;
            if (ok) fs::remove(from, ec);
            return ok && !ec;
        }
        // Without the yes-to-all answer the shell would ask; nobody is there to answer.
        if (!allYes) return false;
        fs::remove_all(to, ec);
        if (ec) return false;
    }
    fs::rename(from, to, ec);
    if (!ec) return true;
    if (ec != std::errc::cross_device_link) return false;
    // Another file system: copy, then remove the source only once the copy is whole.
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(to, ignored);
        return false;
    }
    fs::remove_all(from, ec);
    return !ec;
}

}  // namespace

RuntimeError clsFileSystemObject::ToRuntimeError(const std::error_code& ec) {
    int32_t number = err::PathFileAccess;
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
        ec == std::errc::read_only_file_system)
        number = err::PermissionDenied;
    else if (ec == std::errc::no_space_on_device || ec == std::errc::file_too_large ||
             ec == std::errc::io_error)
        number = err::DeviceIO;
    else if (isNotFound(ec))
        number = err::PathNotFound;
    return RuntimeError(number, err::describe(number));
}

bool clsFileSystemObject::MatchesPattern(const std::string& strName,
                                         const std::string& strPattern) {
    const auto name = utf8::decode(strName);
    const auto pat = utf8::decode(strPattern);
    // Greedy match with one backtrack point: linear enough for file names.
    std::size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && (pat[p] == U'?' || pat[p] == name[n])) {
            ++n, ++p;
        } else if (p < pat.size() && pat[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == U'*') ++p;
    return p == pat.size();
}

std::string clsFileSystemObject::GetFullPath(const std::string& strPath) const {
    if (!strPath.empty() && strPath.front() == '/') return strPath;
    return BuildPath(programFolder().path(), strPath);
}

std::string clsFileSystemObject::BuildPath(const std::string& strFolder,
                                           const std::string& strName) const {
    // An empty folder would otherwise turn the name into a path from the root.
    if (strFolder.empty()) return strName;
    if (strFolder.back() == '/') return strFolder + strName;
    return strFolder + "/" + strName;
}

bool clsFileSystemObject::FileExists(const std::string& strPath) const {
    try {
        if (strPath.empty()) return false;
        return !listMatches(GetFullPath(strPath), Want::NormalFiles, true).empty();
    } catch (const RuntimeError& e) {
        report_.error("FileExists", e);
    } catch (const std::exception& e) {
        report_.error("FileExists", e);
    }
    return false;
}

bool clsFileSystemObject::FolderExists(const std::string& strPath) const {
    try {
        if (strPath.empty()) return false;
        return !listMatches(GetFullPath(strPath), Want::AnyEntry, true).empty();
    } catch (const RuntimeError& e) {
        report_.error("FolderExists", e);
    } catch (const std::exception& e) {
        report_.error("FolderExists", e);
    }
    return false;
}

std::string clsFileSystemObject::GetFileName(const std::string& strPath) const {
    const auto pos = strPath.rfind('/');
    return pos == std::string::npos ? strPath : strPath.substr(pos + 1);
}

std::string clsFileSystemObject::GetExtensionName(const std::string& strPath) const {
    const std::string name = GetFileName(strPath);
    const auto pos = name.rfind('.');
    return pos == std::string::npos ? std::string() : name.substr(pos + 1);
}

std::string clsFileSystemObject::GetParentFolderName(const std::string& strPath) const {
    std::string s = strPath;
    if (!s.empty() && s.back() == '/') s.pop_back();
    const auto pos = s.rfind('/');
    if (pos == std::string::npos) return {};
    // A file directly in the root has the root as its folder.
    return pos == 0 ? "/" : s.substr(0, pos);
}

std::string clsFileSystemObject::ExtensionCheck(const std::string& strPath,
                                                const std::string& strExtension) const {
    if (utf8::equalsIgnoreCase(GetExtensionName(strPath), strExtension)) return strPath;
    return strPath + "." + strExtension;
}

bool clsFileSystemObject::FolderCheck(const std::string& strPath) const {
    try {
        const std::string full = GetFullPath(strPath);
        checkPath(full);
        std::error_code ec;
        fs::create_directories(full, ec);
        return fs::is_directory(full, ec);
    } catch (const std::exception&) {
        return false;
    }
}

int32_t clsFileSystemObject::GetFileList(const std::string& strPattern,
                                         std::vector<std::string>& lstFiles, bool blnSort) const {
    lstFiles.clear();
    try {
        auto names = listMatches(GetFullPath(strPattern), Want::NormalFiles, false);
        if (blnSort) std::sort(names.begin(), names.end());  // bytes of UTF-8 = code points
        lstFiles = std::move(names);
    } catch (const std::exception&) {
        lstFiles.clear();
    }
    return static_cast<int32_t>(lstFiles.size());
}

bool clsFileSystemObject::ShellMove(const std::string& strSource, const std::string& strDestination,
                                    bool blnAllYes) const {
    try {
        const std::string src = GetFullPath(strSource);
        const std::string dst = GetFullPath(strDestination);
        checkPath(src);
        checkPath(dst);
        const SplitPath sp = split(src);
        if (sp.piece.empty()) return false;
        const bool many = hasWildcard(sp.piece);
        const auto names = listMatches(src, Want::AnyEntry, false);
        if (names.empty()) return false;

        std::error_code ec;
        const bool intoFolder = many || fs::is_directory(dst, ec);
        if (intoFolder) {
            fs::create_directories(dst, ec);
            if (!fs::is_directory(dst, ec)) return false;
        } else {
            const fs::path parent = fs::path(dst).parent_path();
            if (!parent.empty()) fs::create_directories(parent, ec);
        }
        bool ok = true;
        for (const auto& name : names) {
            const fs::path from = fs::path(sp.folder) / name;
            const fs::path to = intoFolder ? fs::path(dst) / name : fs::path(dst);
            ok = moveEntry(from, to, blnAllYes) && ok;
        }
        return ok;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace brenvik
