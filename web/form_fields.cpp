#include "web/form_fields.h"

namespace {

QByteArray DecodeFormValue(QByteArray value) {
    value.replace('+', ' ');
    return QByteArray::fromPercentEncoding(value);
}

}  // namespace

QHash<QByteArray, QByteArray> ParseFormFields(const QByteArray& body) {
    QHash<QByteArray, QByteArray> fields;
    for (const QByteArray& pair : body.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        const QByteArray name = DecodeFormValue(pair.left(equals < 0 ? pair.size() : equals));
        if (!name.isEmpty() && !fields.contains(name)) {
            fields.insert(name, equals < 0 ? QByteArray() : DecodeFormValue(pair.mid(equals + 1)));
        }
    }
    return fields;
}
