#include "platform/jpeg/JpegDecoder.h"
