#include "web/registration.h"

#include <QStringDecoder>

namespace {

std::optional<QString> DecodeUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

QString NameError(const QString& name) {
    if (name.isEmpty()) {
        return "Please enter a name.";
    }
    if (name.size() > kMaxNameLength) {
        return QString("A name may have at most %1 characters.").arg(kMaxNameLength);
    }
    for (const QChar c : name) {
        if (!c.isPrint() && !c.isSurrogate()) {
            return "A name may not hold control characters.";
        }
    }
    return {};
}

/// The decoder's reason as a sentence on the page: a capital first letter and a full stop.
QString AsSentence(const std::string& reason) {
    QString sentence = QString::fromStdString(reason);
    if (!sentence.isEmpty()) {
        sentence[0] = sentence[0].toUpper();
        if (!sentence.endsWith(u'.')) {
            sentence += u'.';
        }
    }
    return sentence;
}

}  // namespace

CheckedRegistration CheckRegistration(const QByteArray& nameUtf8, const QByteArray& code) {
    const std::optional<QString> decodedName = DecodeUtf8(nameUtf8);
    if (!decodedName) {
        return {std::nullopt, "The name is not valid UTF-8 text."};
    }
    const QString name = decodedName->trimmed();
    if (QString error = NameError(name); !error.isEmpty()) {
        return {std::nullopt, error};
    }
    // A pasted code often brings a space or a line break along.
    const QByteArray trimmedCode = code.trimmed();
    if (trimmedCode.isEmpty()) {
        return {std::nullopt, "Please paste a score code."};
    }
    ScoreCodeResult decoded =
        DecodeScoreCode(std::string_view(trimmedCode.constData(), trimmedCode.size()));
    if (!decoded.score) {
        return {std::nullopt, AsSentence(decoded.error)};
    }
    return {NewScore{name, QString::fromLatin1(trimmedCode), *decoded.score}, {}};
}
