// The browser host's state.
#include "state.h"

WebState g_web;

WebWindow* ModalDialog()
{
    for (auto it = g_host.windows.rbegin(); it != g_host.windows.rend(); ++it) {
        if ((*it)->kind == KIND_DIALOG)
            return static_cast<WebWindow*>(*it);
    }
    return nullptr;
}
