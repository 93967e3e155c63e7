#pragma once
#include <memory>

#include "app/ProgressLog.h"

class QWidget;
class QListWidget;
class QProgressBar;

namespace brenvik::ui {

// A small modeless window with the lines of a long job and a bar. The job runs on the
// user-interface thread, so every call repaints the window itself.
class QtProgressLog final : public ProgressLog {
  public:
    QtProgressLog();
    ~QtProgressLog() override;
    void open(const std::string& title) override;
    void addLine(const std::string& text) override;
    void setProgress(long long value, long long maximum) override;
    void close() override;

    // For tests: the window while it exists.
    QWidget* window() const { return window_.get(); }

  private:
    void ensureWindow();
    void repaintNow();

    std::unique_ptr<QWidget> window_;
    QListWidget* lines_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

}  // namespace brenvik::ui
