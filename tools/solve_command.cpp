#include "tools/commands.h"
#include "tools/tool_args.h"

int SolveCommand(Game&, const std::vector<std::string>&, std::ostream&) { throw UsageError("not available yet"); }
