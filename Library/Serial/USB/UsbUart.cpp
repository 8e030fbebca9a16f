#include "Library/Serial/USB/UsbUart.h"
