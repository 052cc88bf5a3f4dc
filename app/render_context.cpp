#include "render_context.h"

RenderContext g_renderContext;
