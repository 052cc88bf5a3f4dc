// GDI pixel formats, palettes, WGL and SwapBuffers over the client area's
// WebGL context, which draws what the GL subset (gl/) hands it: clears and
// clip-space line segments, through one small shader pair.
// Pixel formats: one, double-buffered RGBA, described from the context.
// A context the browser takes back (webglcontextlost) leaves a word over the
// client area; when it is given back its resources are made anew and the
// window repaints.
// Not implemented: colour-mapped formats (a canvas is always true colour,
// so the program never makes a palette), shared contexts, layers.
#include "state.h"

#include <emscripten/html5.h>

#include "dom.h"
#include "gl_context.h"

namespace {

const char kVertexShader[] = "attribute vec4 position; void main() { gl_Position = position; }";
const char kFragmentShader[] =
    "precision mediump float; uniform vec4 color; void main() { gl_FragColor = color; }";

// Draws with one WebGL context; its constants are the same numbers as GL's.
class WebGlBackend : public GlBackend {
  public:
    explicit WebGlBackend(val webgl) : gl_(webgl) {}

    // Makes the shader pair and the vertex buffer, on a new context or one given back;
    // false with the cause reported if the shaders do not build.
    bool MakeResources()
    {
        val program = gl_.call<val>("createProgram");
        if (!AttachShader(program, GL_VERTEX_SHADER, kVertexShader) ||
            !AttachShader(program, GL_FRAGMENT_SHADER, kFragmentShader))
            return false;
        gl_.call<void>("bindAttribLocation", program, 0, std::string("position"));
        gl_.call<void>("linkProgram", program);
        if (!gl_.call<bool>("getProgramParameter", program, GL_LINK_STATUS))
            return Failed("the shaders do not link", gl_.call<val>("getProgramInfoLog", program));
        gl_.call<void>("useProgram", program);
        color_ = gl_.call<val>("getUniformLocation", program, std::string("color"));
        gl_.call<void>("bindBuffer", GL_ARRAY_BUFFER, gl_.call<val>("createBuffer"));
        gl_.call<void>("enableVertexAttribArray", 0);
        gl_.call<void>("vertexAttribPointer", 0, 4, GL_FLOAT, false, 0, 0);
        if (viewport_[2] || viewport_[3])
            Viewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
        return true;
    }

