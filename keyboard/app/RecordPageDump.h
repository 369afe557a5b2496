#pragma once

#include <string>

class CControlBase;
struct MacroKey;

// The words the state dump adds for the RECORD page's own kinds of control
// (check buttons, the two lists, the scroll bars); "" for other controls.
std::string RecordControlWords(const CControlBase& control);

// A macro's actions as the list shows them, "|" between them:
// "A Press|50ms|A Release".
std::string MacroSteps(const MacroKey& macro);
