// The table behind js_value.h: each value the host holds, by its handle (an index). Handles 0 and
// 1 are undefined and null, kept for good; the others are freed by JsDrop and used again.
mergeInto(LibraryManager.library, {
  $jsValues: [undefined, null],
  $jsFree: [],
  $jsKeep__deps: ['$jsValues', '$jsFree'],
  $jsKeep: function (value) {
    if (value === undefined) return 0;
    if (value === null) return 1;
    const handle = jsFree.length ? jsFree.pop() : jsValues.length;
    jsValues[handle] = value;
    return handle;
  },
  // A JsArg: a double, then its kind (js_value.h's JS_NUMBER, JS_BOOL, JS_STRING, JS_VALUE) and a pointer.
  $jsArg__deps: ['$jsValues'],
  $jsArg: function (arg) {
    const kind = HEAP32[(arg + 8) >> 2], pointer = HEAP32[(arg + 12) >> 2];
    if (kind === 2) return UTF8ToString(pointer);
    if (kind === 3) return jsValues[pointer];
    return kind === 1 ? HEAPF64[arg >> 3] !== 0 : HEAPF64[arg >> 3];
  },
  JsGlobal__deps: ['$jsKeep'],
  JsGlobal: function (name) {
    return jsKeep(globalThis[UTF8ToString(name)]);
  },
  JsObject__deps: ['$jsKeep'],
  JsObject: function () {
    return jsKeep({});
  },
  JsFloats__deps: ['$jsKeep'],
  JsFloats: function (data, count) {
    return jsKeep(new Float32Array(HEAPF32.buffer, data, count));
  },
  JsCopy__deps: ['$jsKeep', '$jsValues'],
  JsCopy: function (handle) {
    return jsKeep(jsValues[handle]);
  },
  JsDrop__deps: ['$jsValues', '$jsFree'],
  JsDrop: function (handle) {
    jsValues[handle] = undefined;
    jsFree.push(handle);
  },
  JsGet__deps: ['$jsKeep', '$jsValues'],
  JsGet: function (handle, name) {
    return jsKeep(jsValues[handle][UTF8ToString(name)]);
  },
  JsGetIndex__deps: ['$jsKeep', '$jsValues'],
  JsGetIndex: function (handle, index) {
    return jsKeep(jsValues[handle][index]);
  },
  JsSet__deps: ['$jsValues', '$jsArg'],
  JsSet: function (handle, name, arg) {
    jsValues[handle][UTF8ToString(name)] = jsArg(arg);
  },
  JsCall__deps: ['$jsKeep', '$jsValues', '$jsArg'],
  JsCall: function (handle, name, args, count, keep) {
    const list = [];
    for (let i = 0; i < count; i++) list.push(jsArg(args + i * 16));
    const object = jsValues[handle];
    const result = object[UTF8ToString(name)](...list);
    return keep ? jsKeep(result) : 0;
  },
  // js_value.h's kinds: 2 a string, 3 an array, 4 anything else.
  JsKind__deps: ['$jsValues'],
  JsKind: function (handle) {
    const value = jsValues[handle];
    return typeof value === 'string' ? 2 : Array.isArray(value) ? 3 : 4;
  },
  JsStrictlyEquals__deps: ['$jsValues'],
  JsStrictlyEquals: function (a, b) {
    return jsValues[a] === jsValues[b];
  },
  JsTruthy__deps: ['$jsValues'],
  JsTruthy: function (handle) {
    return !!jsValues[handle];
  },
  JsNumber__deps: ['$jsValues'],
  JsNumber: function (handle) {
    return +jsValues[handle];
  },
  // Encoded here: not every Emscripten links lengthBytesUTF8 into a program that asks only a library for it.
  JsString__deps: ['$jsValues', 'malloc'],
  JsString: function (handle) {
    const bytes = new TextEncoder().encode(String(jsValues[handle]));
    const pointer = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, pointer);
    HEAPU8[pointer + bytes.length] = 0;
    return pointer;
  },
});
