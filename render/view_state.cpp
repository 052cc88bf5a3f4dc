#include "view_state.h"

ViewState g_viewState;
