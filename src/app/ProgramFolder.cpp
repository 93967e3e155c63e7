#include "app/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brenvik {

std::string ProgramFolder::detect(const char* argv0) {
    if (const char* home = std::getenv("BRENVIK_HOME"); home && *home) return home;
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path().string();
    if (argv0 && *argv0) {
        auto p = std::filesystem::absolute(argv0, ec);
        if (!ec) return p.parent_path().string();
    }
    return std::filesystem::current_path(ec).string();
}

void ProgramFolder::setPath(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    path_ = folder.empty() ? "." : std::move(folder);
}

std::string ProgramFolder::join(const std::string& relative) const {
    if (path_.back() == '/') return path_ + relative;
    return path_ + "/" + relative;
}

ProgramFolder& programFolder() {
    static ProgramFolder folder;
    return folder;
}

}  // namespace brenvik
