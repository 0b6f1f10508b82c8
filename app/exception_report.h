#pragma once

#include <exception>

#include "play/platform.h"

/// The report of an exception that escaped to the program entry: a message box with the
/// exception's text under the game's title. Returns the program's exit status (never 0).
int ReportException(Prompt& prompt, std::exception_ptr exception);
