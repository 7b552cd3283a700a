#include "dap/dap_json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "text/text_encoding.h"

namespace varnolux::dap {

std::string Json::Str(const std::string& fallback) const {
    return kind_ == Kind::String ? string_ : fallback;
}

long Json::Int(long fallback) const {
    // A number beyond a long (a seq of 1e300) is none a client means: the fallback.
    const double low = static_cast<double>(std::numeric_limits<long>::min());
    if (kind_ != Kind::Number || !(number_ >= low && number_ < -low)) return fallback;
    return static_cast<long>(number_);
}

const Json& Json::operator[](const std::string& key) const {
    static const Json kNull;
    for (const auto& m : members_)
        if (m.first == key) return m.second;
    return kNull;
}

bool Json::Has(const std::string& key) const {
    for (const auto& m : members_)
        if (m.first == key) return true;
    return false;
}

Json& Json::Set(const std::string& key, Json value) {
    kind_ = Kind::Object;
    for (auto& m : members_)
        if (m.first == key) {
            m.second = std::move(value);
            return *this;
        }
    members_.emplace_back(key, std::move(value));
    return *this;
}

Json& Json::Push(Json value) {
    kind_ = Kind::Array;
    items_.push_back(std::move(value));
    return *this;
}

namespace {

// JSON in ASCII: the program's Latin-1 texts reach the client as \uXXXX.
void DumpString(const std::string& s, std::string& out) {
    out += JsonString(s);
}

void DumpNumber(double v, std::string& out) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buf[32];
    if (v == std::floor(v) && std::fabs(v) < 9e15)
        std::snprintf(buf, sizeof buf, "%.0f", v);
    else
        std::snprintf(buf, sizeof buf, "%.17g", v);
    out += buf;
}

void DumpValue(const Json& j, std::string& out) {
    switch (j.kind()) {
        case Json::Kind::Null:
            out += "null";
            break;
        case Json::Kind::Bool:
            out += j.Bool() ? "true" : "false";
            break;
        case Json::Kind::Number:
            DumpNumber(j.Num(), out);
            break;
        case Json::Kind::String:
            DumpString(j.Str(), out);
            break;
        case Json::Kind::Array: {
            out += '[';
            bool first = true;
            for (const Json& item : j.Items()) {
                if (!first) out += ',';
                first = false;
                DumpValue(item, out);
            }
            out += ']';
            break;
        }
        case Json::Kind::Object: {
            out += '{';
            bool first = true;
            for (const auto& m : j.Members()) {
                if (!first) out += ',';
                first = false;
                DumpString(m.first, out);
                out += ':';
                DumpValue(m.second, out);
            }
            out += '}';
            break;
        }
    }
}

class Reader {
  public:
    explicit Reader(const std::string& text) : t_(text) {}

    bool Document(Json& out, std::string& error) {
        const bool ok = Value(out, 0) && (Blanks(), pos_ == t_.size());
        if (!ok)
            error = "unexpected " + std::string(pos_ < t_.size() ? "character" : "end") + " at " +
                    std::to_string(pos_ + 1);
        return ok;
    }

  private:
    void Blanks() {
        while (pos_ < t_.size() &&
               (t_[pos_] == ' ' || t_[pos_] == '\t' || t_[pos_] == '\n' || t_[pos_] == '\r'))
            ++pos_;
    }
    bool Word(const char* w) {
        const std::string word(w);
        if (t_.compare(pos_, word.size(), word) != 0) return false;
        pos_ += word.size();
        return true;
    }
    bool Value(Json& out, int depth) {
        if (depth > 64) return false;
        Blanks();
        if (pos_ >= t_.size()) return false;
        const char c = t_[pos_];
        if (c == '{') return ObjectValue(out, depth);
        if (c == '[') return ArrayValue(out, depth);
        if (c == '"') {
            std::string s;
            if (!String(s)) return false;
            out = Json(std::move(s));
            return true;
        }
        if (Word("true")) return out = Json(true), true;
        if (Word("false")) return out = Json(false), true;
        if (Word("null")) return out = Json(), true;
        return Number(out);
    }
    bool Number(Json& out) {
        const char* start = t_.c_str() + pos_;
        if (*start != '-' && (*start < '0' || *start > '9')) return false;
        char* end = nullptr;
        const double v = std::strtod(start, &end);
        pos_ += static_cast<size_t>(end - start);
        out = Json(v);
        return true;
    }
    static void Utf8(uint32_t cp, std::string& s) {
        if (cp < 0x80) {
            s += static_cast<char>(cp);
        } else if (cp < 0x800) {
            s += static_cast<char>(0xC0 | (cp >> 6));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            s += static_cast<char>(0xE0 | (cp >> 12));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (cp >> 18));
            s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    bool Hex4(uint32_t& v) {
        if (pos_ + 4 > t_.size()) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = t_[pos_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<uint32_t>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }
    bool Escape(std::string& s) {
        const char e = t_[pos_++];
        switch (e) {
            case '"':
            case '\\':
            case '/':
                s += e;
                return true;
            case 'b':
                s += '\b';
                return true;
            case 'f':
                s += '\f';
                return true;
            case 'n':
                s += '\n';
                return true;
            case 'r':
                s += '\r';
                return true;
            case 't':
                s += '\t';
                return true;
            case 'u': {
                uint32_t cp = 0;
                if (!Hex4(cp)) return false;
                if (cp >= 0xD800 && cp < 0xDC00 && t_.compare(pos_, 2, "\\u") == 0) {
                    pos_ += 2;
                    uint32_t low = 0;
                    if (!Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                Utf8(cp, s);
                return true;
            }
            default:
                return false;
        }
    }
    bool String(std::string& s) {
        ++pos_;
        while (pos_ < t_.size()) {
            const char c = t_[pos_];
            if (static_cast<unsigned char>(c) < 0x20) return false;
            ++pos_;
            if (c == '"') return true;
            if (c != '\\') {
                s += c;
            } else if (pos_ >= t_.size() || !Escape(s)) {
                return false;
            }
        }
        return false;
    }
    bool ArrayValue(Json& out, int depth) {
        ++pos_;
        out = Json::Array();
        Blanks();
        if (pos_ < t_.size() && t_[pos_] == ']') return ++pos_, true;
        for (;;) {
            Json item;
            if (!Value(item, depth + 1)) return false;
            out.Push(std::move(item));
            Blanks();
            if (pos_ >= t_.size()) return false;
            if (t_[pos_] == ']') return ++pos_, true;
            if (t_[pos_++] != ',') return false;
        }
    }
    bool ObjectValue(Json& out, int depth) {
        ++pos_;
        out = Json::Object();
        Blanks();
        if (pos_ < t_.size() && t_[pos_] == '}') return ++pos_, true;
        for (;;) {
            Blanks();
            std::string key;
            if (pos_ >= t_.size() || t_[pos_] != '"' || !String(key)) return false;
            Blanks();
            if (pos_ >= t_.size() || t_[pos_++] != ':') return false;
            Json value;
            if (!Value(value, depth + 1)) return false;
            out.Set(key, std::move(value));
            Blanks();
            if (pos_ >= t_.size()) return false;
            if (t_[pos_] == '}') return ++pos_, true;
            if (t_[pos_++] != ',') return false;
        }
    }

    const std::string& t_;
    size_t pos_ = 0;
};

}  // namespace

std::string Json::Dump() const {
    std::string out;
    DumpValue(*this, out);
    return out;
}

bool ParseJson(const std::string& text, Json& out, std::string& error) {
    return Reader(text).Document(out, error);
}

}  // namespace varnolux::dap
