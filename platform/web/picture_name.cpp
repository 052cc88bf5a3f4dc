// The client area's accessible name, which a screen reader reads for the
// picture (role img), renewed with each frame. The host knows no model and no
// angle, so it tells only what it sees: the title of the checked item of the
// menu that carries a check mark (the program's own word for what it shows),
// and the arrow and digit keys that reached the window as WM_KEYDOWN, counted
// as presses: each pair's net count, the arrows since the check mark was last
// set (a choice from that menu), the digits since the start.
// Not implemented: any key beyond the arrows and 1 to 6.
#include "state.h"

#include <string>

#include "dom.h"

namespace {

// Net presses of each pair of keys: the plus key counts +1, the minus key -1.
struct KeyPair {
    UINT minus, plus;
    const char* name;     // of the plus direction, or the joint
    const char* opposite; // of the minus direction; null for a joint
};
const KeyPair kView[] = {{VK_DOWN, VK_UP, "up", "down"}, {VK_LEFT, VK_RIGHT, "right", "left"}};
const KeyPair kJoints[] = {
    {'1', '2', "waist", nullptr}, {'3', '4', "shoulder", nullptr}, {'5', '6', "elbow", nullptr}};

int g_view[2];   // since the last choice from the menu
int g_joints[3]; // since the start
MenuMode g_lastMenuMode = MENU_CLOSED;
std::string g_name;

void Count(const KeyPair* pairs, int* counts, int n, UINT vk)
{
    for (int i = 0; i < n; i++)
        counts[i] += vk == pairs[i].plus ? 1 : vk == pairs[i].minus ? -1 : 0;
}

bool MenuClosed()
{
    CoreWindow* window = MainWindow();
    return window && (!window->menu || window->menu->state.mode == MENU_CLOSED);
}

// The checked item's text, without its & marks.
std::string CheckedTitle(const CoreMenu* menu)
{
    for (const MenuItemTemplate& popup : menu->menuTemplate->items) {
        for (const MenuItemTemplate& item : popup.items) {
            if (!IsChecked(menu, item.id))
                continue;
            std::string text;
            for (size_t i = 0; i < item.text.size(); i++)
                text +=
                    item.text[i] == '&' && i + 1 < item.text.size() ? item.text[++i] : item.text[i];
            return text;
        }
    }
    return "";
}

} // namespace

bool SendKey(UINT vk, bool alt, bool repeat)
{
    // As the core routes it: no dialog, no menu open, no Alt: the window gets WM_KEYDOWN.
    bool toWindow = !alt && !ModalDialog() && MenuClosed();
    bool taken = CoreKeyDown(vk, alt, repeat);
    if (toWindow && taken && MenuClosed()) {
        Count(kView, g_view, 2, vk);
        Count(kJoints, g_joints, 3, vk);
    }
    return taken;
}

// CheckMenuItem draws the menu while it is closed: the program has set its check marks anew.
void NoteMenuDrawn(const CoreMenu* menu)
{
    if (menu->state.mode == MENU_CLOSED && g_lastMenuMode == MENU_CLOSED)
        g_view[0] = g_view[1] = 0;
    g_lastMenuMode = menu->state.mode;
}

void NamePicture(CoreWindow* window)
{
    std::string view, joints;
    for (int i = 0; i < 2; i++) {
        int count = g_view[i];
        if (count)
            view += (view.empty() ? "" : ", ") + std::to_string(count < 0 ? -count : count) + " " +
                    (count > 0 ? kView[i].name : kView[i].opposite);
    }
    for (int i = 0; i < 3; i++)
        joints += std::string(i ? ", " : "") + kJoints[i].name + " " +
                  (g_joints[i] > 0 ? "+" : "") + std::to_string(g_joints[i]);
    std::string name = (window->menu ? CheckedTitle(window->menu) + "; " : std::string()) +
                       "view: " + (view.empty() ? "unturned" : view) + "; " + joints +
                       " (key presses)";
    if (name != g_name)
        SetAttribute(window->native->canvas, "aria-label", name);
    g_name = name;
}
