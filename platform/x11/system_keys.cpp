#include "system_keys.h"

#include <FL/Enumerations.H>

bool IsSystemKey(int flKey, int flState)
{
    if (flState & (FL_ALT | FL_META))
        return true;
    return flKey == FL_Alt_L || flKey == FL_Alt_R || flKey == FL_Meta_L || flKey == FL_Meta_R ||
           flKey == FL_F + 10;
}
