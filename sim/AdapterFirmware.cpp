#include "sim/AdapterFirmware.h"
