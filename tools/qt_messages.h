#pragma once

/// Sends every message of Qt (and of the image libraries Qt reports for, such as libpng)
/// through one handler: dropped unless `verbose`, then one line each on stderr. A fatal
/// message, such as an unusable platform plugin, is always one line and exit status 2.
void RouteQtMessages(bool verbose);
