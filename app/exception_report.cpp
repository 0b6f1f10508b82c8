#include "app/exception_report.h"

#include <string>

namespace {
std::string TextOf(std::exception_ptr exception) {
    try {
        if (exception) std::rethrow_exception(exception);
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
    }
    return "An unknown error ended the game.";
}
}  // namespace

int ReportException(Prompt& prompt, std::exception_ptr exception) {
    prompt.Ask(TextOf(exception), "Quelvane", Prompt::Buttons::Ok, Prompt::Icon::Stop,
               Prompt::Answer::Ok);
    return 1;
}
