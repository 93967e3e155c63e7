#pragma once
#include <cstdint>
#include <string>

#include "app/Messages.h"
#include "app/ProgressLog.h"

namespace brenvik {

// The window a download runs for; it owns the progress window and is repainted after it.
class OwnerWindow {
  public:
    virtual ~OwnerWindow() = default;
    virtual bool isTopmost() const = 0;
    virtual void repaint() = 0;
};

// The progress window of the downloads (" インターネット接続"): one for the whole run, shared by
// every clsWinInet. addLine starts a new line; setProgress(bytes, 0) is called while a
// transfer runs and must repaint, so the window shows signs of life.
class DownloadProgress : public ProgressLog {
  public:
    // Shown without modality above the owner (nullptr: no owner); topmost when it is.
    virtual void openFor(const OwnerWindow* owner) = 0;
    // Text added at the end of the last line.
    virtual void appendText(const std::string& text) = 0;
    void open(const std::string& /*title*/) override { openFor(nullptr); }
};

inline constexpr const char* DownloadProgressCaption = " インターネット接続";

DownloadProgress& downloadProgress();
void setDownloadProgress(DownloadProgress* impl);  // nullptr restores the silent one

// The question before a download; true for Yes, true without asking when !blnDQuestion.
// Official pages: subject "開催情報", "投票状況" or "くじ結果"; blnMaker for the maker's files.
bool DownloadQuestion(const std::string& strSubject, bool blnDQuestion, bool blnMaker = false);

// The HTTP client: one GET per address, the bytes or their text, with progress lines.
class clsWinInet {
  public:
    clsWinInet();
    ~clsWinInet();
    clsWinInet(const clsWinInet&) = delete;
    clsWinInet& operator=(const clsWinInet&) = delete;

    bool Connection() const;

    bool ProgressOpen() const { return progressOpen_; }
    void ProgressOpen(bool value) { progressOpen_ = value; }
    bool ProgressClose() const { return progressClose_; }
    // Writing true also closes the progress window at once.
    void ProgressClose(bool value);
    const std::string& ProgressDialogMessage() const { return progressDialogMessage_; }
    void ProgressDialogMessage(const std::string& value) { progressDialogMessage_ = value; }

    // Time-outs are set in seconds and kept in milliseconds (overflow: RuntimeError 6); 0 or
    // less is not passed on. The getters give milliseconds.
    int32_t ConnectTimeout() const { return connectTimeoutMs_; }
    void ConnectTimeout(int32_t seconds);
    int32_t ReceiveTimeout() const { return receiveTimeoutMs_; }
    void ReceiveTimeout(int32_t seconds);
    int32_t SendTimeout() const { return sendTimeoutMs_; }
    void SendTimeout(int32_t seconds);
    int32_t ConnectRetries() const { return connectRetries_; }
    void ConnectRetries(int32_t count) { connectRetries_ = count; }

    // The bytes as UTF-8 text; empty when nothing came or on an error (reported).
    std::string GetHttpDataStringUTF8(const std::string& strUrl, const std::string& strProxy,
                                      OwnerWindow* objOwnerForm);
    // bytCode 0 = CP932, 8 = UTF-8; any other is reported ("コード番号が異常です（n）").
    std::string GetHttpDataString(const std::string& strUrl, const std::string& strProxy,
                                  OwnerWindow* objOwnerForm, uint8_t bytCode);
    // The download: the body's bytes into bytRecvData, their count as result. A failed
    // download gives 0 and an empty buffer; LastError() says why.
    int32_t GetHttpData(const std::string& strUrl, std::string& bytRecvData,
                        const std::string& strProxy, OwnerWindow* objOwnerForm);

    // Why the last GetHttpData got nothing from the transport; empty after a body came.
    const std::string& LastError() const { return lastError_; }
    // HTTP status of the last completed transfer, 0 otherwise.
    long LastStatus() const { return lastStatus_; }

  private:
    void newLine(const std::string& text) const;
    void appendText(const std::string& text) const;

    bool progressOpen_ = true;
    bool progressClose_ = true;
    std::string progressDialogMessage_;
    int32_t connectTimeoutMs_ = 0;
    int32_t receiveTimeoutMs_ = 0;
    int32_t sendTimeoutMs_ = 0;
    int32_t connectRetries_ = 0;
    std::string lastError_;
    long lastStatus_ = 0;
    ErrorReport report_{"clsWinInet"};
};

}  // namespace brenvik
