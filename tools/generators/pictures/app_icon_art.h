#pragma once

#include <QImage>
#include <string>

// The application icon: a green tile with a golf ball beside the cup and a red flag. It is
// described once as a list of shapes, and drawn from that list both as pictures and as SVG,
// so that every size shows the same icon.

/// The icon drawn at `size` x `size` pixels.
QImage DrawApplicationIcon(int size);

/// The icon as a scalable SVG document.
std::string ApplicationIconSvg();
