#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

/// A bad command line: the tool prints the message and exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The options of one tool command: "--name value" pairs and bare "--flag" switches.
/// Every accessor refuses malformed values with a UsageError naming the option.
class ToolArgs {
public:
    /// `flags` are the options that take no value; every other option takes one.
    ToolArgs(const std::vector<std::string>& words, const std::vector<std::string>& known,
             const std::vector<std::string>& flags = {});

    bool Has(const std::string& name) const { return values_.count(name) > 0; }
    int Int(const std::string& name) const;
    int Int(const std::string& name, int fallback) const;
    /// A hole number 1..36.
    int Hole(const std::string& name = "hole") const;
    double Number(const std::string& name) const;
    double Number(const std::string& name, double fallback) const;
    /// Comma-separated finite numbers, exactly `count` of them.
    std::vector<double> Numbers(const std::string& name, size_t count) const;
    std::string Text(const std::string& name) const;

private:
    const std::string& Raw(const std::string& name) const;
    std::map<std::string, std::string> values_;
};

/// Parses a whole decimal integer, or nothing when the text is not one.
std::optional<long long> ParseInteger(const std::string& text);
/// Parses a finite decimal number, or nothing when the text is not one.
std::optional<double> ParseNumber(const std::string& text);
