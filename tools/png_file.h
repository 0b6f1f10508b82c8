#pragma once

#include <QImage>
#include <string>

/// Writes `image` as a PNG file. The picture is encoded in memory first, so a full disk or a
/// bad name is one refusal (a UsageError naming the file and the reason), never a half-written
/// picture reported as success.
void WritePng(const QImage& image, const std::string& file);
