#include "support/Recorders.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "app/ProgramFolder.h"

#ifndef BRENVIK_SYSDATA_DIR
#define BRENVIK_SYSDATA_DIR ""
#endif

namespace brenvik::test {

MessageRecorder::MessageRecorder() { setMessages(this); }
MessageRecorder::~MessageRecorder() { setMessages(nullptr); }

void MessageRecorder::show(MessageIcon icon, const std::string& title, const std::string& text) {
    boxes.push_back({icon, title, text, false});
}

bool MessageRecorder::ask(const std::string& title, const std::string& text) {
    boxes.push_back({MessageIcon::Information, title, text, true});
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

BusyRecorder::BusyRecorder() { setBusyPointer(this); }
BusyRecorder::~BusyRecorder() { setBusyPointer(nullptr); }
ProgressRecorder::ProgressRecorder() { setProgressLog(this); }
ProgressRecorder::~ProgressRecorder() { setProgressLog(nullptr); }
FixedClock::FixedClock(DateTime t) : time(t) { setClock(this); }
FixedClock::~FixedClock() { setClock(nullptr); }

TempProgramFolder::TempProgramFolder() : previous_(programFolder().path()) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto p = std::filesystem::temp_directory_path() /
                 ("brenvik-test-" + std::to_string(rd()) + std::to_string(attempt));
        if (std::filesystem::create_directory(p)) {
            path_ = p;
            break;
        }
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder");
    programFolder().setPath(path_.string());
}

TempProgramFolder::~TempProgramFolder() {
    programFolder().setPath(previous_);
    std::error_code ec;
    // Tests may take write access away; give it back so the folder can go.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempProgramFolder::write(const std::string& relative, const std::string& bytes) const {
    const auto p = path_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f << bytes;
}

std::string TempProgramFolder::read(const std::string& relative) const {
    std::ifstream f(path_ / relative, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool TempProgramFolder::exists(const std::string& relative) const {
    return std::filesystem::exists(path_ / relative);
}

void TempProgramFolder::copyShippedSysData() const {
    std::filesystem::create_directories(path_ / "SysData");
    std::filesystem::copy(BRENVIK_SYSDATA_DIR, path_ / "SysData",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace brenvik::test
