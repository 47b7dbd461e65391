// The probe's own module handle, kept apart: windows.h must not meet the
// portable headers in one file.
#include <windows.h>

void* ProbeModule() { return GetModuleHandleA(nullptr); }
