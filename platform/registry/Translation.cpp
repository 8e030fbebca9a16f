#include "platform/registry/Translation.h"
