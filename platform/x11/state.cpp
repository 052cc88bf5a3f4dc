#include "state.h"

PlatformState g_platform;
