// STUB: to be written.
#include "simpc/PcModel.h"
