#!/usr/bin/env python3
"""Plants known faults in the program one at a time and says which tests catch each.

Each fault is a one-line change to a product file. For each one the script
changes the file, rebuilds, runs the tests that can see it (the display-free
ctest tests first, then the whole Linux suite if they miss it; the browser
test for the browser host; scripts/windows-test.sh for the Windows build),
puts the file back and prints the failing tests. A fault nothing catches is
a hole in the suite. Run it on a checkout of its own: it edits the sources.

    python3 scripts/plant-faults.py [BUILD_DIR] [NUMBER ...]

BUILD_DIR is a configured Linux build of this checkout (default build);
NUMBERs pick faults by their place in the list below, from 1.
"""
import os
import subprocess
import sys

# What goes wrong, the file, the text, what it becomes, and where it shows.
FAULTS = [
    ('cylinder bottom rim not closed (< instead of <=)', 'geometry/cylinder.cpp', 'a <= kFullTurn; a += kAngleStep)',
     'a < kFullTurn; a += kAngleStep)', 'linux'),
    ('half turn as pi, not the float 3.1415', 'geometry/angles.h', 'static_cast<double>(3.1415f);',
     '3.14159265358979;', 'linux'),
    ('running angle in single precision', 'geometry/cylinder.cpp', 'for (double a = 0.0; a <= kFullTurn',
     'for (float a = 0.0f; a <= kFullTurn', 'linux'),
    ('upper arm body vertex off', 'geometry/arm_links.cpp', '{0, -15, 0},   {-60, -10, 0},  {-60, 10, 0},  {0, 15, 0},',
     '{0, -15, 0},   {-60, -10, 0},  {-60, 12, 0},  {0, 15, 0},', 'linux'),
    ('forearm end face dropped', 'geometry/arm_links.cpp', 'DrawBody(kForearmBody, 20);',
     'DrawBody(kForearmBody, 16);', 'linux'),
    ('top cap wound the other way', 'geometry/cylinder.cpp', 'glVertex3d(radius * sin(a), radius * cos(a), height);',
     'glVertex3d(-radius * sin(a), radius * cos(a), height);', 'linux'),
    ('far rounded end radius 12', 'geometry/arm_links.cpp', 'DrawRoundedEnd(-60.0, 10.0, kHalfTurn, kFullTurn);',
     'DrawRoundedEnd(-60.0, 12.0, kHalfTurn, kFullTurn);', 'linux'),
    ('robot not lowered to y = -50', 'render/robot.cpp', '    glTranslated(0.0, -50.0, 0.0);\n',
     '', 'linux'),
    ('shoulder offset -90', 'render/robot.cpp', 'glRotated(shoulder + 90.0,',
     'glRotated(shoulder - 90.0,', 'linux'),
    ('forearm not set back a link thickness', 'render/robot.cpp', 'glTranslated(-60.0, 0.0, -10.0);',
     'glTranslated(-60.0, 0.0, 0.0);', 'linux'),
    ('waist about the wrong axis', 'render/robot.cpp', 'glRotated(waist, 0.0, 0.0, 1.0);',
     'glRotated(waist, 0.0, 1.0, 0.0);', 'linux'),
    ('robot leaves its matrix pushed', 'render/robot.cpp', '    DrawForearm();\n    glPopMatrix();',
     '    DrawForearm();', 'linux'),
    ('view rotations in the other order', 'render/scene.cpp', '    glRotatef(g_viewState.rotX, 1.0f, 0.0f, 0.0f);\n    glRotatef(g_viewState.rotY, 0.0f, 1.0f, 0.0f);',
     '    glRotatef(g_viewState.rotY, 0.0f, 1.0f, 0.0f);\n    glRotatef(g_viewState.rotX, 1.0f, 0.0f, 0.0f);', 'linux'),
    ('Arm1 draws the forearm', 'render/scene.cpp', 'case MODEL_ARM1:\n        DrawUpperArm();',
     'case MODEL_ARM1:\n        DrawForearm();', 'linux'),
    ('longer side not widened (wide window)', 'render/projection.cpp', 'double extent = 100.0 * width / height;',
     'double extent = 100.0;', 'linux'),
    ('zero width not guarded (minimise)', 'render/projection.cpp', '    if (width == 0)\n        width = 1;\n',
     '', 'linux'),
    ('integer division in the tall branch', 'render/projection.cpp', 'double extent = 100.0 * height / width;',
     'double extent = 100 * height / width;', 'linux'),
    ('filled polygons', 'render/projection.cpp', 'glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);',
     'glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);', 'linux'),
    ('background not white', 'render/projection.cpp', 'glClearColor(1.0f, 1.0f, 1.0f, 1.0f);',
     'glClearColor(0.9f, 0.9f, 0.9f, 1.0f);', 'linux'),
    ('view rotations never wrapped', 'app/commands.cpp', 'return static_cast<float>(static_cast<int32_t>(degrees) % 360);',
     'return degrees;', 'linux'),
    ('key 3 raises the shoulder', 'app/commands.cpp', "if (key == '3')\n        view.shoulder -= kJointStep;",
     "if (key == '3')\n        view.shoulder += kJointStep;", 'linux'),
    ('Up turns like Down', 'app/commands.cpp', 'if (key == VK_UP)\n        view.rotX -= kRotationStep;',
     'if (key == VK_UP)\n        view.rotX += kRotationStep;', 'linux'),
    ('arrow step 10 degrees', 'app/commands.cpp', 'const float kRotationStep = 5.0f;',
     'const float kRotationStep = 10.0f;', 'linux'),
    ('model choice keeps the X rotation', 'app/commands.cpp', '    g_viewState.rotX = 0.0f;\n',
     '', 'linux'),
    ('model choice leaves other check marks', 'app/commands.cpp', 'if (other != model)',
     'if (other == model)', 'linux'),
    ('model choice resets the waist', 'app/commands.cpp', '    g_viewState.model = model;\n',
     '    g_viewState.model = model;\n    g_viewState.waist = 0.0;\n', 'linux'),
    ('Arm1 command shows Arm2', 'app/commands.cpp', 'return SelectModel(window, menu, MODEL_ARM1);',
     'return SelectModel(window, menu, MODEL_ARM2);', 'linux'),
    ('every error slot filled', 'app/about_dialog.cpp', '        if (code == GL_NO_ERROR)\n            break;\n',
     '', 'linux'),
    ('Escape closes About', 'app/about_dialog.cpp', 'if (LOWORD(wParam) == IDOK)',
     'if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)', 'linux'),
    ('close box does not close About', 'app/about_dialog.cpp', '    case WM_CLOSE:\n        EndDialog(dialog, 1);\n',
     '    case WM_CLOSE:\n', 'linux'),
    ('every GL field shows the renderer', 'app/about_dialog.cpp', 'SetItemText(dialog, IDC_GL_VENDOR + k, glGetString(GL_VENDOR + k));',
     'SetItemText(dialog, IDC_GL_VENDOR + k, glGetString(GL_RENDERER));', 'linux'),
    ('palette levels rounded', 'render/pixel_format.cpp', 'return static_cast<BYTE>(level);',
     'return static_cast<BYTE>(level + 0.5);', 'linux'),
    ('palette mask one too big', 'render/pixel_format.cpp', 'static_cast<BYTE>((1u << bits) - 1);',
     'static_cast<BYTE>((1u << bits));', 'linux'),
    ('dialog units truncated, not rounded', 'platform/common/core.cpp', 'return (dialogUnits * units.x + 2) / 4;',
     'return dialogUnits * units.x / 4;', 'linux'),
    ('vertical base unit off', 'platform/x11/dialog.cpp', '*height = fl_height();',
     '*height = fl_height() + 2;', 'linux'),
    ('parser drops CHECKED', 'platform/common/resource_script.cpp', '                item.checked = true;\n',
     '', 'linux'),
    ('parser error line numbers wrong', 'platform/common/resource_script.cpp', '            line++;',
     '            line += 2;', 'linux'),
    ('resize sends no WM_SIZE', 'platform/common/core.cpp', '    if (!window->minimised)\n        SendSize(window, SIZE_RESTORED, true);',
     '', 'linux'),
    ('minimise reports the old width', 'platform/common/core.cpp', 'int width = kind == SIZE_MINIMIZED ? 0 : window->clientWidth;',
     'int width = window->clientWidth;', 'linux'),
    ('a client area destroyed by another client goes unreported', 'platform/x11/window.cpp', '            fprintf(stderr, "robot-oxel: X11: another client destroyed the client area\\n");\n',
     '', 'linux'),
    ('uncovering does not invalidate', 'platform/x11/window.cpp', '            if (event->xexpose.serial >= native->swapSerial)\n                window->invalid = true;',
     '            if (event->xexpose.serial >= native->swapSerial)\n                (void)window;', 'linux'),
    ('failed window creation exits 0', 'app/win_main.cpp', '    if (!window)\n        return 1;',
     '    if (!window)\n        return 0;', 'linux'),
    ('start-up failure prints nothing', 'platform/x11/entry.cpp', '        fprintf(stderr, "robot-oxel: %s\\n", LastError().c_str());',
     '        (void)0;', 'linux'),
    ('File/Exit ends with code 1', 'app/main_window.cpp', 'PostQuitMessage(0);',
     'PostQuitMessage(1);', 'linux'),
    ('lost X server ends with code 0', 'platform/x11/display.cpp', '            DisplayString(display));\n    _exit(1);',
     '            DisplayString(display));\n    _exit(0);', 'linux'),
    ('close request ignored', 'platform/common/core.cpp', '    if (message == WM_CLOSE)\n        DestroyWindow(window);',
     '    (void)window;', 'linux'),
    ('X error while closing (frame destroyed first)', 'platform/x11/window.cpp', '    if (native->glWindow) {\n        XDestroyWindow(g_platform.display, native->glWindow);\n        native->glWindow = 0;\n    }\n    native->frame->hide();',
     '    native->frame->hide();\n    if (native->glWindow) {\n        XDestroyWindow(g_platform.display, native->glWindow);\n        native->glWindow = 0;\n    }', 'linux'),
    ('keys masked (arrows/digits confused)', 'app/main_window.cpp', '        return OnKeyDown(window, wParam);',
     '        return OnKeyDown(window, wParam & 0x0f);', 'linux'),
    ('a model choice does not repaint', 'app/commands.cpp', 'g_viewState.rotY = 0.0f;\n    InvalidateRect(window, NULL, FALSE);',
     'g_viewState.rotY = 0.0f;', 'linux'),
    ('menu picks post the next command', 'platform/common/core.cpp', 'PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);',
     'PostToQueue(menu->owner, WM_COMMAND, MAKEWPARAM(command + 1, 0), 0);', 'linux'),
    ('x87 arithmetic for C++', 'cmake/mingw-i686.cmake', 'set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")',
     'set(CMAKE_CXX_FLAGS_INIT "")', 'windows'),
    ('x87 unit left at 64 bits', 'cmake/mingw-w64.cmake', 'set(CMAKE_EXE_LINKER_FLAGS_INIT "-static ${MINGW_CRT_FP8}")',
     'set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")', 'windows'),
    ('keypad digits act as main digits', 'platform/common/keys.cpp', 'return {static_cast<UINT>(VK_NUMPAD0 + n), 0};',
     "return {static_cast<UINT>('0' + n), 0};", 'linux'),
    ('Left arrow key gives VK_RIGHT', 'platform/common/keys.cpp', '{"LEFT", "ArrowLeft", {VK_LEFT, 0}}',
     '{"LEFT", "ArrowLeft", {VK_RIGHT, 0}}', 'linux'),
    ('a table row names the wrong DOM key', 'platform/common/keys.cpp', '{"AB07", "KeyM",',
     '{"AB07", "KeyN",', 'linux'),
    ('the top-row 6 follows the layout (fr: minus)', 'platform/common/keys.cpp', '{"AE06", "Digit6", {\'6\', 0}}',
     '{"AE06", "Digit6", {\'6\', \'6\'}}', 'linux'),
    ('letters and punctuation keep their US places on every layout', 'platform/common/keys.cpp', '    if (key.vk && !key.us)\n        return key.vk;',
     '    if (key.vk)\n        return key.vk;', 'linux'),
    ('non-Latin letters lose their US position', 'platform/common/keys.cpp', 'return typedKey.us || !key.vk ? typedKey.vk : key.vk;',
     'return typedKey.vk;', 'linux'),
    ('keysym fallback dropped: an unnamed keycode gives nothing', 'platform/common/keys.cpp', '    if (key.vk && !key.us)\n        return key.vk;',
     '    if (!key.us)\n        return key.vk;', 'linux'),
    ('no Alt row: Alt alone never lights the browser menu', 'platform/common/keys.cpp', '    {"LALT", "AltLeft", {VK_MENU, 0}},\n',
     '', 'linux'),
    ('X host: letters by US position, not the layout', 'platform/x11/keyboard.cpp', 'return VirtualKeyOnLayout(g_platform.keys[keycode], typed);',
     'return g_platform.keys[keycode].vk;', 'linux'),
    ('a popup reached with Right highlights nothing', 'platform/common/menu_model.cpp', 'OpenFromKeyboard(state, menu, Wrap(state->title, vk == VK_LEFT ? -1 : 1, Count(menu)));',
     'MenuOpen(state, Wrap(state->title, vk == VK_LEFT ? -1 : 1, Count(menu)), -1);', 'linux'),
    ('F10 opens the File popup', 'platform/common/menu_model.cpp', '            *state = MenuState{MENU_BAR, 0, -1};',
     '            OpenFromKeyboard(state, menu, 0);', 'linux'),
    ('a tick beside every item', 'platform/x11/menu.cpp', '            if (IsChecked(menu_, popup.items[i].id))',
     '            if (true)', 'linux'),
    ('Escape sends WM_CLOSE, closing About', 'platform/common/core.cpp', '        CoreButton(dialog, IDCANCEL);',
     '        CoreClose(dialog);', 'linux'),
    ('SetDlgItemText shows nothing', 'platform/x11/dialog.cpp', '    widget->copy_label(LiteralLabel(text).c_str());',
     '', 'linux'),
    ('browser: quad strip edges in vertex order', 'platform/web/gl/gl_primitives.cpp', 'const int quad[4] = {i, i + 1, i + 3, i + 2};',
     'const int quad[4] = {i, i + 1, i + 2, i + 3};', 'web'),
    ('frame placed by static gravity', 'platform/x11/toplevel.cpp', 'NorthWestGravity',
     'StaticGravity', 'linux'),
    ('browser: a tick beside every item', 'platform/web/menu.cpp', 'checked ? "\\u2713" : ""',
     '"\\u2713"', 'web'),
    ('installer shortcut points at bin/robot-oxel.exe', 'cmake/WindowsPackaging.cmake', 'set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)\n',
     '', 'windows'),
    ('browser: a lost context not kept for restoring', 'platform/web/webgl.cpp', '    // Kept from the default so that the browser may give the context back.\n    return EM_TRUE;',
     '    // Kept from the default so that the browser may give the context back.\n    return EM_FALSE;', 'web'),
    ('browser: a lost context\'s null strings passed on', 'platform/web/webgl.cpp', '        if (!answer.isString())\n            return nullptr;\n',
     '', 'web'),
    ('browser: the left edge resizes the wrong way', 'platform/web/window.cpp', 'sizing.left ? -dx : 0',
     'sizing.left ? dx : 0', 'web'),
    ('browser: backing store in CSS pixels', 'platform/web/window.cpp', 'double ratio = val::global("devicePixelRatio").as<double>();',
     'double ratio = 1;', 'web'),
    ('menu press-drag-release never picks an item', 'platform/common/menu_model.cpp', '        if (item < 0)\n            return 0;\n        *taken = true;',
     '        if (true)\n            return 0;\n        *taken = true;', 'linux'),
    ('Alt pressed alone does nothing', 'platform/common/core.cpp', 'if (g_core.altAlone && window && window->menu && !ModalDialog())',
     'if (false && window && window->menu && !ModalDialog())', 'linux'),
    ('ValidateRect never validates', 'platform/common/core.cpp', '    if (!rect)\n        window->invalid = false;',
     '    (void)rect;', 'linux'),
    ('the window paints while minimised or hidden', 'platform/common/core.cpp', '            window->visible && !window->minimised)',
     '            true)', 'linux'),
    ('keypad Enter does not press OK', 'platform/common/keys.cpp', '{"KPEN", "NumpadEnter", {VK_RETURN, 0}},',
     '{"KPEN", "NumpadEnter", {0, 0}},', 'linux'),
    ('Space on the focused OK does nothing', 'platform/common/core.cpp', ': vk == VK_SPACE ? focused',
     ': vk == VK_SPACE ? -1', 'linux'),
    ('DispatchMessage ignores its liveness check', 'platform/common/core.cpp', '    CoreWindow* window = LiveWindow(msg->hwnd);\n    return window ?',
     '    CoreWindow* window = reinterpret_cast<CoreWindow*>(msg->hwnd);\n    return window ?', 'linux'),
    ('hovering another item does not move the highlight', 'platform/common/menu_model.cpp', '        else if (open && item >= 0)\n',
     '        else if (open && item >= 0 && state->item < 0)\n', 'linux'),
    ('About placed at the desktop origin, not at the owner (both hosts)', 'platform/common/core.cpp', '        HostClientOrigin(owner, &x, &y);',
     '', 'linux'),
    ('browser: the ended page in the flow, below the desktop', 'platform/web/index.html', '#ended { position: fixed;',
     '#ended { position: static;', 'web'),
    ('browser: the stand-in frame left beside the real one', 'platform/web/window.cpp', '        loading.call<void>("remove");',
     '        loading.call<void>("focus");', 'web'),
    ('browser: no icon, so a favicon.ico request', 'platform/web/index.html', '<link rel="icon" href="data:,">\n',
     '', 'web'),
    ('web-serve.py: a compressed file typed by its own name', 'scripts/web-serve.py', "self.guess_type(path))",
     "self.guess_type(path + suffix))", 'web'),
    ('browser: the client area told in layout pixels when the desktop is scaled', 'platform/web/window.cpp',
     '    *width = static_cast<int>(std::lround(box["width"].as<double>() * ratio));',
     '    *width = static_cast<int>(std::lround(box["width"].as<double>() * ratio / g_web.scale));', 'web'),
    ('browser: the desktop not fitted to a narrow screen', 'platform/web/fit.cpp', 'std::min({1.0, screenWidth / width, screenHeight / height})',
     'std::min({1.0, screenHeight / height})', 'web'),
    ('browser: dialogs fitted too, rescaling the window under About', 'platform/web/fit.cpp', 'if (!window->native || window->kind != KIND_MAIN)',
     'if (!window->native)', 'web'),
    ('browser: a fit amid ShowWindow, its WM_SIZE after the paint', 'platform/web/window.cpp', '"hidden"));\n    RefitSoon();',
     '"hidden"));\n    FitDesktop();', 'web'),
    ('browser: menu titles under 44 px on touch screens', 'platform/web/index.html',
     '  .menubar .title { justify-content: center; min-width: calc(44px / var(--fit)); }\n', '', 'web'),
    ('browser: a held key pad key never stops', 'platform/web/keypad.cpp', "for (const end of ['pointerup', 'pointercancel', 'pointerleave'])",
     "for (const end of ['pointercancel'])", 'web'),
    ('browser: the key pad\'s Up presses Down', 'platform/web/index.html', '<button data-vk="38" aria-label="Up">',
     '<button data-vk="40" aria-label="Up">', 'web'),
    ('browser: the key pad hidden on touch screens', 'platform/web/keypad.cpp', "    show(matchMedia('(pointer: coarse)').matches);",
     '    show(false);', 'web'),
    ('browser: the models as plain menu items', 'platform/web/menu.cpp', 'SetAttribute(row, "role", choice ? "menuitemradio" : "menuitem");',
     'SetAttribute(row, "role", "menuitem");', 'web'),
    ('browser: no model checked for assistive technology', 'platform/web/menu.cpp', 'SetAttribute(row, "aria-checked", checked ? "true" : "false");',
     'SetAttribute(row, "aria-checked", "false");', 'web'),
    ('browser: the bar\'s active descendant stays on the title', 'platform/web/menu.cpp', 'onItem ? ItemId(state.item) : TitleId(state.title)',
     'TitleId(state.title)', 'web'),
    ('browser: the picture\'s name keeps the turns after a choice', 'platform/web/picture_name.cpp', '        g_view[0] = g_view[1] = 0;\n',
     '        ;\n', 'web'),
    ('browser: keys the menu took counted as the window\'s', 'platform/web/picture_name.cpp', 'if (toWindow && taken && MenuClosed()) {',
     'if (taken) {', 'web'),
    ('browser: a value names its label', 'platform/web/dialog.cpp', 'PixelMeasure(other, "offsetLeft") < PixelMeasure(element, "offsetLeft")',
     'PixelMeasure(other, "offsetLeft") > PixelMeasure(element, "offsetLeft")', 'web'),
    ('browser: Tab kept from the browser', 'platform/web/input.cpp', '        vk == VK_TAB ||\n', '        vk == 0 ||\n', 'web'),
    ('browser: frames not named by their captions', 'platform/web/window.cpp', '    SetAttribute(frame, "aria-labelledby", GiveId(text, "caption-"));\n',
     '    GiveId(text, "caption-");\n', 'web'),
    ('browser: the sizing border moved in page pixels in a scaled desktop', 'platform/web/window.cpp',
     '    int dx = static_cast<int>((clientX - sizing.startX) / g_web.scale);', '    int dx = static_cast<int>(clientX - sizing.startX);', 'web'),
    ('browser: the desktop refitted amid a drag of the sizing border', 'platform/web/fit.cpp', '    if (width && height && !g_web.sizing.window)',
     '    if (width && height)', 'web'),
    ('browser: the ended page without its cause (no WebGL)', 'platform/web/entry.cpp', 'ElementById("exit-cause").set("textContent", LastError());',
     'ElementById("exit-cause").set("textContent", std::string());', 'web'),
    ('browser: Alt let go left to the browser (Firefox shows its menu bar)', 'platform/web/input.cpp', '    return vk == VK_MENU;\n',
     '    return false;\n', 'web'),
    ('browser: a string from the page encoded by a function the program lacks', 'platform/web/js_value.js',
     'new TextEncoder()', 'new TextEncoderX()', 'web'),
    ('browser: no "Loading…" before the program', 'platform/web/index.html', '<div class="loading">Loading\u2026</div>\n', '', 'web'),
    ('browser: the key pad\'s toggle only hides it', 'platform/web/keypad.cpp', "() => (show(pad.hidden),",
     "() => (show(false),", 'web'),
    ('browser: Asyncify blind to the window procedure\'s wait in About', 'platform/web/CMakeLists.txt',
     ' -sASYNCIFY_ADD=DispatchMessage*,SendToWindow*)', ')', 'web'),
    ('browser: a JavaScript false read as true', 'platform/web/js_value.js', 'return !!jsValues[handle];', 'return true;', 'web'),
]

