// The modem test's reading of an "ipconfig /all" listing, apart from the run
// that produces it.
#pragma once

#include "runner/WorkFileReader.h"

// Reads the open reader until a line names the modem as the family's
// "ipconfig /all" shows it: on Windows 95/98/Me the modem's address anywhere,
// on the NT family the DNS servers line with that address. Stops at the first
// such line, at the end or at a failed read. Other families find nothing and
// read nothing.
bool ScanForModemDns(WorkFileReader& reader, int family);
