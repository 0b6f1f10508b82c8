#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// A persistent store of named 32-bit integers and strings: where the Hole of Fame lives.
/// Writes collect until `Commit`, which replaces what is stored as a whole or not at all.
class KeyValueStore {
public:
    enum class OpenResult {
        Opened,       ///< ready; a store that does not exist yet is simply empty
        Damaged,      ///< the stored data is there but cannot be parsed
        Unavailable,  ///< the stored data cannot be read at all
    };

    /// Opens the store (creating nothing yet) and reads what is stored.
    virtual OpenResult Open() = 0;
    /// Whether nothing at all is stored yet, as at the game's first start.
    virtual bool IsEmpty() = 0;
    /// A 32-bit integer; nothing when the value is missing or is not an integer.
    virtual std::optional<std::int32_t> ReadInt(const std::string& name) = 0;
    /// A string; a missing value reads as ""; nothing when the value is not a string.
    virtual std::optional<std::string> ReadString(const std::string& name) = 0;
    virtual void WriteInt(const std::string& name, std::int32_t value) = 0;
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
    /// Makes every write since the last commit durable at once; false when it could not,
    /// in which case what was stored before stays as it was.
    virtual bool Commit() = 0;

    /// Takes the lock that other running copies of the game respect and reads what is
    /// stored now, so that a read-modify-write sees their results; false when the lock
    /// could not be had in time (nothing is locked then).
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;

    /// Releases the store (the game does so when its main window closes).
    virtual void Close() = 0;

    /// Where the store lives, for messages to the user.
    virtual std::string Location() const = 0;

    virtual ~KeyValueStore() = default;
};
