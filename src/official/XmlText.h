#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/Currency.h"
#include "app/DateTime.h"
#include "app/Messages.h"

// The cache files' own small XML: one element per line, values unescaped, read back through a
// stack of open tags. Not a general XML reader on purpose: files of earlier versions were
// written this way (values holding "<" or "&" included) and must read back the same.
namespace brenvik::xmltext {

// "yyyy/mm/dd" for a date without time, "H:mm:ss" for a time without date (so the zero value
// is "0:00:00"), both joined by one blank otherwise.
std::string dateTimeText(DateTime value);

// Builds a file's text, lines ended by CR LF.
class Writer {
  public:
    void line(std::string_view text);
    // "<name>value</name>"
    void element(std::string_view name, std::string_view value);
    void element(std::string_view name, int32_t value);
    void element(std::string_view name, DateTime value);
    void element(std::string_view name, Currency value);
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

// Called for every value line under the root pair "<toto>" + root: key is the concatenation
// of the open tags below the root pair (for example "<指定試合><ホーム>"), value the trimmed
// line. The sink may throw a RuntimeError; it passes through to the caller.
using ValueSink = std::function<void(std::string_view key, std::string_view value)>;

// Walks the text; false when a closing tag does not match the open one.
bool read(std::string_view text, std::string_view root, const ValueSink& sink);

// Value conversions of the readers: RuntimeError 13 (or 6) when the text is no such value.
DateTime toDateTime(std::string_view value);
int32_t toLong(std::string_view value);
uint8_t toByte(std::string_view value);
Currency toCurrency(std::string_view value);

// The message every cache reader reports for a malformed file.
inline constexpr const char* MalformedMessage = "XMLデータが異常です。";
inline constexpr const char* SaveFailedMessage = "ファイルの保存に失敗しました。";

// Reads a cache file's text (CP932 on disk); false without a message when the name is empty
// or the file is absent.
bool loadFile(const std::string& strFileName, std::string& strText);

// Writes the text in CP932, replacing the file safely and making its folder; a failure is
// reported by the owner as SaveFailedMessage, CR LF and the file name, under `procedure`.
bool saveFile(const ErrorReport& report, const std::string& procedure,
              const std::string& strFileName, const std::string& strText);

}  // namespace brenvik::xmltext
