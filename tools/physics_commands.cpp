#include "tools/commands.h"
#include "tools/tool_args.h"

int RollCommand(Game&, const std::vector<std::string>&, std::ostream&) { throw UsageError("not available yet"); }
int StrokeCommand(Game&, const std::vector<std::string>&, std::ostream&) { throw UsageError("not available yet"); }
