#pragma once

#include <sstream>
#include <string>
#include <vector>

/// Writes compact JSON for the tool's answers: numbers in their shortest exact form.
class Json {
public:
    Json& BeginObject();
    Json& EndObject();
    Json& BeginArray();
    Json& EndArray();
    Json& Key(const std::string& key);
    Json& Value(long long number);
    Json& Value(int number) { return Value(static_cast<long long>(number)); }
    Json& Value(float number);
    Json& Value(double number);
    Json& Value(bool flag);
    Json& Value(const std::string& text);
    Json& Value(const char* text) { return Value(std::string(text)); }
    template <typename T>
    Json& Values(const std::vector<T>& items) {
        BeginArray();
        for (const T& item : items) Value(item);
        return EndArray();
    }
    std::string Text() const { return out_.str(); }

private:
    void Separate();
    std::ostringstream out_;
    bool needComma_ = false;
};
