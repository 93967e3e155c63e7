#include "official/XmlText.h"

#include <vector>

#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/RuntimeError.h"
#include "app/clsFileStream.h"
#include "app/clsFileSystemObject.h"

namespace brenvik::xmltext {

std::string dateTimeText(DateTime value) {
    const DateTime date = value.datePart();
    if (date.isZero()) return value.timeText();
    if (date == value) return value.dateText();
    return value.text();
}

void Writer::line(std::string_view text) {
    text_ += text;
    text_ += "\r\n";
}

void Writer::element(std::string_view name, std::string_view value) {
    text_ += '<';
    text_ += name;
    text_ += '>';
    text_ += value;
    text_ += "</";
    text_ += name;
    text_ += ">\r\n";
}

void Writer::element(std::string_view name, int32_t value) {
    element(name, std::to_string(value));
}

void Writer::element(std::string_view name, DateTime value) {
    element(name, dateTimeText(value));
}

void Writer::element(std::string_view name, Currency value) {
    element(name, value.toString());
}

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// The tag stack, with the key (entries from the third on) kept joined so that a deep stack
// costs nothing per value line.
class TagStack {
  public:
    std::size_t size() const { return ends_.size(); }
    std::string_view top() const {
        const std::size_t begin = ends_.size() > 1 ? ends_[ends_.size() - 2] : 0;
        return std::string_view(joined_).substr(begin, ends_.back() - begin);
    }
    std::string_view entry(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(joined_).substr(begin, ends_[i] - begin);
    }
    std::string_view key() const {
        if (ends_.size() <= 2) return {};
        return std::string_view(joined_).substr(ends_[1]);
    }
    void push(std::string_view tag) {
        joined_ += tag;
        ends_.push_back(joined_.size());
    }
    void pop() {
        ends_.pop_back();
        joined_.resize(ends_.empty() ? 0 : ends_.back());
    }

  private:
    std::string joined_;
    std::vector<std::size_t> ends_;
};

}  // namespace

bool read(std::string_view text, std::string_view root, const ValueSink& sink) {
    // A line break before every "<" and after every ">", then lines at any line break: each
    // tag and each value ends up on a line of its own.
    TagStack stack;
    const std::string rootTag = "<" + std::string(root) + ">";
    std::string closing;
    auto handle = [&](std::string_view line) -> bool {
        line = trimBlanks(line);
        if (line.empty()) return true;
        if (startsWith(line, "</")) {
            closing.assign("<");
            closing.append(line.substr(2));
            if (stack.size() == 0 || stack.top() != closing) return false;
            if (stack.size() > 1) stack.pop();
        } else if (line.front() == '<') {
            if (!startsWith(line, "<?")) stack.push(line);
        } else if (stack.size() >= 2 && stack.entry(0) == "<toto>" && stack.entry(1) == rootTag) {
            sink(stack.key(), line);
        }
        return true;
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<' || c == '\r' || c == '\n') {
            if (!handle(text.substr(start, i - start))) return false;
            start = c == '<' ? i : i + 1;
        } else if (c == '>') {
            if (!handle(text.substr(start, i + 1 - start))) return false;
            start = i + 1;
        }
    }
    return handle(text.substr(start));
}

DateTime toDateTime(std::string_view value) {
    DateTime out;
    if (!DateTime::tryParse(value, out)) err::raise(err::TypeMismatch);
    return out;
}

int32_t toLong(std::string_view value) {
    return classic::toLong(value);
}

uint8_t toByte(std::string_view value) {
    return classic::toByte(value);
}

Currency toCurrency(std::string_view value) {
    return classic::toCurrency(value);
}

bool loadFile(const std::string& strFileName, std::string& strText) {
    clsFileSystemObject fso;
    if (strFileName.empty() || !fso.FileExists(strFileName)) return false;
    clsFileStream stream;
    return stream.LoadFromFile(strFileName, strText);
}

bool saveFile(const ErrorReport& report, const std::string& procedure,
              const std::string& strFileName, const std::string& strText) {
    try {
        clsFileSystemObject fso;
        const std::string path = fso.GetFullPath(strFileName);
        if (fso.FolderCheck(fso.GetParentFolderName(path))) {
            clsFileStream::WriteFileReplacing(path, cp932::fromUtf8(strText));
            return true;
        }
    } catch (const std::exception&) {
        // Reported below in the store's own words.
    }
    report.message(procedure, std::string(SaveFailedMessage) + "\r\n" + strFileName);
    return false;
}

}  // namespace brenvik::xmltext
