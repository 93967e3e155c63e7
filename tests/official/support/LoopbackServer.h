#pragma once
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "official/CurlTransport.h"
#include "official/clsWinInet.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace brenvik::test {

// A self-signed certificate for 127.0.0.1, made once per test program with the openssl
// command in a temporary folder.
struct TestCertificate {
    std::string certFile;
    std::string keyFile;
    static const TestCertificate& get();
    // A second, unrelated one: a certificate nobody trusts.
    static const TestCertificate& untrusted();
};

// What the server saw of one request.
struct SeenRequest {
    std::string path;  // with the query
    std::string agent;
    std::string acceptLanguage;
    std::string cacheControl;
    std::string pragma;
};

// A real HTTP (or HTTPS) server on 127.0.0.1 and a free port, running on its own thread for
// the object's lifetime. Routes can be added at any time; unknown paths answer 404 with
// the body "not found".
class LoopbackServer {
  public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;

    LoopbackServer();                                      // plain HTTP
    explicit LoopbackServer(const TestCertificate& cert);  // HTTPS
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT" or "https://…", without a trailing "/".
    std::string base() const;
    std::string url(const std::string& path) const { return base() + path; }

    // A fixed answer for a path (matched without the query, or with it when the path has one).
    void serve(const std::string& path, const std::string& body,
               const std::string& contentType = "text/html; charset=utf-8", int status = 200);
    // A redirect (302) from path to an address.
    void redirect(const std::string& path, const std::string& location);
    void handle(const std::string& path, Handler handler);

    std::vector<SeenRequest> requests() const;

  private:
    void run();

    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    bool https_ = false;
    mutable std::mutex mutex_;
    std::map<std::string, Handler> routes_;
    std::vector<SeenRequest> seen_;
};

// A libcurl transport installed for the test's lifetime, trusting only the given
// certificate (or the system store when none is given).
class TrustingTransport {
  public:
    explicit TrustingTransport(const TestCertificate* cert = nullptr);
    ~TrustingTransport();
    CurlTransport& transport() { return transport_; }

  private:
    CurlTransport transport_;
};

// Records the progress window's calls for its lifetime.
class DownloadProgressRecorder final : public DownloadProgress {
  public:
    DownloadProgressRecorder();
    ~DownloadProgressRecorder() override;
    void openFor(const OwnerWindow* owner) override;
    void addLine(const std::string& text) override;
    void appendText(const std::string& text) override;
    void setProgress(long long value, long long maximum) override;
    void close() override;

    bool opened = false;
    int openCount = 0;
    int closeCount = 0;
    bool topmost = false;
    long long ticks = 0;  // setProgress calls while open
    std::vector<std::string> lines;
};

// An owner window that records its repaints.
class FakeOwner final : public OwnerWindow {
  public:
    bool isTopmost() const override { return topmost; }
    void repaint() override { ++repaints; }
    bool topmost = false;
    int repaints = 0;
};

}  // namespace brenvik::test
