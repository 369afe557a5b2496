#pragma once

#include <optional>
#include <string>

namespace forms {

class TForm;

// Reads a form's layout file into the form: its own properties and its
// components with theirs. The format is plain text a person edits:
//
//     # The about form.
//     TForm AboutForm {
//         Caption = "About"
//         ClientWidth = 320
//         TImage LOGOQ9Image {
//             Bounds = 8 8 64 64
//             Picture = "logo.bmp"
//         }
//         TGroupBox Box {
//             TRadioButton First { Caption = "One" }   (one line per property, see below)
//         }
//         TPopupMenu Menu {
//             TMenuItem CloseItem {
//                 Caption = "&Close"
//             }
//         }
//     }
//
// One property per line, `Key = value`; a value is one or more words, bare or
// in double quotes (\" and \\ inside), separated by spaces or commas. Controls
// inside a group box are placed relative to it; menu items nest in menus and in
// each other for sub-menus. Relative picture paths start at the file's folder.
// The error names the file and the line.
std::optional<std::string> loadFormLayout(TForm& form, const std::string& path);

}  // namespace forms
