#include "official/clsWinInet.h"

#include <limits>

#include "app/BusyPointer.h"
#include "app/Cp932.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"
#include "official/HttpTransport.h"

namespace brenvik {

namespace {

class SilentProgress final : public DownloadProgress {
  public:
    void openFor(const OwnerWindow*) override {}
    void addLine(const std::string&) override {}
    void appendText(const std::string&) override {}
    void setProgress(long long, long long) override {}
    void close() override {}
};

DownloadProgress* installedProgress = nullptr;

int32_t secondsToMs(int32_t seconds) {
    const int64_t ms = int64_t{seconds} * 1000;
    if (ms > std::numeric_limits<int32_t>::max() || ms < std::numeric_limits<int32_t>::min())
        err::raise(err::Overflow);
    return static_cast<int32_t>(ms);
}

}  // namespace

DownloadProgress& downloadProgress() {
    static SilentProgress silent;
    return installedProgress ? *installedProgress : silent;
}

void setDownloadProgress(DownloadProgress* impl) {
    installedProgress = impl;
}

bool DownloadQuestion(const std::string& strSubject, bool blnDQuestion, bool blnMaker) {
    if (!blnDQuestion) return true;
    if (blnMaker)
        return messages().ask(
            " " + std::string(" Talvenmoore"),
            "Talvenmooreより " + strSubject + " をダウンロードします。よろしいですか？");
    return messages().ask(" " + strSubject, "インターネットより " + strSubject +
                                                " をダウンロードします。よろしいですか？");
}

clsWinInet::clsWinInet() {
    ConnectTimeout(15);
    ReceiveTimeout(30);
}

clsWinInet::~clsWinInet() = default;

bool clsWinInet::Connection() const {
    return httpTransport().connectionAvailable();
}

void clsWinInet::ProgressClose(bool value) {
    progressClose_ = value;
    if (value) downloadProgress().close();
}

void clsWinInet::ConnectTimeout(int32_t seconds) {
    connectTimeoutMs_ = secondsToMs(seconds);
}
void clsWinInet::ReceiveTimeout(int32_t seconds) {
    receiveTimeoutMs_ = secondsToMs(seconds);
}
void clsWinInet::SendTimeout(int32_t seconds) {
    sendTimeoutMs_ = secondsToMs(seconds);
}

void clsWinInet::newLine(const std::string& text) const {
    if (progressOpen_) downloadProgress().addLine(" " + text);
}

void clsWinInet::appendText(const std::string& text) const {
    if (progressOpen_) downloadProgress().appendText(text);
}

int32_t clsWinInet::GetHttpData(const std::string& strUrl, std::string& bytRecvData,
                                const std::string& strProxy, OwnerWindow* objOwnerForm) {
    BusyScope busy;
    bytRecvData.clear();
    lastError_.clear();
    lastStatus_ = 0;
    if (strUrl.empty()) return 0;

    if (progressOpen_) downloadProgress().openFor(objOwnerForm);
    if (!progressDialogMessage_.empty()) newLine(progressDialogMessage_);

    newLine("[コネクション開始]");
    newLine(strUrl);

    HttpRequest request;
    request.url = strUrl;
    request.proxy = strProxy;
    request.connectTimeoutMs = connectTimeoutMs_;
    request.receiveTimeoutMs = receiveTimeoutMs_;
    request.sendTimeoutMs = sendTimeoutMs_;
    request.connectRetries = connectRetries_;
    bool responded = false;
    std::size_t dots = 0;
    request.onResponse = [&] {
        responded = true;
        newLine("受信中 ");
    };
    // One "." per kilobyte read, as the classic reads of 1,024 bytes showed; and a repaint
    // on every call, so that a slow download keeps the window alive.
    request.onProgress = [&](std::size_t received) {
        if (!progressOpen_) return;
        if (responded) {
            const std::size_t want = received / 1024;
            if (want > dots) {
                appendText(std::string(want - dots, '.'));
                dots = want;
            }
        }
        downloadProgress().setProgress(static_cast<long long>(received), 0);
    };

    HttpResponse response = httpTransport().get(request);
    if (responded) {
        appendText(".");
        newLine("[コネクション終了]");
    }
    int32_t count = 0;
    if (response.completed) {
        lastStatus_ = response.status;
        bytRecvData = std::move(response.body);
        count = static_cast<int32_t>(bytRecvData.size());
    } else {
        lastError_ = response.error.empty() ? "download failed" : response.error;
    }

    if (progressOpen_ && progressClose_) {
        downloadProgress().close();
        if (objOwnerForm) objOwnerForm->repaint();
    }
    return count;
}

std::string clsWinInet::GetHttpDataStringUTF8(const std::string& strUrl,
                                              const std::string& strProxy,
                                              OwnerWindow* objOwnerForm) {
    try {
        std::string bytes;
        if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) <= 0) return {};
        return utf8::sanitize(bytes);
    } catch (const RuntimeError& e) {
        report_.error("GetHttpDataStringUTF8", e);
    } catch (const std::exception& e) {
        report_.error("GetHttpDataStringUTF8", e);
    }
    return {};
}

std::string clsWinInet::GetHttpDataString(const std::string& strUrl, const std::string& strProxy,
                                          OwnerWindow* objOwnerForm, uint8_t bytCode) {
    try {
        std::string bytes;
        if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) <= 0) return {};
        switch (bytCode) {
            case 0:
                return cp932::toUtf8(bytes);
            case 8:
                return utf8::sanitize(bytes);
            default:
                report_.message("GetHttpDataString",
                                "コード番号が異常です（" + std::to_string(bytCode) + "）");
                return {};
        }
    } catch (const RuntimeError& e) {
        report_.error("GetHttpDataString", e);
    } catch (const std::exception& e) {
        report_.error("GetHttpDataString", e);
    }
    return {};
}

}  // namespace brenvik
