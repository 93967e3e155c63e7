#include "app/clsStringConvert.h"

#include <algorithm>

#include "app/Classic.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"

namespace brenvik {
namespace {

// The classic split: an empty text has no pieces, otherwise one more than separators.
std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    while (true) {
        const auto at = text.find(sep, start);
        pieces.push_back(text.substr(start, at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return pieces;
}

template <class T, class Format>
std::string write1(const std::vector<T>& v, Format format) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (i) s += ',';
        s += format(v[i]);
    }
    return s;
}

template <class T, class Format>
std::string write2(const Array2<T>& a, const char* elementSep, Format format) {
    std::string s;
    for (std::size_t r = 0; r < a.rows(); ++r) {
        if (r) s += ',';
        for (std::size_t e = 0; e < a.cols(); ++e) {
            if (e) s += elementSep;
            s += format(a(r, e));
        }
    }
    return s;
}

template <class T, class Parse>
void read1(const std::string& text, std::vector<T>& target, Parse parse) {
    const auto pieces = split(text, ',');
    const std::size_t count = std::min(target.size(), pieces.size());
    for (std::size_t i = 0; i < count; ++i) target[i] = parse(pieces[i]);
}

template <class T, class Parse>
void read2(const std::string& text, Array2<T>& target, Parse parse) {
    const auto rows = split(text, ',');
    const std::size_t rowCount = std::min(target.rows(), rows.size());
    std::size_t limit = target.cols();
    for (std::size_t r = 0; r < rowCount; ++r) {
        const auto pieces = split(rows[r], ':');
        limit = std::min(limit, pieces.size());
        for (std::size_t e = 0; e < limit; ++e) target(r, e) = parse(pieces[e]);
    }
}

// One character per element, taken by position; no element limit.
template <class Store>
void readChars(const std::string& row, std::size_t count, Store store) {
    for (std::size_t e = 0; e < count; ++e) store(e, utf8::mid(row, e + 1, 1));
}

int32_t parseLong(const std::string& piece) {
    return classic::toLong(piece);
}
Currency parseCurrency(const std::string& piece) {
    return Currency::parse(piece);
}
std::string asIs(const std::string& piece) {
    return piece;
}
std::string longText(int32_t v) {
    return std::to_string(v);
}
std::string currencyText(const Currency& v) {
    return v.toString();
}
std::string boolText(bool v) {
    return v ? "1" : "0";
}

}  // namespace

void clsStringConvert::DateToString(const DateTime& dtmValue, std::string& strText) const {
    strText = dtmValue.isZero() ? "Nothing" : dtmValue.dateText();
}

void clsStringConvert::StringToDate(const std::string& strText, DateTime& dtmValue) const {
    if (strText.empty() || strText == "Nothing") {
        dtmValue = DateTime();
        return;
    }
    DateTime d;
    if (!DateTime::tryParse(strText, d)) err::raise(err::TypeMismatch);
    dtmValue = d;
}

void clsStringConvert::BooleanToString(bool blnValue, std::string& strText) const {
    strText = boolText(blnValue);
}

void clsStringConvert::StringToBoolean(const std::string& strText, bool& blnValue) const {
    blnValue = strText == "1";
}

void clsStringConvert::Boolean1ToString(const std::vector<bool>& blnValue,
                                        std::string& strText) const {
    strText.clear();
    for (bool b : blnValue) strText += boolText(b);
}

void clsStringConvert::StringToBoolean1(const std::string& strText,
                                        std::vector<bool>& blnValue) const {
    readChars(strText, blnValue.size(),
              [&](std::size_t e, const std::string& c) { blnValue[e] = c == "1"; });
}

void clsStringConvert::Boolean2ToString(const Array2<bool>& blnValue, std::string& strText) const {
    strText = write2(blnValue, "", boolText);
}

void clsStringConvert::StringToBoolean2(const std::string& strText, Array2<bool>& blnValue) const {
    const auto rows = split(strText, ',');
    const std::size_t rowCount = std::min(blnValue.rows(), rows.size());
    for (std::size_t r = 0; r < rowCount; ++r)
        readChars(rows[r], blnValue.cols(),
                  [&](std::size_t e, const std::string& c) { blnValue(r, e) = c == "1"; });
}

void clsStringConvert::Byte2ToString(const Array2<uint8_t>& bytValue, std::string& strText) const {
    strText = write2(bytValue, "", [](uint8_t v) { return std::to_string(v); });
}

void clsStringConvert::StringToByte2(const std::string& strText, Array2<uint8_t>& bytValue) const {
    const auto rows = split(strText, ',');
    const std::size_t rowCount = std::min(bytValue.rows(), rows.size());
    for (std::size_t r = 0; r < rowCount; ++r)
        readChars(rows[r], bytValue.cols(), [&](std::size_t e, const std::string& c) {
            bytValue(r, e) = classic::toByte(c);
        });
}

void clsStringConvert::Long1ToString(const std::vector<int32_t>& lngValue,
                                     std::string& strText) const {
    strText = write1(lngValue, longText);
}

void clsStringConvert::StringToLong1(const std::string& strText,
                                     std::vector<int32_t>& lngValue) const {
    read1(strText, lngValue, parseLong);
}

void clsStringConvert::Long2ToString(const Array2<int32_t>& lngValue, std::string& strText) const {
    strText = write2(lngValue, ":", longText);
}

void clsStringConvert::StringToLong2(const std::string& strText, Array2<int32_t>& lngValue) const {
    read2(strText, lngValue, parseLong);
}

void clsStringConvert::Currency1ToString(const std::vector<Currency>& curValue,
                                         std::string& strText) const {
    strText = write1(curValue, currencyText);
}

void clsStringConvert::StringToCurrency1(const std::string& strText,
                                         std::vector<Currency>& curValue) const {
    read1(strText, curValue, parseCurrency);
}

void clsStringConvert::Currency2ToString(const Array2<Currency>& curValue,
                                         std::string& strText) const {
    strText = write2(curValue, ":", currencyText);
}

void clsStringConvert::StringToCurrency2(const std::string& strText,
                                         Array2<Currency>& curValue) const {
    read2(strText, curValue, parseCurrency);
}

void clsStringConvert::String1ToString(const std::vector<std::string>& strSource,
                                       std::string& strText) const {
    strText = write1(strSource, asIs);
}

void clsStringConvert::StringToString1(const std::string& strText,
                                       std::vector<std::string>& strSource) const {
    read1(strText, strSource, asIs);
}

void clsStringConvert::String2ToString(const Array2<std::string>& strSource,
                                       std::string& strText) const {
    strText = write2(strSource, ":", asIs);
}

void clsStringConvert::StringToString2(const std::string& strText,
                                       Array2<std::string>& strSource) const {
    read2(strText, strSource, asIs);
}

}  // namespace brenvik
