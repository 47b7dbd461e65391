// netsh.exe for the Wine tests: the modelled netsh of the simulated PC.
#include "tools/subst/StateFile.h"

int main() { return subst::RunSubstitute("netsh", simpc::RunNetsh); }
