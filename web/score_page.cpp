#include "web/score_page.h"

#include "web/series_par.h"

namespace {

void AppendRow(QString& html, const RankedScore& ranked, qint64 highlightedId) {
    const StoredScore& entry = ranked.entry;
    // Built by concatenation: a name holding "%1" must never meet QString::arg.
    html += "<tr id=\"score-" + QString::number(entry.id) + "\"" +
            (entry.id == highlightedId ? " class=\"new\"" : "") + "><td class=\"place\">" +
            QString::number(ranked.place) + "</td><td class=\"name\">" + EscapeHtml(entry.name) +
            "</td><td class=\"total\">" + QString::number(entry.total) + "</td><td class=\"par\">" +
            AgainstParText(entry.total - SeriesPar()) + "</td><td class=\"holes\">";
    // Holes 1-9, 10-18, 19-27 and 28-36 in four groups of nine counts.
    for (int group = 0; group < 4; ++group) {
        html += "<span>";
        for (int k = 9 * group; k < 9 * group + 9; ++k) {
            html += QChar(u'0' + entry.strokes[k]);
        }
        html += "</span>";
    }
    html += "</td><td class=\"date\"><time datetime=\"" + EscapeHtml(entry.registered) + "\">" +
            EscapeHtml(entry.registered.left(10)) + "</time></td></tr>\n";
}

}  // namespace

QString EscapeHtml(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

QString AgainstParText(int overPar) {
    return overPar > 0 ? "+" + QString::number(overPar) : QString::number(overPar);
}

QByteArray RenderScorePage(const std::vector<RankedScore>& best, const PageMessage& message) {
    QString html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>Quelvane top 100</title>\n<link rel=\"stylesheet\" href=\"/style.css\">\n"
        "</head>\n<body>\n<main>\n<h1>Quelvane top 100</h1>\n"
        "<p class=\"intro\">The best 36-hole results of every copy of the game. To add yours, "
        "choose <b>Score &rsaquo; WWWhole.of.fame</b> in the game, copy the score code and "
        "paste it here.</p>\n"
        "<form method=\"post\" action=\"/\" accept-charset=\"UTF-8\">\n";
    if (!message.error.isEmpty()) {
        html += "<p class=\"message error\" role=\"alert\">" + EscapeHtml(message.error) + "</p>\n";
    }
    if (!message.notice.isEmpty()) {
        html +=
            "<p class=\"message notice\" role=\"status\">" + EscapeHtml(message.notice) + "</p>\n";
    }
    html +=
        "<label>Name <input name=\"name\" maxlength=\"16\" autocomplete=\"nickname\" "
        "value=\"" +
        EscapeHtml(message.typedName) +
        "\"></label>\n<label>Score code <input name=\"code\" inputmode=\"numeric\" "
        "autocomplete=\"off\" spellcheck=\"false\" value=\"" +
        EscapeHtml(message.typedCode) +
        "\"></label>\n<button type=\"submit\">Register</button>\n</form>\n";
    html +=
        "<table>\n<thead><tr><th class=\"place\">#</th><th class=\"name\">Name</th>"
        "<th class=\"total\">Total</th><th class=\"par\">Par " +
        QString::number(SeriesPar()) +
        "</th><th class=\"holes\">Holes 1&ndash;36</th><th class=\"date\">Date</th></tr></thead>"
        "\n<tbody>\n";
    for (const RankedScore& ranked : best) {
        AppendRow(html, ranked, message.highlightedId);
    }
    if (best.empty()) {
        html += "<tr><td class=\"empty\" colspan=\"6\">No scores yet: be the first.</td></tr>\n";
    }
    html += "</tbody>\n</table>\n</main>\n</body>\n</html>\n";
    return html.toUtf8();
}
