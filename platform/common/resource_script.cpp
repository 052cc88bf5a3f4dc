#include "resource_script.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <map>

namespace {

enum TokenKind { TOKEN_END, TOKEN_WORD, TOKEN_NUMBER, TOKEN_STRING, TOKEN_PUNCT };

struct Token {
    TokenKind kind;
    std::string text; // word, string contents or punctuation
    long number;
    int line;
};

struct Parser {
    std::vector<Token> tokens;
    size_t next;
    std::map<std::string, long> symbols;
    std::string error;
};

// Win32 constants a resource script may name, besides the resource header's.
const std::pair<const char*, long> kWin32Symbols[] = {
    {"IDOK", IDOK},
    {"IDCANCEL", IDCANCEL},
    {"IDC_STATIC", -1}, // winres.h's, for unnamed controls
    {"DS_SETFONT", DS_SETFONT},
    {"DS_MODALFRAME", DS_MODALFRAME},
    {"WS_POPUP", static_cast<long>(WS_POPUP)},
    {"WS_CAPTION", WS_CAPTION},
    {"WS_SYSMENU", WS_SYSMENU},
};

std::vector<Token> Tokenize(const char* text, std::string* error)
{
    std::vector<Token> tokens;
    int line = 1;
    bool lineStart = true;
    const char* p = text;
    while (*p) {
        if (*p == '\n') {
            line++;
            lineStart = true;
            p++;
        } else if (isspace(static_cast<unsigned char>(*p))) {
            p++;
        } else if ((lineStart && *p == '#') || (p[0] == '/' && p[1] == '/')) {
            // Preprocessor lines too: the identifiers come from the header instead.
            while (*p && *p != '\n')
                p++;
        } else if (p[0] == '/' && p[1] == '*') {
            p += 2;
            while (*p && !(p[0] == '*' && p[1] == '/'))
                line += *p++ == '\n';
            if (*p)
                p += 2;
        } else {
            lineStart = false;
            Token token = {TOKEN_END, "", 0, line};
            if (isalpha(static_cast<unsigned char>(*p)) || *p == '_') {
                const char* start = p;
                while (isalnum(static_cast<unsigned char>(*p)) || *p == '_')
                    p++;
                token.kind = TOKEN_WORD;
                token.text.assign(start, p);
            } else if (isdigit(static_cast<unsigned char>(*p))) {
                char* end;
                token.kind = TOKEN_NUMBER;
                token.number = strtol(p, &end, 0);
                p = end;
                if (*p == 'L' || *p == 'l')
                    p++;
            } else if (*p == '"') {
                token.kind = TOKEN_STRING;
                p++;
                // A doubled quote stands for one quote inside the string.
                while (*p && *p != '\n' && !(p[0] == '"' && p[1] != '"')) {
                    token.text += *p;
                    p += (p[0] == '"') ? 2 : 1;
                }
                if (*p++ != '"') {
                    *error = "line " + std::to_string(line) + ": unterminated string";
                    return {};
                }
            } else if (*p == ',' || *p == '|' || *p == '{' || *p == '}' || *p == '-') {
                token.kind = TOKEN_PUNCT;
                token.text.assign(1, *p++);
            } else {
                *error = "line " + std::to_string(line) + ": unexpected '" + *p + "'";
                return {};
            }
            tokens.push_back(token);
        }
    }
    tokens.push_back({TOKEN_END, "", 0, line});
    return tokens;
}

const Token& Peek(const Parser& parser)
{
    return parser.tokens[parser.next];
}

bool Fail(Parser& parser, const std::string& what)
{
    if (parser.error.empty())
        parser.error = "line " + std::to_string(Peek(parser).line) + ": " + what;
    return false;
}

bool Accept(Parser& parser, const char* text)
{
    const Token& token = Peek(parser);
    if ((token.kind == TOKEN_WORD || token.kind == TOKEN_PUNCT) && token.text == text) {
        parser.next++;
        return true;
    }
    return false;
}

bool Expect(Parser& parser, const char* text)
{
    return Accept(parser, text) || Fail(parser, std::string("expected ") + text);
}

bool AcceptBegin(Parser& parser)
{
    return Accept(parser, "BEGIN") || Accept(parser, "{");
}

bool AcceptEnd(Parser& parser)
{
    return Accept(parser, "END") || Accept(parser, "}");
}

// A number, a known identifier, or several of them joined by '|'.
bool ParseValue(Parser& parser, long* value)
{
    *value = 0;
    do {
        bool negative = Accept(parser, "-");
        const Token& token = Peek(parser);
        long term;
        if (token.kind == TOKEN_NUMBER) {
            term = token.number;
        } else if (token.kind == TOKEN_WORD && parser.symbols.count(token.text)) {
            term = parser.symbols[token.text];
        } else if (token.kind == TOKEN_WORD) {
            return Fail(parser, "unknown identifier " + token.text);
        } else {
            return Fail(parser, "expected a number");
        }
        parser.next++;
        *value |= negative ? -term : term;
    } while (Accept(parser, "|"));
    return true;
}

// Whole numbers separated by commas, into each of VALUES in turn.
bool ParseInts(Parser& parser, std::initializer_list<int*> values)
{
    bool first = true;
    for (int* value : values) {
        long v;
        if ((!first && !Expect(parser, ",")) || !ParseValue(parser, &v))
            return false;
        *value = static_cast<int>(v);
        first = false;
    }
    return true;
}

bool ParseString(Parser& parser, std::string* text)
{
    if (Peek(parser).kind != TOKEN_STRING)
        return Fail(parser, "expected a string");
    *text = Peek(parser).text;
    parser.next++;
    return true;
}

bool ParseMenuItems(Parser& parser, std::vector<MenuItemTemplate>* items)
{
    if (!AcceptBegin(parser))
        return Fail(parser, "expected BEGIN");
    while (!AcceptEnd(parser)) {
        MenuItemTemplate item = {"", 0, false, {}};
        if (Accept(parser, "POPUP")) {
            if (!ParseString(parser, &item.text) || !ParseMenuItems(parser, &item.items))
                return false;
        } else if (Accept(parser, "MENUITEM")) {
            long id;
            if (!ParseString(parser, &item.text) || !Expect(parser, ",") ||
                !ParseValue(parser, &id))
                return false;
            item.id = static_cast<UINT>(id);
            while (Accept(parser, ",")) {
                if (!Expect(parser, "CHECKED"))
                    return false;
                item.checked = true;
            }
        } else {
            return Fail(parser, "expected POPUP, MENUITEM or END");
        }
        items->push_back(item);
    }
    return true;
}

bool ParseControl(Parser& parser, DialogTemplate* dialog)
{
    static const char* const kKinds[] = {"DEFPUSHBUTTON", "PUSHBUTTON", "LTEXT",
                                         "CTEXT",         "RTEXT",      "GROUPBOX"};
    ControlTemplate control = {"", "", 0, 0, 0, 0, 0};
    for (const char* kind : kKinds) {
        if (control.kind.empty() && Accept(parser, kind))
            control.kind = kind;
    }
    if (control.kind.empty())
        return Fail(parser, "expected a control or END");
    if (!ParseString(parser, &control.text) || !Expect(parser, ",") ||
        !ParseInts(parser, {&control.id, &control.x, &control.y, &control.width, &control.height}))
        return false;
    long style;
    while (Accept(parser, ",")) {
        if (!ParseValue(parser, &style))
            return false;
    }
    dialog->controls.push_back(control);
    return true;
}

bool ParseDialog(Parser& parser, DialogTemplate* dialog)
{
    if (!ParseInts(parser, {&dialog->x, &dialog->y, &dialog->width, &dialog->height}))
        return false;
    while (!AcceptBegin(parser)) {
        // The style is Win32's to draw by: the hosts draw every dialog as a modal frame.
        long style;
        if (Accept(parser, "STYLE")) {
            if (!ParseValue(parser, &style))
                return false;
        } else if (Accept(parser, "CAPTION")) {
            if (!ParseString(parser, &dialog->caption))
                return false;
        } else if (Accept(parser, "FONT")) {
            if (!ParseInts(parser, {&dialog->fontPoints}) || !Expect(parser, ",") ||
                !ParseString(parser, &dialog->fontName))
                return false;
        } else {
            return Fail(parser, "expected STYLE, CAPTION, FONT or BEGIN");
        }
    }
    while (!AcceptEnd(parser)) {
        if (!ParseControl(parser, dialog))
            return false;
    }
    return true;
}

void ReadHeaderSymbols(const char* header, std::map<std::string, long>* symbols)
{
    // Split by hand: a string stream would bring the C++ library's streams and locales into the
    // browser build, a third of its download.
    for (const char* next = header; *next;) {
        size_t length = strcspn(next, "\n");
        std::string line(next, length);
        next += length + (next[length] == '\n');
        char name[128], value[64], *end;
        if (sscanf(line.c_str(), " #define %127s %63s", name, value) != 2)
            continue;
        long number = strtol(value, &end, 0);
        if (end != value && (*end == '\0' || *end == 'L'))
            (*symbols)[name] = number;
    }
}

} // namespace

