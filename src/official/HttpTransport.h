#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace brenvik {

// One HTTP(S) GET as the downloads make it.
struct HttpRequest {
    std::string url;
    // Empty: the system's settings (the usual proxy environment variables); else the proxy.
    std::string proxy;
    std::string agent = "Talvenmoore WinInet";
    std::string acceptLanguage = "ja-JP";
    // Milliseconds; 0 or less leaves the platform's own value.
    int32_t connectTimeoutMs = 0;
    // No byte received for this long aborts the transfer.
    int32_t receiveTimeoutMs = 0;
    int32_t sendTimeoutMs = 0;
    int32_t connectRetries = 0;
    // Asks every cache on the way for a fresh copy.
    bool bypassCache = true;
    // Called on the calling thread while the transfer runs (bytes so far; also when nothing
    // arrives), so that a window can show signs of life. Called often, keep it cheap.
    std::function<void(std::size_t received)> onProgress;
    // Called once the server's response has begun (the connection is made).
    std::function<void()> onResponse;
};

struct HttpResponse {
    // True when the transfer completed: `body` is what the server sent, whatever the status
    // (a 404 page is a body like any other). False is a failed download: no connection,
    // time-out, TLS failure, refused address or redirect, a body over the cap.
    bool completed = false;
    long status = 0;
    std::string body;   // raw bytes; empty when not completed
    std::string error;  // why it failed; empty when completed
};

// The platform's HTTP client. Only http and https addresses; TLS always verified; redirects
// followed up to 5 times but never from https down to http; bodies up to MaxBodyBytes.
class HttpTransport {
  public:
    static constexpr std::size_t MaxBodyBytes = std::size_t{32} * 1024 * 1024;
    static constexpr int MaxRedirects = 5;

    virtual ~HttpTransport() = default;
    // Whether a connection can be attempted at all.
    virtual bool connectionAvailable() = 0;
    virtual HttpResponse get(const HttpRequest& request) = 0;
};

// The installed transport (libcurl unless something else is installed).
HttpTransport& httpTransport();
// Installs a transport (not owned); nullptr restores the libcurl one.
void setHttpTransport(HttpTransport* impl);

}  // namespace brenvik
