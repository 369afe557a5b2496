#include "keyboard/app/RecordPageDump.h"

#include "keyboard/toolkit/CCheckButton.h"
#include "keyboard/toolkit/CEditShowList.h"
#include "keyboard/toolkit/CImageShowList.h"
#include "keyboard/toolkit/CVScrollBar.h"

std::string RecordControlWords(const CControlBase& control) {
    auto number = [](const char* name, int value) {
        return std::string(" ") + name + "=" + std::to_string(value);
    };
    if (auto* check = dynamic_cast<const CCheckButton*>(&control)) {
        return number("checked", check->m_checked != 0);
    }
    if (auto* names = dynamic_cast<const CEditShowList*>(&control)) {
        std::string words =
            number("selection", names->Selection()) + number("first", names->FirstVisibleRow());
        if (names->HasPendingName()) {
            words += " edit=\"" + names->GetEditText() + "\"";
        }
        return words;
    }
    if (auto* actions = dynamic_cast<const CImageShowList*>(&control)) {
        return number("selection", actions->m_selection) + number("first", actions->m_firstRow);
    }
    if (auto* bar = dynamic_cast<const CVScrollBar*>(&control)) {
        return number("position", bar->Position()) + number("page", bar->Page()) +
               number("total", bar->Total()) + number("dragging", bar->IsDragging());
    }
    return {};
}

std::string MacroSteps(const MacroKey& macro) {
    std::string steps;
    for (std::uint32_t i = 0; i < macro.actionCount && i < macro.actions.size(); ++i) {
        steps += (i ? "|" : "") + CImageShowList::ActionText(macro.actions[i]);
    }
    return steps;
}
