#include "platform/registry/Registry.h"
