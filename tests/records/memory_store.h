#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "play/platform.h"
#include "records/key_value_store.h"

/// A store in memory: committed values, the values written since the last commit, the
/// order of the writes, and switches for failing opens, locks and commits.
class MemoryStore : public KeyValueStore {
public:
    using Value = std::variant<std::int32_t, std::string>;

    OpenResult Open() override { return openResult; }
    bool IsEmpty() override { return stored.empty(); }
    std::optional<std::int32_t> ReadInt(const std::string& name) override {
        const auto found = stored.find(name);
        if (found == stored.end() || !std::holds_alternative<std::int32_t>(found->second))
            return std::nullopt;
        return std::get<std::int32_t>(found->second);
    }
    std::optional<std::string> ReadString(const std::string& name) override {
        const auto found = stored.find(name);
        if (found == stored.end()) return std::string();
        if (!std::holds_alternative<std::string>(found->second)) return std::nullopt;
        return std::get<std::string>(found->second);
    }
    void WriteInt(const std::string& name, std::int32_t value) override { Write(name, value); }
    void WriteString(const std::string& name, const std::string& value) override {
        Write(name, value);
    }
    bool Commit() override {
        ++commits;
        if (failCommits) {
            pending.clear();
            return false;
        }
        for (auto& [name, value] : pending) stored[name] = value;
        pending.clear();
        return true;
    }
    bool Lock() override {
        if (failLocks) return false;
        ++locks;
        if (beforeEachLock) beforeEachLock(*this);
        return true;
    }
    void Unlock() override {}
    void Close() override {}
    std::string Location() const override { return "memory"; }

    std::map<std::string, Value> stored;
    std::map<std::string, Value> pending;
    std::vector<std::string> writeOrder;
    OpenResult openResult = OpenResult::Opened;
    bool failCommits = false;
    bool failLocks = false;
    int commits = 0;
    int locks = 0;
    /// Runs when the lock is taken: what another copy of the game stored meanwhile.
    std::function<void(MemoryStore&)> beforeEachLock;

private:
    void Write(const std::string& name, Value value) {
        pending[name] = std::move(value);
        writeOrder.push_back(name);
    }
};

/// A prompt that answers with a set button and writes down what it was asked.
class ScriptedPrompt : public Prompt {
public:
    struct Question {
        std::string text, caption;
        Buttons buttons;
        Icon icon;
    };
    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons, Icon icon,
               Answer) override {
        asked.push_back({text, caption, buttons, icon});
        return answer;
    }
    Answer answer = Answer::Ok;
    std::vector<Question> asked;
};
