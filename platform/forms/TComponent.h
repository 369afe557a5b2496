#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/forms/FormTypes.h"

namespace forms {

class LayoutValue;
class TForm;

// Everything a form holds: controls and the components without a picture of
// their own (timers, menus, dialogs). Each has a name its form finds it by and
// a free integer, the tag, that handlers switch on.
class TComponent {
public:
    explicit TComponent(TForm& owner) : owner_(owner) {}
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TForm& Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // The class name, as layout files and the state dump write it.
    virtual std::string_view KindName() const = 0;

    // One property from a layout file; false with `error` set when the key is
    // unknown or the value does not fit. `folder` is the layout file's folder,
    // which relative picture paths start from.
    virtual bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                             std::string& error);
    // Called once the whole layout file is read (names of other components can
    // be looked up now); false with `error` set when something does not fit.
    virtual bool Loaded(std::string& /*error*/) { return true; }
    // The state-dump words after the name and kind (`visible=1 caption="..."`).
    virtual void DescribeState(std::ostream& out) const;

private:
    TForm& owner_;
    std::string name_;
    int tag_ = 0;
};

// Handlers receive the component that raised the event.
using TObject = TComponent;
using TNotifyEvent = std::function<void(TObject* Sender)>;

}  // namespace forms
