#pragma once
#include <string>

namespace brenvik {

// The folder that holds the executable (or BRENVIK_HOME), from which every data path is built.
class ProgramFolder {
public:
    // The folder of the running executable, unless BRENVIK_HOME names one.
    static std::string detect(const char* argv0 = nullptr);

    const std::string& path() const { return path_; }
    void setPath(std::string folder);
    // A relative name joined to the folder with "/".
    std::string join(const std::string& relative) const;

private:
    std::string path_ = ".";
};

ProgramFolder& programFolder();

}  // namespace brenvik
