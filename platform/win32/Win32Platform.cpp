// STUB: to be written.
#include "platform/Platform.h"
