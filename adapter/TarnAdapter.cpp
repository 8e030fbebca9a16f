#include "adapter/TarnAdapter.h"