bool ParseResourceScript(const char* script, const char* header, ResourceScript* out,
                         std::string* error)
{
    Parser parser;
    parser.next = 0;
    for (const auto& symbol : kWin32Symbols)
        parser.symbols[symbol.first] = symbol.second;
    ReadHeaderSymbols(header, &parser.symbols);
    parser.tokens = Tokenize(script, error);
    if (parser.tokens.empty())
        return false;

    ResourceScript result;
    while (Peek(parser).kind != TOKEN_END) {
        long id;
        if (!ParseValue(parser, &id))
            break;
        if (Accept(parser, "MENU")) {
            MenuTemplate menu = {static_cast<UINT>(id), {}};
            if (!ParseMenuItems(parser, &menu.items))
                break;
            result.menus.push_back(menu);
        } else if (Accept(parser, "DIALOG")) {
            DialogTemplate dialog = {static_cast<UINT>(id), 0, 0, 0, 0, "", 0, "", {}};
            if (!ParseDialog(parser, &dialog))
                break;
            result.dialogs.push_back(dialog);
        } else {
            Fail(parser, "expected MENU or DIALOG");
            break;
        }
    }
    if (!parser.error.empty()) {
        *error = parser.error;
        return false;
    }
    *out = result;
    return true;
}

const MenuTemplate* FindMenuTemplate(const ResourceScript& script, UINT resourceId)
{
    for (const MenuTemplate& menu : script.menus) {
        if (menu.resourceId == resourceId)
            return &menu;
    }
    return nullptr;
}

const DialogTemplate* FindDialogTemplate(const ResourceScript& script, UINT resourceId)
{
    for (const DialogTemplate& dialog : script.dialogs) {
        if (dialog.resourceId == resourceId)
            return &dialog;
    }
    return nullptr;
}
