#pragma once
// A well-formedness check of XML documents for the fuzz targets: what a
// conforming parser would refuse, and the attribute values it would report.

#include <string>
#include <string_view>
#include <vector>

#include "common/cp1250.h"

namespace zerkon::fuzz {

struct XmlAttribute {
    std::string element;
    std::string name;
    std::string value;  // references resolved, UTF-8
};

// Checks that `doc` is a well-formed XML 1.0 document (UTF-8, no document
// type declaration) and collects its attributes. Returns what is wrong, or ""
// for a well-formed document.
class XmlChecker {
  public:
    std::string Check(std::string_view doc, std::vector<XmlAttribute>* attributes = nullptr) {
        doc_ = doc;
        pos_ = 0;
        attributes_ = attributes;
        if (std::string error = CheckCharacters(); !error.empty()) return error;
        if (doc_.substr(0, 5) == "<?xml" && doc_.size() > 5 && IsSpace(doc_[5])) {
            if (!SkipPast("?>")) return "unterminated XML declaration";
        }
        bool root_seen = false;
        std::vector<std::string> open;
        while (pos_ < doc_.size()) {
            if (doc_[pos_] != '<') {
                const std::size_t end = doc_.find('<', pos_);
                const std::string_view text = doc_.substr(pos_, end - pos_);
                if (open.empty() && text.find_first_not_of(" \t\r\n") != std::string_view::npos) {
                    return "text outside the root element";
                }
                if (text.find("]]>") != std::string_view::npos) return "]]> in text";
                if (std::string error = CheckReferences(text, nullptr); !error.empty()) {
                    return error;
                }
                pos_ = end == std::string_view::npos ? doc_.size() : end;
                continue;
            }
            const std::string_view rest = doc_.substr(pos_);
            if (rest.substr(0, 4) == "<!--") {
                const std::size_t end = rest.find("-->", 4);
                if (end == std::string_view::npos) return "unterminated comment";
                if (rest.substr(4, end - 4).find("--") != std::string_view::npos) {
                    return "-- inside a comment";
                }
                pos_ += end + 3;
            } else if (rest.substr(0, 9) == "<![CDATA[") {
                if (open.empty()) return "CDATA outside the root element";
                if (!SkipPast("]]>")) return "unterminated CDATA section";
            } else if (rest.substr(0, 2) == "<?") {
                if (!SkipPast("?>")) return "unterminated processing instruction";
            } else if (rest.substr(0, 2) == "<!") {
                return "declaration inside the document";
            } else if (rest.substr(0, 2) == "</") {
                pos_ += 2;
                const std::string name = Name();
                SkipSpaces();
                if (name.empty() || pos_ >= doc_.size() || doc_[pos_] != '>') {
                    return "malformed end tag";
                }
                ++pos_;
                if (open.empty() || open.back() != name) return "end tag " + name + " not open";
                open.pop_back();
            } else {
                if (open.empty() && root_seen) return "second root element";
                root_seen = true;
                bool empty_element = false;
                std::string name;
                if (std::string error = StartTag(name, empty_element); !error.empty()) {
                    return error;
                }
                if (!empty_element) open.push_back(name);
            }
        }
        if (!open.empty()) return "element " + open.back() + " not closed";
        if (!root_seen) return "no root element";
        return {};
    }

