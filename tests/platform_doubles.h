#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "play/music_player.h"
#include "play/platform.h"
#include "records/key_value_store.h"

/// A clock that stands still until the test moves it.
class HandClock : public Clock {
public:
    explicit HandClock(std::int64_t start = 0) : ticks(start) {}
    std::int64_t Ticks() override { return ticks; }
    std::int64_t ticks;
};

/// A sound player that only writes down the names it was asked to play.
class RecordingSounds : public SoundPlayer {
public:
    void Play(const std::string& name, bool) override { played.push_back(name); }
    std::vector<std::string> played;
};

/// A music player that records its commands; `End()` plays the tune out.
class FakeMusicPlayer : public MusicPlayer {
public:
    bool Open(const std::string& file) override {
        calls.push_back("Open " + file);
        if (!opens) return false;
        mode = Mode::Stopped;
        return true;
    }
    void Play() override {
        calls.push_back("Play");
        mode = Mode::Playing;
    }
    void Stop() override {
        calls.push_back("Stop");
        mode = Mode::Stopped;
        Report();
    }
    Mode CurrentMode() const override { return mode; }
    void NotifyOnce(std::function<void()> report) override { pending = std::move(report); }

    void End() {
        mode = Mode::Stopped;
        Report();
    }
    void Report() {
        if (auto report = std::exchange(pending, nullptr)) report();
    }

    bool opens = true;
    Mode mode = Mode::NotOpen;
    std::vector<std::string> calls;
    std::function<void()> pending;
};

/// A browser that only writes down the addresses it was asked to open.
class RecordingUrls : public UrlOpener {
public:
    bool Open(const std::string& url) override {
        opened.push_back(url);
        return opens;
    }
    bool opens = true;
    std::vector<std::string> opened;
};

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

/// A help viewer that only writes down what it was asked to show ("Contents", "Index").
class RecordingHelp : public HelpViewer {
public:
    void ShowContents() override { shown.push_back("Contents"); }
    void ShowIndex() override { shown.push_back("Index"); }
    std::vector<std::string> shown;
};
