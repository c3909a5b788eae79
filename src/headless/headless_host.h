#pragma once

#include "app/delivery_gate.h"
#include "app/window_definition.h"
#include "player/caption.h"
#include "ui/window_host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vexel {

// A window without a screen, for tests and benchmarks. It answers input
// boxes from a script, records what the game showed, and hands the game its
// events through the same gate as the real window.
class HeadlessHost final : public WindowHost {
public:
    struct Dialog {
        enum class Kind { Message, Input };
        Kind kind;
        std::string text;
        std::string title;
        MessageIcon icon = MessageIcon::None;
        std::string answer; // what an input box returned
    };

    explicit HeadlessHost(int clientWidth = window::ClientWidth, int clientHeight = window::ClientHeight);

    void attach(FormEvents& events) { gate_.attach(events); }
    // Creates the window as defined and loads it.
    void show();

    // The script: answers for the next input boxes, oldest first. With none
    // left an input box is cancelled.
    void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    // Runs while a dialog is open, after it has been recorded; a test can
    // try to deliver events from here.
    std::function<void(const Dialog&)> onDialog;
    // Keeps captions and dialogs only when asked: a long soak would
    // otherwise grow without end.
    void setRecording(bool on) { recording_ = on; }

    // Deliveries. Each returns false when the event was not delivered: the
    // window was busy, or (for a tick) the timer was disabled.
    bool pressKey(int keyCode, int shift = 0);
    bool tick();
    bool clickMenu(MenuItem item);
    bool clickHighScores();

    const std::vector<std::string>& captions() const { return captions_; }
    const std::vector<Dialog>& dialogs() const { return dialogs_; }
    int reloads() const { return reloads_; }
    const DeliveryGate& gate() const { return gate_; }

    // WindowHost
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& text) override;
    int clientWidth() const override { return clientWidth_; }
    int clientHeight() const override { return clientHeight_; }
    bool timerEnabled() const override { return timerEnabled_; }
    void setTimerEnabled(bool enabled) override { timerEnabled_ = enabled; }
    bool checked(MenuItem item) const override { return checks_[index(item)]; }
    void setChecked(MenuItem item, bool on) override { checks_[index(item)] = on; }
    void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string inputBox(const std::string& prompt, const std::string& title) override;
    void reload() override;

private:
    static std::size_t index(MenuItem item) { return static_cast<std::size_t>(item); }
    void openDialog(Dialog dialog);

    DeliveryGate gate_;
    int clientWidth_;
    int clientHeight_;
    std::string caption_ = caption::Initial;
    bool timerEnabled_ = true;
    bool checks_[3] = {false, false, false};
    std::deque<std::string> answers_;
    std::vector<std::string> captions_;
    std::vector<Dialog> dialogs_;
    bool recording_ = true;
    int reloads_ = 0;
};

} // namespace vexel
