#pragma once
// The JSON of the Debug Adapter Protocol's messages: a value that is null, a
// boolean, a number, a string, an array or an object (members in the order
// they were set), read from text and written back as compact text.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace varnolux::dap {

class Json {
  public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool b) : kind_(Kind::Bool), bool_(b) {}
    Json(int v) : kind_(Kind::Number), number_(v) {}
    Json(long v) : kind_(Kind::Number), number_(static_cast<double>(v)) {}
    Json(long long v) : kind_(Kind::Number), number_(static_cast<double>(v)) {}
    Json(size_t v) : kind_(Kind::Number), number_(static_cast<double>(v)) {}
    Json(double v) : kind_(Kind::Number), number_(v) {}
    Json(const char* s) : kind_(Kind::String), string_(s) {}
    Json(std::string s) : kind_(Kind::String), string_(std::move(s)) {}

    static Json Array() {
        Json j;
        j.kind_ = Kind::Array;
        return j;
    }
    static Json Object() {
        Json j;
        j.kind_ = Kind::Object;
        return j;
    }

    Kind kind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    bool IsString() const { return kind_ == Kind::String; }
    bool IsNumber() const { return kind_ == Kind::Number; }
    bool IsBool() const { return kind_ == Kind::Bool; }
    bool IsArray() const { return kind_ == Kind::Array; }
    bool IsObject() const { return kind_ == Kind::Object; }

    // The value, or `fallback` when it is of another kind.
    std::string Str(const std::string& fallback = std::string()) const;
    double Num(double fallback = 0) const { return kind_ == Kind::Number ? number_ : fallback; }
    long Int(long fallback = 0) const;
    bool Bool(bool fallback = false) const { return kind_ == Kind::Bool ? bool_ : fallback; }

    // Members: a missing one reads as null; Set replaces or appends.
    const Json& operator[](const std::string& key) const;
    bool Has(const std::string& key) const;
    Json& Set(const std::string& key, Json value);
    const std::vector<std::pair<std::string, Json>>& Members() const { return members_; }

    // Elements.
    const std::vector<Json>& Items() const { return items_; }
    Json& Push(Json value);
    size_t Size() const { return kind_ == Kind::Array ? items_.size() : members_.size(); }

    std::string Dump() const;

  private:
    Kind kind_ = Kind::Null;
    bool bool_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<Json> items_;
    std::vector<std::pair<std::string, Json>> members_;
};

// Reads one JSON text; false with `error` ("unexpected character at 12") when
// it is not one, or has anything but blanks after it.
bool ParseJson(const std::string& text, Json& out, std::string& error);

}  // namespace varnolux::dap
