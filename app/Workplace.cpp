#include "app/Workplace.h"
