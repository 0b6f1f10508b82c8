#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

/// The sane range of one kind of number on the command line; anything outside it is refused
/// before it is used, so that no float overflows to infinity or NaN on the way.
struct Range {
    double lowest, highest;
    const char* unit;
};
/// View angles in degrees: one turn either way.
inline constexpr Range kAngleRange{-360.0, 360.0, "degrees"};
/// Course positions: every hole lies well within this.
inline constexpr Range kCoordinateRange{-10000.0, 10000.0, "course units"};
/// Ball velocities: the strongest stroke gives about 40 units a frame.
inline constexpr Range kVelocityRange{-1000.0, 1000.0, "course units per frame"};
/// Window pixels.
inline constexpr Range kPixelRange{-10000.0, 10000.0, "pixels"};

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
    /// A number within `range`.
    double Number(const std::string& name, const Range& range) const;
    double Number(const std::string& name, const Range& range, double fallback) const;
    /// Comma-separated numbers, exactly `count` of them, each within `range`.
    std::vector<double> Numbers(const std::string& name, size_t count, const Range& range) const;
    std::string Text(const std::string& name) const;

private:
    const std::string& Raw(const std::string& name) const;
    std::map<std::string, std::string> values_;
};

/// Parses a whole decimal integer, or nothing when the text is not one.
std::optional<long long> ParseInteger(const std::string& text);
/// Parses a finite decimal number, or nothing when the text is not one.
std::optional<double> ParseNumber(const std::string& text);
