#include "tools/json.h"

#include <charconv>
#include <cmath>

namespace {
template <typename Float>
std::string Shortest(Float number) {
    if (!std::isfinite(number)) return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}
}  // namespace

void Json::Separate() {
    if (needComma_) out_ << ',';
    needComma_ = true;
}

Json& Json::BeginObject() {
    Separate();
    out_ << '{';
    needComma_ = false;
    return *this;
}
Json& Json::EndObject() {
    out_ << '}';
    needComma_ = true;
    return *this;
}
Json& Json::BeginArray() {
    Separate();
    out_ << '[';
    needComma_ = false;
    return *this;
}
Json& Json::EndArray() {
    out_ << ']';
    needComma_ = true;
    return *this;
}
Json& Json::Key(const std::string& key) {
    Value(key);
    out_ << ':';
    needComma_ = false;
    return *this;
}
Json& Json::Value(long long number) {
    Separate();
    out_ << number;
    return *this;
}
Json& Json::Value(float number) {
    Separate();
    out_ << Shortest(number);
    return *this;
}
Json& Json::Value(double number) {
    Separate();
    out_ << Shortest(number);
    return *this;
}
Json& Json::Value(bool flag) {
    Separate();
    out_ << (flag ? "true" : "false");
    return *this;
}
Json& Json::Value(const std::string& text) {
    Separate();
    out_ << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out_ << '\\' << c;
        else if (static_cast<unsigned char>(c) < 0x20)
            out_ << "\\u00"
                 << "0123456789abcdef"[c >> 4] << "0123456789abcdef"[c & 15];
        else
            out_ << c;
    }
    out_ << '"';
    return *this;
}
