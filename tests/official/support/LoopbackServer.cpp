#include "support/LoopbackServer.h"

#include <httplib.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace brenvik::test {

namespace {

TestCertificate makeCertificate(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("brenvik-cert-" + std::to_string(::getpid()) + "-" + name);
    fs::create_directories(folder);
    TestCertificate cert{(folder / "cert.pem").string(), (folder / "key.pem").string()};
    const std::string command =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
        " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
        cert.keyFile + "' -out '" + cert.certFile + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 || !fs::exists(cert.certFile))
        throw std::runtime_error("openssl could not make a test certificate");
    return cert;
}

}  // namespace

const TestCertificate& TestCertificate::get() {
    static const TestCertificate cert = makeCertificate("trusted");
    return cert;
}

const TestCertificate& TestCertificate::untrusted() {
    static const TestCertificate cert = makeCertificate("untrusted");
    return cert;
}

LoopbackServer::LoopbackServer() : server_(std::make_unique<httplib::Server>()) {
    run();
}

LoopbackServer::LoopbackServer(const TestCertificate& cert)
    : server_(std::make_unique<httplib::SSLServer>(cert.certFile.c_str(), cert.keyFile.c_str())),
      https_(true) {
    run();
}

void LoopbackServer::run() {
    server_->set_keep_alive_max_count(1);
    server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
        Handler handler;
        {
            std::lock_guard lock(mutex_);
            seen_.push_back({req.target, req.get_header_value("User-Agent"),
                             req.get_header_value("Accept-Language"),
                             req.get_header_value("Cache-Control"),
                             req.get_header_value("Pragma")});
            auto it = routes_.find(req.target);
            if (it == routes_.end()) it = routes_.find(req.path);
            if (it != routes_.end()) handler = it->second;
        }
        if (handler) {
            handler(req, res);
        } else {
            res.status = 404;
            res.set_content("not found", "text/plain");
        }
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("no free port on 127.0.0.1");
    // The socket listens from bind on, so clients may connect before the thread runs.
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() before the loop runs would be lost and the loop would never end.
    for (int i = 0; i < 5000 && !server_->is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackServer::~LoopbackServer() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

std::string LoopbackServer::base() const {
    return std::string(https_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

void LoopbackServer::serve(const std::string& path, const std::string& body,
                           const std::string& contentType, int status) {
    handle(path, [body, contentType, status](const httplib::Request&, httplib::Response& res) {
        res.status = status;
        res.set_content(body, contentType.c_str());
    });
}

void LoopbackServer::redirect(const std::string& path, const std::string& location) {
    handle(path, [location](const httplib::Request&, httplib::Response& res) {
        res.set_redirect(location);
    });
}

void LoopbackServer::handle(const std::string& path, Handler handler) {
    std::lock_guard lock(mutex_);
    routes_[path] = std::move(handler);
}

std::vector<SeenRequest> LoopbackServer::requests() const {
    std::lock_guard lock(mutex_);
    return seen_;
}

TrustingTransport::TrustingTransport(const TestCertificate* cert) {
    if (cert) transport_.setCaFile(cert->certFile);
    setHttpTransport(&transport_);
}

TrustingTransport::~TrustingTransport() {
    setHttpTransport(nullptr);
}

DownloadProgressRecorder::DownloadProgressRecorder() {
    setDownloadProgress(this);
}
DownloadProgressRecorder::~DownloadProgressRecorder() {
    setDownloadProgress(nullptr);
}

void DownloadProgressRecorder::openFor(const OwnerWindow* owner) {
    opened = true;
    ++openCount;
    topmost = owner && owner->isTopmost();
}

void DownloadProgressRecorder::addLine(const std::string& text) {
    lines.push_back(text);
}

void DownloadProgressRecorder::appendText(const std::string& text) {
    if (lines.empty())
        lines.push_back(text);
    else
        lines.back() += text;
}

void DownloadProgressRecorder::setProgress(long long, long long) {
    if (opened) ++ticks;
}

void DownloadProgressRecorder::close() {
    opened = false;
    ++closeCount;
}

}  // namespace brenvik::test
