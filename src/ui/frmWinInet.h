#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <memory>

#include "official/clsWinInet.h"

class QWidget;
class QListWidget;
class QLabel;

namespace brenvik::ui {

// A Qt window as the owner of a download.
class QtOwnerWindow final : public OwnerWindow {
  public:
    explicit QtOwnerWindow(QWidget* window) : window_(window) {}
    bool isTopmost() const override;
    void repaint() override;
    QWidget* widget() const { return window_; }

  private:
    QWidget* window_;
};

// The progress window of the downloads: its caption, the background picBase, the list of
// lines lstMsg and the decorative imgEarthAni, which turns while bytes are awaited. The
// download runs on the user-interface thread, so the window paints itself on every call.
class frmWinInet final : public QObject, public DownloadProgress {
    Q_OBJECT
  public:
    frmWinInet();
    ~frmWinInet() override;

    // The program's one window, installed as the downloads' progress window; it lets go of
    // itself when the application quits.
    static void install();

    void openFor(const OwnerWindow* owner) override;
    void addLine(const std::string& text) override;
    void appendText(const std::string& text) override;
    void setProgress(long long value, long long maximum) override;
    void close() override;

    // For tests: the window while it exists, and its lines.
    QWidget* window() const { return window_.get(); }
    QListWidget* lines() const { return lstMsg_; }

  private:
    void ensureWindow();
    void repaintNow();

    std::unique_ptr<QWidget> window_;
    QListWidget* lstMsg_ = nullptr;
    QLabel* imgEarthAni_ = nullptr;
    QElapsedTimer sincePaint_;
    int frame_ = 0;
};

}  // namespace brenvik::ui
