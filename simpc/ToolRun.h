// What every run of a modelled tool shares: a run that never ends, the time a
// run takes and the line it prints to standard error.
#pragma once

#include <string>

#include "simpc/PcModel.h"

namespace simpc {

// Fills in the common parts; false when this run never ends (then nothing is
// printed and nothing changes).
bool BeginRun(const PcModel& model, const std::string& commandLine, ToolOutput& out);

}  // namespace simpc
