#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "play/game.h"

/// One command of quelvane-tool: reads its options, prints JSON to `out`, returns the
/// exit status. Bad options throw UsageError.
using ToolCommand = int (*)(Game& game, const std::vector<std::string>& options, std::ostream& out);

int HolesCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int ValidateCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int DrawOrderCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int RenderCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int RollCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int StrokeCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int SheetCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int ArtCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int SolveCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int RecordsCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
int ScoreCodeCommand(Game& game, const std::vector<std::string>& options, std::ostream& out);
