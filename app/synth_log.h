#pragma once

#include <cstdint>

/// How many log lines may be written: at most `linesPerSecond` in each second; the lines
/// left out are counted so that the next second can say how many there were.
class LineBudget {
public:
    explicit LineBudget(int linesPerSecond) : linesPerSecond_(linesPerSecond) {}
    /// Whether a line may be written at `nowMs`; one that may not is counted as left out.
    bool Take(std::int64_t nowMs);
    /// The lines left out since the last call, once a new second has begun; else 0.
    int LeftOut(std::int64_t nowMs);

private:
    void Roll(std::int64_t nowMs);

    int linesPerSecond_;
    std::int64_t second_ = -1;
    int used_ = 0;
    int leftOut_ = 0;
    int leftOutBefore_ = 0;  // left out in seconds already over
};

/// Sends the synthesiser's messages to stderr through our own handler, as
/// "quelvane: synthesiser: TEXT", at most a few lines a second from every thread together;
/// its debug messages are dropped. Safe to call more than once.
void RouteSynthLog();
