#include "platform/ini/IniFile.h"
