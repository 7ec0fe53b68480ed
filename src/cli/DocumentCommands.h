#pragma once

namespace velmora::cli {

// The document's file commands for scripts. Each takes the arguments from its own name on
// (argv[0] is "export-old", "comments", "info" or "save") and returns the exit code: 0 done,
// 1 failed (the reason is on standard error), 2 wrong arguments.
int RunExportOld(int argc, char** argv);
int RunComments(int argc, char** argv);
int RunInfo(int argc, char** argv);
int RunSave(int argc, char** argv);

} // namespace velmora::cli
