// The listings that ipconfig prints, per layout: the full one (/all) and the
// brief one (no option, and after release and renew). Messages come between
// the title and the adapters, each followed by a blank line.
#pragma once

#include <string>
#include <vector>

#include "simpc/PcModel.h"

namespace simpc {

std::string NtFullListing(const PcModel& model);
std::string NtBriefListing(const PcModel& model, const std::vector<std::string>& messages);
std::string Win9xFullListing(const PcModel& model);
std::string Win9xBriefListing(const PcModel& model, const std::vector<std::string>& messages);

}  // namespace simpc
