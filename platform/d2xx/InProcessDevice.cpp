#include "platform/d2xx/InProcessDevice.h"
