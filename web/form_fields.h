#pragma once

#include <QByteArray>
#include <QHash>

/// The fields of an application/x-www-form-urlencoded body, as raw bytes: the name's UTF-8 is
/// checked by whoever reads it, not repaired here.
QHash<QByteArray, QByteArray> ParseFormFields(const QByteArray& body);
