// The test doubles are defined in fakes.h.
#include "fakes.h"
