#pragma once

#include "keyboard/dialogs/CSelectorPopup.h"

// The mouse functions a G key or a key can take, as wide as the rectangle
// given at Open.
class CMultimediaPopup : public CSelectorPopup {
public:
    static constexpr int kKind = 3;
    static constexpr int kFirstValue = 24;

    CMultimediaPopup();

protected:
    void BuildItems() override;
    void OnClick(const SelectorItem& item) override;
};
