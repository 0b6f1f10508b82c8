#pragma once

#include <QString>

#include "records/score_code.h"

/// A registration that passed every check, ready to be stored.
struct NewScore {
    QString name;
    QString code;
    DecodedScore score;
};

/// One stored registration.
struct StoredScore {
    qint64 id = 0;
    QString name;
    int total = 0;
    SeriesStrokes strokes{};
    QString registered;  // UTC, "yyyy-MM-ddTHH:mm:ssZ"
};

/// A stored registration with its place on the list.
struct RankedScore {
    int place = 0;
    StoredScore entry;
};
