#pragma once

#include <string>
#include <vector>

// One subcommand of plbtool: its arguments after the command name.
// Exit status: 0 success, 1 the input could not be loaded or written, 2 usage error.
using TCommandArgs = std::vector<std::string>;

int RunDump(const TCommandArgs& Args);
int RunCheck(const TCommandArgs& Args);
int RunPack(const TCommandArgs& Args);
int RunUnpack(const TCommandArgs& Args);
int RunPicture(const TCommandArgs& Args);
int RunCompile(const TCommandArgs& Args);
int RunVector(const TCommandArgs& Args);
int RunLayout(const TCommandArgs& Args);
int RunRender(const TCommandArgs& Args);
int RunTrace(const TCommandArgs& Args);
int RunSearch(const TCommandArgs& Args);
int RunExport(const TCommandArgs& Args);
int RunText(const TCommandArgs& Args);

// Reports an error as one line "error: ..." on stderr and returns Status.
int Fail(const std::string& Message, int Status = 1);
// Reports a usage error and returns 2.
int Usage(const std::string& Message);
