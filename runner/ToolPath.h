// Where the console tools live: the Windows directory on Windows 95/98/Me,
// the system directory on the NT family.
#pragma once

#include "platform/Defs.h"

// Fills path with the directory for the family followed by exeName (such as
// "\\ipconfig.exe"); an empty path when the directory is not known.
void BuildToolPath(int family, const char* exeName, char (&path)[MAX_PATH]);
