// The browser benchmark's floor: the least an Emscripten program does to show
// a WebGL frame. Built and served as Robot Oxel is (CMakeLists.txt beside
// this), so that what Robot Oxel costs beyond it is its own.
#include <GLES2/gl2.h>
#include <emscripten/html5.h>

int main(void)
{
    // Robot Oxel's context attributes (platform/web/webgl.cpp); no extensions, which it asks for
    // none of and Emscripten would otherwise enable one by one.
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.enableExtensionsByDefault = EM_FALSE;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#floor", &attributes);
    if (context <= 0 || emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS)
        return 1;
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return 0;
}
