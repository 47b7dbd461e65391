// STUB: to be written.
#include "platform/sim/SimulatedPc.h"
