#pragma once

#include <QJsonObject>

#include "web/score_entry.h"

/// One entry as the JSON API gives it:
/// {"rank", "name", "total", "overPar", "strokes": [36 counts], "registered"}.
QJsonObject ScoreToJson(const RankedScore& ranked);
