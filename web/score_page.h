#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "web/score_entry.h"

/// What the list page shows besides the list itself.
struct PageMessage {
    QString notice;     // a registration that went through
    QString error;      // why a registration was refused
    QString typedName;  // what the visitor typed, given back after a refusal
    QString typedCode;
    qint64 highlightedId = -1;  // the row of the registration just made
};

/// The whole list page: the best entries, the registration form and its message. Every text
/// that came from a visitor is escaped.
QByteArray RenderScorePage(const std::vector<RankedScore>& best, const PageMessage& message);

/// The style sheet the page links.
QByteArray ScorePageStyle();

/// Escapes the five characters that HTML gives a meaning.
QString EscapeHtml(const QString& text);

/// The result against par as the game shows it: "0", "+3", "-2".
QString AgainstParText(int overPar);
