#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "web/score_entry.h"

/// The longest player name, as in the game's players dialog.
inline constexpr int kMaxNameLength = 16;

/// A registration checked: the score to store, or the reason it was refused.
struct CheckedRegistration {
    std::optional<NewScore> score;
    QString error;
};

/// Checks a name and a pasted score code as they arrived (UTF-8 bytes); the code is read by the
/// game's own decoder.
CheckedRegistration CheckRegistration(const QByteArray& nameUtf8, const QByteArray& code);
