#pragma once
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "app/BusyPointer.h"
#include "app/Clock.h"
#include "app/Messages.h"
#include "app/ProgressLog.h"

namespace brenvik::test {

struct RecordedMessage {
    MessageIcon icon;
    std::string title;
    std::string text;
    bool question = false;
};

// Installs itself as the message boxes for its lifetime and records every box.
class MessageRecorder final : public Messages {
public:
    MessageRecorder();
    ~MessageRecorder() override;
    void show(MessageIcon icon, const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& text) override;

    // Answers for the next questions, in order; false (No) when none is left.
    void answer(bool yes) { answers.push_back(yes); }

    std::vector<RecordedMessage> boxes;
    std::deque<bool> answers;
};

class BusyRecorder final : public BusyPointer {
public:
    BusyRecorder();
    ~BusyRecorder() override;
    void begin() override { ++depth, ++begun; }
    void end() override { --depth; }
    int depth = 0;
    int begun = 0;
};

class ProgressRecorder final : public ProgressLog {
public:
    ProgressRecorder();
    ~ProgressRecorder() override;
    void open(const std::string& title) override { titles.push_back(title), opened = true; }
    void addLine(const std::string& text) override { lines.push_back(text); }
    void setProgress(long long value, long long maximum) override {
        steps.emplace_back(value, maximum);
    }
    void close() override { opened = false; }
    bool opened = false;
    std::vector<std::string> titles;
    std::vector<std::string> lines;
    std::vector<std::pair<long long, long long>> steps;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateTime t);
    ~FixedClock() override;
    DateTime now() const override { return time; }
    DateTime time;
};

// A fresh program folder for one test, removed afterwards; the previous folder is restored.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    // Writes raw bytes to a file below the folder, creating folders.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    // Copies the shipped SysData files into the folder.
    void copyShippedSysData() const;

private:
    std::filesystem::path path_;
    std::string previous_;
};

}  // namespace brenvik::test