# The tests that need no display, tried before the whole suite.
QUICK = "-E '^e2e'"


def run(command):
    done = subprocess.run(command, shell=True, capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


def failed(log):
    """The tests a ctest or test-script log reports as failing."""
    names = []
    for line in log.splitlines():
        if ' - ' in line and ('(Failed)' in line or '(Timeout)' in line or '(SEGFAULT)' in line):
            names.append(line.split(' - ')[1].split(' (')[0].strip())
        elif line.startswith('FAIL'):
            names.append(line.strip())
    return names


def catchers(build, where):
    if where == 'windows':
        # Toolchain flags live on in a CMake cache: each run configures afresh.
        code, log = run('rm -rf build-win32 build-win64; bash scripts/windows-test.sh')
        return failed(log) or (['the Windows build or its tests (exit %d)' % code] if code else [])
    code, log = run('cmake --build %s -j2' % build)
    if code:
        return ['the build']
    if where == 'web':
        # A browser test that stops short (a crashed program) names no failed check.
        code, log = run('ctest --test-dir %s -R ^web; bash scripts/web-test.sh' % build)
        return failed(log) or (['the browser test (exit %d)' % code] if code else [])
    return failed(run('ctest --test-dir %s -j2 %s' % (build, QUICK))[1]) or \
        failed(run('ctest --test-dir %s -j2' % build)[1])


def main():
    os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
    build = sys.argv[1] if len(sys.argv) > 1 and not sys.argv[1].isdigit() else 'build'
    picked = [int(a) for a in sys.argv[1:] if a.isdigit()] or range(1, len(FAULTS) + 1)
    holes = 0
    for number in picked:
        what, path, old, new, where = FAULTS[number - 1]
        text = open(path).read() if os.path.exists(path) else ''
        if text.count(old) != 1:
            print('%2d %s: the text to change is no longer in %s' % (number, what, path))
            holes += 1
            continue
        open(path, 'w').write(text.replace(old, new))
        try:
            caught = catchers(build, where)
        finally:
            open(path, 'w').write(text)
        holes += not caught
        print('%2d %s: %s' % (number, what, ', '.join(caught) if caught else 'NOT CAUGHT'), flush=True)
    run('cmake --build %s -j2' % build)
    sys.exit(1 if holes else 0)


main()
