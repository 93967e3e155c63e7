#include "official/CurlTransport.h"

#include <curl/curl.h>

#include <memory>
#include <string_view>

namespace brenvik {

namespace {

struct Transfer {
    std::string body;
    bool tooLarge = false;
    bool responded = false;
    const HttpRequest* request = nullptr;
};

void noteResponse(Transfer& t) {
    if (t.responded) return;
    t.responded = true;
    if (t.request->onResponse) t.request->onResponse();
}

size_t onHeader(char*, size_t size, size_t count, void* user) {
    noteResponse(*static_cast<Transfer*>(user));
    return size * count;
}

size_t onData(char* data, size_t size, size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const size_t n = size * count;
    noteResponse(t);
    if (t.body.size() + n > HttpTransport::MaxBodyBytes) {
        t.tooLarge = true;
        return 0;  // aborts the transfer with CURLE_WRITE_ERROR
    }
    t.body.append(data, n);
    if (t.request->onProgress) t.request->onProgress(t.body.size());
    return n;
}

int onXfer(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& t = *static_cast<Transfer*>(user);
    if (t.request->onProgress) t.request->onProgress(t.body.size());
    return 0;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

struct CurlDeleter {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct ListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

}  // namespace

CurlTransport::CurlTransport() {
    // Once per process; curl keeps its own count.
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

HttpResponse CurlTransport::get(const HttpRequest& request) {
    HttpResponse result;
    const bool https = startsWith(request.url, "https://");
    if (!https && !startsWith(request.url, "http://")) {
        result.error = "only http and https addresses are fetched";
        return result;
    }
    std::unique_ptr<CURL, CurlDeleter> h(curl_easy_init());
    if (!h) {
        result.error = "the HTTP client could not start";
        return result;
    }
    CURL* c = h.get();
    Transfer t;
    t.request = &request;
    char errbuf[CURL_ERROR_SIZE] = {};

    curl_slist* raw = nullptr;
    raw = curl_slist_append(raw, ("Accept-Language: " + request.acceptLanguage).c_str());
    if (request.bypassCache) {
        raw = curl_slist_append(raw, "Cache-Control: no-cache");
        raw = curl_slist_append(raw, "Pragma: no-cache");
    }
    std::unique_ptr<curl_slist, ListDeleter> headers(raw);

    curl_easy_setopt(c, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_USERAGENT, request.agent.c_str());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    // Follow redirects as the platform client did, but never from https down to http.
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, static_cast<long>(MaxRedirects));
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, https ? "https" : "http,https");
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile_.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, caFile_.c_str());
    curl_easy_setopt(c, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(c, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxBodyBytes));
    if (!request.proxy.empty()) curl_easy_setopt(c, CURLOPT_PROXY, request.proxy.c_str());
    // An empty proxy leaves libcurl's own reading of the proxy environment variables.
    if (request.connectTimeoutMs > 0)
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.connectTimeoutMs));
    if (request.receiveTimeoutMs > 0) {
        // Less than one byte a second for the whole time-out aborts the transfer.
        const long seconds = (request.receiveTimeoutMs + 999) / 1000;
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, seconds);
    }
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, onData);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onXfer);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);

    // libcurl has no connect retry of its own; a failed connect is tried again.
    const int attempts = 1 + (request.connectRetries > 0 ? request.connectRetries : 0);
    CURLcode rc = CURLE_OK;
    for (int i = 0; i < attempts; ++i) {
        errbuf[0] = '\0';
        t.body.clear();
        rc = curl_easy_perform(c);
        if (rc != CURLE_COULDNT_CONNECT || t.responded) break;
    }
    if (t.tooLarge || rc == CURLE_FILESIZE_EXCEEDED) {
        result.error = "the body exceeds the size limit";
        return result;
    }
    if (rc != CURLE_OK) {
        result.error = errbuf[0] ? std::string(errbuf) : std::string(curl_easy_strerror(rc));
        return result;
    }
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &result.status);
    result.completed = true;
    result.body = std::move(t.body);
    return result;
}

namespace {
HttpTransport* installed = nullptr;
}

HttpTransport& httpTransport() {
    if (installed) return *installed;
    static CurlTransport curl;
    return curl;
}

void setHttpTransport(HttpTransport* impl) {
    installed = impl;
}

}  // namespace brenvik
