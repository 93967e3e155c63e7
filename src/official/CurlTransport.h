#pragma once
#include <string>

#include "official/HttpTransport.h"

namespace brenvik {

// HttpTransport on libcurl.
class CurlTransport final : public HttpTransport {
  public:
    CurlTransport();
    // Trust only the certificates in this PEM file instead of the system's store (tests).
    void setCaFile(std::string path) { caFile_ = std::move(path); }
    const std::string& caFile() const { return caFile_; }

    bool connectionAvailable() override { return true; }
    HttpResponse get(const HttpRequest& request) override;

  private:
    std::string caFile_;
};

}  // namespace brenvik
