#pragma once

#include <cstdint>
#include <functional>
#include <string>

// What the keyboard link needs of the window that owns it. The link's listener
// and device-change notifications run on other threads; they hand their work
// to the owner's thread through RunOnOwnerThread, so the model is changed on
// that thread only.
class LinkOwner {
public:
    virtual ~LinkOwner() = default;

    // Queues `work` to run on the owner's thread; may be called from any thread.
    virtual void RunOnOwnerThread(std::function<void()> work) = 0;
    // Shows the current profile again after the model changed.
    virtual void Refresh() = 0;
    // The on-screen status message (0x42B) with this code.
    virtual void PostStatusMessage(std::uint32_t code) = 0;
    // The modal attention dialog with this text.
    virtual void ShowAttention(const std::string& text) = 0;
    // Starts a quick-launch program.
    virtual void LaunchProgram(const std::string& path) = 0;
};
