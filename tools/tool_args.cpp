#include "tools/tool_args.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "course/limits.h"

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end) return std::nullopt;
    return value;
}

std::optional<double> ParseNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || rest != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

ToolArgs::ToolArgs(const std::vector<std::string>& words, const std::vector<std::string>& known,
                   const std::vector<std::string>& flags) {
    const auto listed = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + word + "'");
        const std::string name = word.substr(2);
        if (listed(flags, name)) {
            values_[name] = "";
        } else if (listed(known, name)) {
            if (i + 1 >= words.size()) throw UsageError("option --" + name + " needs a value");
            values_[name] = words[++i];
        } else {
            throw UsageError("unknown option " + word);
        }
    }
}

const std::string& ToolArgs::Raw(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) throw UsageError("missing option --" + name);
    return found->second;
}

int ToolArgs::Int(const std::string& name) const {
    const auto value = ParseInteger(Raw(name));
    if (!value || *value < -1000000000LL || *value > 1000000000LL)
        throw UsageError("--" + name + " needs a whole number, not '" + Raw(name) + "'");
    return static_cast<int>(*value);
}

int ToolArgs::Int(const std::string& name, int fallback) const {
    return Has(name) ? Int(name) : fallback;
}

int ToolArgs::Hole(const std::string& name) const {
    const int hole = Int(name);
    if (!IsHoleNumber(hole))
        throw UsageError("unknown hole " + std::to_string(hole) + " (holes are 1..36)");
    return hole;
}

namespace {
std::string RangeText(const Range& range) {
    const auto whole = [](double value) { return std::to_string(static_cast<long long>(value)); };
    return whole(range.lowest) + " to " + whole(range.highest) + " " + range.unit;
}
}  // namespace

double ToolArgs::Number(const std::string& name, const Range& range) const {
    const auto value = ParseNumber(Raw(name));
    if (!value || *value < range.lowest || *value > range.highest)
        throw UsageError("--" + name + " needs a number from " + RangeText(range) + ", not '" +
                         Raw(name) + "'");
    return *value;
}

double ToolArgs::Number(const std::string& name, const Range& range, double fallback) const {
    return Has(name) ? Number(name, range) : fallback;
}

std::vector<double> ToolArgs::Numbers(const std::string& name, size_t count,
                                      const Range& range) const {
    const std::string& text = Raw(name);
    std::vector<double> numbers;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const auto value = ParseNumber(text.substr(start, comma - start));
        if (!value || *value < range.lowest || *value > range.highest) break;
        numbers.push_back(*value);
        if (comma == std::string::npos) {
            if (numbers.size() == count) return numbers;
            break;
        }
        start = comma + 1;
    }
    throw UsageError("--" + name + " needs " + std::to_string(count) +
                     " comma-separated numbers from " + RangeText(range) + ", not '" + text + "'");
}

std::string ToolArgs::Text(const std::string& name) const {
    return Raw(name);
}
