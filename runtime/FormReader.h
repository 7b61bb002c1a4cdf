// Form descriptions: the text form of a component tree that a form is streamed from (no <windows.h>).
//
//   object MainForm: TMainForm
//     Caption = 'Grivelle'
//     BorderIcons = [biSystemMenu]
//     Font.Name = 'MS Sans Serif'
//     object submitButton: TBitBtn
//       Left = 335
//       Caption = '导入'              (quoted text is UTF-8; #20320 is a character code; parts join with +)
//       OnClick = submitButtonClick   (a published method of the root)
//       Glyph.Data = {0A1B...}        (binary property, hex)
//     end
//     object pictureTypeEdit: TComboBox
//       Items.Strings = ('*.jpg' '*.gif')
//     end
//   end
#pragma once

#include "runtime/Classes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TFormValue {
    enum Kind { Integer, Float, Ident, String, Set, List, Binary };
    Kind kind = Integer;
    int64_t integer = 0;
    double real = 0;
    std::string ident;             // Ident
    std::wstring text;             // String
    std::vector<std::string> set;  // Set members
    std::vector<TFormValue> list;  // List items
    std::vector<uint8_t> bytes;    // Binary
};

struct TFormProperty {
    std::string name; // may be dotted: "Font.Name"
    TFormValue value;
    int line = 0;
};

struct TFormObject {
    bool inherited = false;
    std::string name;
    std::string className;
    std::vector<TFormProperty> props;
    std::vector<TFormObject> children;
    int line = 0;
};

// Parses a description; throws EReadError naming the line for malformed text.
TFormObject ParseFormDescription(std::string_view text);

// Streams a parsed description into `root`, whose class must be (or inherit from) the description's class:
// creates each nested component by class name (owner = root), names it, binds the root's published field
// of that name, sets its parent component, sets its properties by name (binary and list properties through
// the component's DefineProperties, at once), binds events to the root's published methods, resolves
// references to other components by name, and at the end calls Loaded on the root and then every created
// component, in reading order. Throws EReadError (EClassNotFound for an unknown class) naming the component
// and property; components created before the error stay owned by the root.
void ReadComponent(TComponent* root, const TFormObject& description);
void ReadComponentFromText(TComponent* root, std::string_view text);
