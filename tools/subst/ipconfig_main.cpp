// ipconfig.exe for the Wine tests: the modelled ipconfig of the simulated PC.
#include "tools/subst/StateFile.h"

int main() { return subst::RunSubstitute("ipconfig", simpc::RunIpconfig); }
