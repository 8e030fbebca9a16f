#include "model/Q47.h"
