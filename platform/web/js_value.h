// A JavaScript value the host holds, by a handle into js_value.js's table: what the host asks of
// the page (elements, their properties and methods, WebGL) in the shape of emscripten::val, for
// the few conversions the host uses, without embind and its glue.
#ifndef ROBOT_OXEL_WEB_JS_VALUE_H
#define ROBOT_OXEL_WEB_JS_VALUE_H

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <type_traits>
#include <utility>

// One argument as js_value.js reads it from memory.
struct JsArg {
    double number;
    int kind;
    intptr_t pointer; // a NUL-terminated UTF-8 string, or a handle
};
enum { JS_NUMBER, JS_BOOL, JS_STRING, JS_VALUE };

extern "C" {
int JsGlobal(const char* name);
int JsObject();
int JsFloats(const float* data, size_t count);
int JsCopy(int handle);
void JsDrop(int handle);
int JsGet(int handle, const char* name);
int JsGetIndex(int handle, size_t index);
void JsSet(int handle, const char* name, const JsArg* value);
int JsCall(int handle, const char* name, const JsArg* args, int count, int keep);
int JsKind(int handle);
int JsStrictlyEquals(int a, int b);
int JsTruthy(int handle);
double JsNumber(int handle);
char* JsString(int handle);
}

class val {
  public:
    static val global(const char* name)
    {
        return val(JsGlobal(name));
    }
    static val object()
    {
        return val(JsObject());
    }
    static val null()
    {
        return val(kNull);
    }
    static val undefined()
    {
        return val(kUndefined);
    }
    // A Float32Array over the floats in the program's memory, which never grows.
    static val floats(const float* data, size_t count)
    {
        return val(JsFloats(data, count));
    }

    val(const val& other) : handle_(Owned(other.handle_) ? JsCopy(other.handle_) : other.handle_) {}
    val(val&& other) noexcept : handle_(std::exchange(other.handle_, kUndefined)) {}
    val& operator=(val other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~val()
    {
        if (Owned(handle_))
            JsDrop(handle_);
    }

    val operator[](const char* name) const
    {
        return val(JsGet(handle_, name));
    }
    val operator[](size_t index) const
    {
        return val(JsGetIndex(handle_, index));
    }
    template <typename T> void set(const char* name, const T& value) const
    {
        JsArg arg = Arg(value);
        JsSet(handle_, name, &arg);
    }
    template <typename R = val, typename... Args>
    R call(const char* name, const Args&... args) const
    {
        JsArg list[sizeof...(Args) + 1] = {Arg(args)...};
        int count = static_cast<int>(sizeof...(Args));
        if constexpr (std::is_void_v<R>)
            JsCall(handle_, name, list, count, 0);
        else if constexpr (std::is_same_v<R, val>)
            return val(JsCall(handle_, name, list, count, 1));
        else
            return val(JsCall(handle_, name, list, count, 1)).as<R>();
    }

    // As embind converts: a number to int by truncation, anything to bool by its truth, a string
    // to UTF-8.
    template <typename T> T as() const
    {
        if constexpr (std::is_same_v<T, bool>)
            return JsTruthy(handle_) != 0;
        else if constexpr (std::is_same_v<T, std::string>)
            return String();
        else
            return static_cast<T>(JsNumber(handle_));
    }

    bool isNull() const
    {
        return handle_ == kNull;
    }
    bool isUndefined() const
    {
        return handle_ == kUndefined;
    }
    bool isString() const
    {
        return JsKind(handle_) == kString;
    }
    bool isArray() const
    {
        return JsKind(handle_) == kArray;
    }
    bool strictlyEquals(const val& other) const
    {
        return JsStrictlyEquals(handle_, other.handle_) != 0;
    }

  private:
    // Handles js_value.js keeps for these two values, never freed; JsKind's answers.
    enum { kUndefined, kNull };
    enum { kString = 2, kArray };

    explicit val(int handle) : handle_(handle) {}
    static bool Owned(int handle)
    {
        return handle != kUndefined && handle != kNull;
    }
    std::string String() const;

    template <typename T> static JsArg Arg(const T& value)
    {
        if constexpr (std::is_same_v<T, bool>)
            return {value ? 1.0 : 0.0, JS_BOOL, 0};
        else if constexpr (std::is_arithmetic_v<T>)
            return {static_cast<double>(value), JS_NUMBER, 0};
        else if constexpr (std::is_same_v<T, val>)
            return {0, JS_VALUE, value.handle_};
        else if constexpr (std::is_same_v<T, std::string>)
            return {0, JS_STRING, reinterpret_cast<intptr_t>(value.c_str())};
        else
            return {0, JS_STRING, reinterpret_cast<intptr_t>(static_cast<const char*>(value))};
    }

    int handle_;
};

#endif
