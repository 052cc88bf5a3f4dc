// The string conversion of js_value.h, the one that needs memory of the program's.
#include "js_value.h"

#include <stdlib.h>

std::string val::String() const
{
    char* text = JsString(handle_);
    std::string copy(text);
    free(text);
    return copy;
}
