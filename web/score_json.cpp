#include "web/score_json.h"

#include <QJsonArray>

#include "web/series_par.h"

QJsonObject ScoreToJson(const RankedScore& ranked) {
    QJsonArray strokes;
    for (int count : ranked.entry.strokes) {
        strokes.append(count);
    }
    return QJsonObject{
        {"rank", ranked.place},        {"name", ranked.entry.name},
        {"total", ranked.entry.total}, {"overPar", ranked.entry.total - SeriesPar()},
        {"strokes", strokes},          {"registered", ranked.entry.registered},
    };
}