    void Clear(GLbitfield mask, const float rgba[4]) override
    {
        gl_.call<void>("clearColor", rgba[0], rgba[1], rgba[2], rgba[3]);
        gl_.call<void>("clear", mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    }

    void Viewport(int x, int y, int width, int height) override
    {
        viewport_[0] = x;
        viewport_[1] = y;
        viewport_[2] = width;
        viewport_[3] = height;
        gl_.call<void>("viewport", x, y, width, height);
    }

    void DrawLines(const double* xyzw, size_t count, const float rgba[4], bool depthTest) override
    {
        floats_.assign(xyzw, xyzw + count * 4);
        gl_.call<void>("bufferData", GL_ARRAY_BUFFER, val::floats(floats_.data(), floats_.size()),
                       GL_STREAM_DRAW);
        gl_.call<void>(depthTest ? "enable" : "disable", GL_DEPTH_TEST);
        gl_.call<void>("uniform4f", color_, rgba[0], rgba[1], rgba[2], rgba[3]);
        gl_.call<void>("drawArrays", GL_LINES, 0, static_cast<int>(count));
    }

    // The implementation's own names where the browser tells them, else WebGL's.
    const char* String(GLenum name) override
    {
        val info = gl_.call<val>("getExtension", std::string("WEBGL_debug_renderer_info"));
        val answer = val::undefined();
        if (name == GL_EXTENSIONS)
            answer = gl_.call<val>("getSupportedExtensions");
        else if (!info.isNull() && name != GL_VERSION)
            answer = gl_.call<val>(
                "getParameter",
                info[name == GL_VENDOR ? "UNMASKED_VENDOR_WEBGL" : "UNMASKED_RENDERER_WEBGL"]);
        else
            answer = gl_.call<val>("getParameter", name);
        // A lost context answers null.
        if (answer.isArray())
            answer = answer.call<val>("join", std::string(" "));
        if (!answer.isString())
            return nullptr;
        text_ = answer.as<std::string>();
        return text_.c_str();
    }

  private:
    bool AttachShader(val program, GLenum kind, const char* source)
    {
        val shader = gl_.call<val>("createShader", kind);
        gl_.call<void>("shaderSource", shader, std::string(source));
        gl_.call<void>("compileShader", shader);
        if (!gl_.call<bool>("getShaderParameter", shader, GL_COMPILE_STATUS))
            return Failed("a shader does not compile", gl_.call<val>("getShaderInfoLog", shader));
        gl_.call<void>("attachShader", program, shader);
        return true;
    }

    static bool Failed(const char* what, val log)
    {
        ReportError("WebGL", "%s: %s", what, log.isString() ? log.as<std::string>().c_str() : "");
        return false;
    }

    val gl_;
    val color_ = val::null();
    int viewport_[4] = {};
    std::vector<float> floats_;
    std::string text_;
};

struct WebGlRecord {
    CoreWindow* window;
    WebGlBackend* backend;
    GlContext* context;
    val lostNotice; // hidden; shown over the client area while the browser holds the context
    std::string canvasSelector;
};

EM_BOOL OnContextLost(int, const void*, void* data)
{
    auto* record = static_cast<WebGlRecord*>(data);
    val canvas = record->window->native->canvas;
    record->lostNotice.set("hidden", false);
    SetBox(record->lostNotice, PixelMeasure(canvas, "offsetLeft"),
           PixelMeasure(canvas, "offsetTop"), PixelMeasure(canvas, "offsetWidth"),
           PixelMeasure(canvas, "offsetHeight"));
    // Kept from the default so that the browser may give the context back.
    return EM_TRUE;
}

EM_BOOL OnContextRestored(int, const void*, void* data)
{
    auto* record = static_cast<WebGlRecord*>(data);
    record->lostNotice.set("hidden", true);
    if (record->backend->MakeResources())
        InvalidateRect(HandleOf(record->window), NULL, FALSE);
    return EM_TRUE;
}

void WatchContext(WebGlRecord* record, bool on)
{
    const char* target = record->canvasSelector.c_str();
    emscripten_set_webglcontextlost_callback(target, record, EM_FALSE,
                                             on ? OnContextLost : nullptr);
    emscripten_set_webglcontextrestored_callback(target, record, EM_FALSE,
                                                 on ? OnContextRestored : nullptr);
}

// The canvas's context, made on first need: its attributes are the window's pixel format.
val WebGlOf(CoreWindow* core)
{
    NativeWindow* window = core->native;
    if (window->webgl.isNull() && !window->canvas.isUndefined()) {
        val attributes = val::object();
        attributes.set("alpha", false);
        attributes.set("depth", true);
        attributes.set("stencil", false);
        attributes.set("antialias", false);             // one-pixel lines, as GL draws them
        attributes.set("preserveDrawingBuffer", false); // swapped, not copied
        window->webgl = window->canvas.call<val>("getContext", std::string("webgl"), attributes);
        if (window->webgl.isNull())
            ReportError("WebGL", "the browser gives the canvas no WebGL context");
    }
    return window->webgl;
}

BYTE Bits(val webgl, GLenum name)
{
    return static_cast<BYTE>(webgl.call<int>("getParameter", name));
}

} // namespace

int HostPixelFormats(CoreWindow* window)
{
    return WebGlOf(window).isNull() ? 0 : 1;
}

void HostDescribePixelFormat(CoreWindow* window, int, PIXELFORMATDESCRIPTOR* pfd)
{
    val webgl = WebGlOf(window);
    PIXELFORMATDESCRIPTOR d = {};
    d.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    d.nVersion = 1;
    d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    d.iPixelType = PFD_TYPE_RGBA;
    // WebGL keeps bytes in R, G, B, A order.
    d.cRedBits = Bits(webgl, GL_RED_BITS);
    d.cGreenBits = Bits(webgl, GL_GREEN_BITS);
    d.cGreenShift = d.cRedBits;
    d.cBlueBits = Bits(webgl, GL_BLUE_BITS);
    d.cBlueShift = static_cast<BYTE>(d.cRedBits + d.cGreenBits);
    d.cColorBits = static_cast<BYTE>(d.cRedBits + d.cGreenBits + d.cBlueBits);
    d.cAlphaBits = Bits(webgl, GL_ALPHA_BITS);
    d.cDepthBits = Bits(webgl, GL_DEPTH_BITS);
    d.cStencilBits = Bits(webgl, GL_STENCIL_BITS);
    d.iLayerType = PFD_MAIN_PLANE;
    *pfd = d;
}

// A canvas's context attributes are fixed when it is made, as a window's pixel format is once set.
bool HostMakeSurface(CoreWindow*, int)
{
    return true;
}

// NOTE: no palettes: the canvas is always true colour, so the program asks for none.
HPALETTE WINAPI CreatePalette(const LOGPALETTE*)
{
    return NULL;
}

UINT WINAPI RealizePalette(HDC)
{
    return 0;
}

BOOL WINAPI DeleteObject(HGDIOBJ)
{
    return FALSE;
}

HGLRC WINAPI wglCreateContext(HDC dc)
{
    CoreDC* record = LiveDC(dc);
    if (!record || !record->pixelFormat) {
        ReportError("WGL", "no pixel format set on the window");
        return NULL;
    }
    auto* backend = new WebGlBackend(record->window->native->webgl);
    if (!backend->MakeResources()) {
        delete backend;
        return NULL;
    }
    // The browser's context events find the canvas by a selector.
    val canvas = record->window->native->canvas;
    std::string id = GiveId(canvas, "client-");
    val notice = NewElement("div", "context-lost", canvas["parentNode"]);
    SetAttribute(notice, "role", "alert");
    notice.set("textContent", std::string("The picture is lost: the browser has taken back its "
                                          "graphics context. It returns when the browser gives "
                                          "it back."));
    notice.set("hidden", true);
    auto* context =
        new WebGlRecord{record->window, backend, GlCreateContext(backend), notice, "#" + id};
    WatchContext(context, true);
    return reinterpret_cast<HGLRC>(context);
}

// A WebGL context draws on its own canvas only, so it is current with that window's DC.
BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC handle)
{
    auto* record = reinterpret_cast<WebGlRecord*>(handle);
    if (!record) {
        GlMakeCurrent(nullptr);
        return TRUE;
    }
    CoreDC* target = LiveDC(dc);
    if (!target || target->window != record->window)
        return FALSE;
    GlMakeCurrent(record->context);
    return TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC handle)
{
    auto* record = reinterpret_cast<WebGlRecord*>(handle);
    if (!record)
        return FALSE;
    WatchContext(record, false);
    record->lostNotice.call<void>("remove");
    GlDeleteContext(record->context);
    delete record->backend;
    delete record;
    return TRUE;
}

// NOTE: the browser shows the canvas when the program next waits; a swap only draws what is
// pending.
BOOL WINAPI SwapBuffers(HDC dc)
{
    CoreDC* record = LiveDC(dc);
    if (!record)
        return FALSE;
    GlFlushLines();
    NamePicture(record->window);
    return TRUE;
}
