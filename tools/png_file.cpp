#include "tools/png_file.h"

#include <QBuffer>
#include <QFile>

#include "tools/tool_args.h"

void WritePng(const QImage& image, const std::string& file) {
    if (file.empty()) throw UsageError("--out needs a file name");
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw UsageError("cannot encode the picture for " + file);
    QFile out(QString::fromStdString(file));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw UsageError("cannot write " + file + ": " + out.errorString().toStdString());
    // A full disk often shows only when the buffered bytes are flushed.
    if (out.write(encoded) != encoded.size() || !out.flush()) {
        const std::string reason = out.errorString().toStdString();
        out.close();
        if (!out.isSequential()) out.remove();
        throw UsageError("cannot write " + file + ": " + reason);
    }
}
