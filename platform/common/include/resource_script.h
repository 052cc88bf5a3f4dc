// Menu and dialog templates read from the program's resource script, the
// same text a Win32 resource compiler takes. Understands MENU (POPUP,
// MENUITEM with CHECKED) and DIALOG (STYLE, CAPTION, FONT; DEFPUSHBUTTON,
// PUSHBUTTON, LTEXT, CTEXT, RTEXT, GROUPBOX); identifiers come from the
// #defines of the resource header and the Win32 constants the script uses.
// Not understood: other resource types, DIALOGEX, CONTROL, string tables.
#ifndef ROBOT_OXEL_COMMON_RESOURCE_SCRIPT_H
#define ROBOT_OXEL_COMMON_RESOURCE_SCRIPT_H

#include <windows.h>

#include <string>
#include <vector>

struct MenuItemTemplate {
    std::string text; // with & mnemonics
    UINT id;          // 0 for a popup
    bool checked;
    std::vector<MenuItemTemplate> items; // a popup's items
};

struct MenuTemplate {
    UINT resourceId;
    std::vector<MenuItemTemplate> items; // the popups of the bar
};

struct ControlTemplate {
    std::string kind; // DEFPUSHBUTTON, PUSHBUTTON, LTEXT, CTEXT, RTEXT, GROUPBOX
    std::string text;
    int id;
    int x, y, width, height; // dialog units
};

struct DialogTemplate {
    UINT resourceId;
    int x, y, width, height; // dialog units
    std::string caption;
    int fontPoints; // 0 when the template names no font
    std::string fontName;
    std::vector<ControlTemplate> controls;
};

struct ResourceScript {
    std::vector<MenuTemplate> menus;
    std::vector<DialogTemplate> dialogs;
};

// Parses script with the identifiers of header; on failure returns false
// and says where in error ("line 12: expected a number").
bool ParseResourceScript(const char* script, const char* header, ResourceScript* out,
                         std::string* error);

const MenuTemplate* FindMenuTemplate(const ResourceScript& script, UINT resourceId);
const DialogTemplate* FindDialogTemplate(const ResourceScript& script, UINT resourceId);

#endif