  private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool IsNameStart(char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_' || b == ':' ||
               b >= 0x80;
    }
    static bool IsNameChar(char c) {
        return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
    }
    static bool IsXmlChar(char32_t c) {
        return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
               (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
    }

    // Every character valid UTF-8 and allowed in XML.
    std::string CheckCharacters() const {
        for (std::size_t i = 0; i < doc_.size();) {
            const auto lead = static_cast<unsigned char>(doc_[i]);
            const int extra = lead < 0x80                   ? 0
                              : lead >= 0xC2 && lead < 0xE0 ? 1
                              : lead >= 0xE0 && lead < 0xF0 ? 2
                              : lead >= 0xF0 && lead < 0xF5 ? 3
                                                            : -1;
            if (extra < 0 || i + static_cast<std::size_t>(extra) >= doc_.size()) {
                return "no UTF-8 at byte " + std::to_string(i);
            }
            char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
            for (int k = 1; k <= extra; ++k) {
                const auto cont = static_cast<unsigned char>(doc_[i + k]);
                if ((cont & 0xC0) != 0x80) return "no UTF-8 at byte " + std::to_string(i);
                c = (c << 6) | (cont & 0x3F);
            }
            const char32_t least[] = {0, 0x80, 0x800, 0x10000};
            if (c < least[extra] || !IsXmlChar(c)) {
                return "character not allowed at byte " + std::to_string(i);
            }
            i += static_cast<std::size_t>(extra) + 1;
        }
        return {};
    }

    bool SkipPast(std::string_view end) {
        const std::size_t p = doc_.find(end, pos_ + 2);
        if (p == std::string_view::npos) return false;
        pos_ = p + end.size();
        return true;
    }
    void SkipSpaces() {
        while (pos_ < doc_.size() && IsSpace(doc_[pos_])) ++pos_;
    }
    std::string Name() {
        const std::size_t start = pos_;
        if (pos_ < doc_.size() && IsNameStart(doc_[pos_])) {
            while (pos_ < doc_.size() && IsNameChar(doc_[pos_])) ++pos_;
        }
        return std::string(doc_.substr(start, pos_ - start));
    }

    // Resolves the references of `text` into `out` (when given).
    static std::string CheckReferences(std::string_view text, std::string* out) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '&') {
                if (out) out->push_back(text[i]);
                continue;
            }
            const std::size_t end = text.find(';', i);
            if (end == std::string_view::npos) return "& without ;";
            const std::string_view ref = text.substr(i + 1, end - i - 1);
            std::string resolved;
            if (ref == "amp") {
                resolved = "&";
            } else if (ref == "lt") {
                resolved = "<";
            } else if (ref == "gt") {
                resolved = ">";
            } else if (ref == "quot") {
                resolved = "\"";
            } else if (ref == "apos") {
                resolved = "'";
            } else if (ref.size() > 1 && ref[0] == '#') {
                const bool hex = ref[1] == 'x';
                const std::string_view digits = ref.substr(hex ? 2 : 1);
                char32_t c = 0;
                if (digits.empty() || digits.size() > 8) return "bad character reference";
                for (char d : digits) {
                    const int v = d >= '0' && d <= '9'          ? d - '0'
                                  : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                                  : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                                : -1;
                    if (v < 0) return "bad character reference";
                    c = c * (hex ? 16 : 10) + static_cast<char32_t>(v);
                }
                if (!IsXmlChar(c)) return "reference to a character XML does not allow";
                resolved.clear();
                AppendUtf8(resolved, c);
            } else {
                return "unknown entity &" + std::string(ref) + ";";
            }
            if (out) *out += resolved;
            i = end;
        }
        return {};
    }

    std::string StartTag(std::string& name, bool& empty_element) {
        ++pos_;
        name = Name();
        if (name.empty()) return "< without a name";
        std::vector<std::string> seen;
        for (;;) {
            const std::size_t before = pos_;
            SkipSpaces();
            if (pos_ >= doc_.size()) return "unterminated start tag " + name;
            if (doc_[pos_] == '>') {
                ++pos_;
                return {};
            }
            if (doc_.substr(pos_, 2) == "/>") {
                pos_ += 2;
                empty_element = true;
                return {};
            }
            if (pos_ == before) return "attribute without a space before it in " + name;
            XmlAttribute attribute{name, Name(), {}};
            if (attribute.name.empty()) return "bad attribute name in " + name;
            for (const std::string& s : seen) {
                if (s == attribute.name) return "attribute " + s + " twice in " + name;
            }
            seen.push_back(attribute.name);
            SkipSpaces();
            if (pos_ >= doc_.size() || doc_[pos_] != '=') return "attribute without =";
            ++pos_;
            SkipSpaces();
            if (pos_ >= doc_.size() || (doc_[pos_] != '"' && doc_[pos_] != '\'')) {
                return "attribute value without quotes in " + name;
            }
            const char quote = doc_[pos_++];
            const std::size_t end = doc_.find(quote, pos_);
            if (end == std::string_view::npos) return "unterminated attribute value";
            const std::string_view raw = doc_.substr(pos_, end - pos_);
            if (raw.find('<') != std::string_view::npos) return "< in an attribute value";
            // A parser reports tabs and line breaks written as such as spaces.
            std::string normalized(raw);
            for (char& c : normalized) {
                if (c == '\t' || c == '\r' || c == '\n') c = ' ';
            }
            std::string value;
            if (std::string error = CheckReferences(normalized, &value); !error.empty()) {
                return error;
            }
            pos_ = end + 1;
            attribute.value = std::move(value);
            if (attributes_) attributes_->push_back(std::move(attribute));
        }
    }

    std::string_view doc_;
    std::size_t pos_ = 0;
    std::vector<XmlAttribute>* attributes_ = nullptr;
};

}  // namespace zerkon::fuzz
