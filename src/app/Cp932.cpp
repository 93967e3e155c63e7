#include "app/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace brenvik::cp932 {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // iconv stops at the first bad byte; replace it and go on, so that one broken character
    // never loses the rest of a file.
    std::string run(std::string_view in, const std::string& replacement, std::size_t* errors,
                    bool utf8Input) {
        std::string out;
        out.reserve(in.size() + in.size() / 2);
        char buf[8192];
        char* ip = const_cast<char*>(in.data());
        std::size_t il = in.size();
        while (il > 0) {
            char* op = buf;
            std::size_t ol = sizeof buf;
            const std::size_t r = iconv(cd_, &ip, &il, &op, &ol);
            out.append(buf, static_cast<std::size_t>(op - buf));
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            if (errors) ++*errors;
            out += replacement;
            std::size_t skip = 1;
            if (utf8Input) {
                const auto b = static_cast<unsigned char>(*ip);
                skip = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
                // Skip only continuation bytes that really follow.
                for (std::size_t k = 1; k < skip; ++k) {
                    if (k >= il || (static_cast<unsigned char>(ip[k]) & 0xC0) != 0x80) {
                        skip = k;
                        break;
                    }
                }
            }
            if (skip > il) skip = il;
            ip += skip;
            il -= skip;
        }
        char* op = buf;
        std::size_t ol = sizeof buf;
        iconv(cd_, nullptr, nullptr, &op, &ol);
        out.append(buf, static_cast<std::size_t>(op - buf));
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string toUtf8(std::string_view bytes, std::size_t* errors) {
    Converter c("UTF-8", "CP932");
    return c.run(bytes, "\xEF\xBF\xBD", errors, false);
}

std::string fromUtf8(std::string_view text, std::size_t* errors) {
    Converter c("CP932", "UTF-8");
    return c.run(text, "?", errors, true);
}

}  // namespace brenvik::cp932
