#include "headless/headless_host.h"

namespace vexel {

HeadlessHost::HeadlessHost(int clientWidth, int clientHeight)
    : clientWidth_(clientWidth), clientHeight_(clientHeight)
{
}

void HeadlessHost::show()
{
    gate_.load(*this);
}

void HeadlessHost::reload()
{
    ++reloads_;
    show();
}

void HeadlessHost::setCaption(const std::string& text)
{
    caption_ = text;
    if (recording_)
        captions_.push_back(text);
}

bool HeadlessHost::pressKey(int keyCode, int shift)
{
    return gate_.keyDown(keyCode, shift);
}

bool HeadlessHost::tick()
{
    // A disabled timer does not fire at all; that is not a dropped tick.
    return timerEnabled_ && gate_.timer();
}

bool HeadlessHost::clickMenu(MenuItem item)
{
    return gate_.menu(item);
}

bool HeadlessHost::clickHighScores()
{
    return gate_.highScoresMenu();
}

void HeadlessHost::openDialog(Dialog dialog)
{
    const DeliveryGate::Hold open = gate_.hold();
    if (onDialog)
        onDialog(dialog);
    if (recording_)
        dialogs_.push_back(std::move(dialog));
}

void HeadlessHost::messageBox(const std::string& text, const std::string& title, MessageIcon icon)
{
    openDialog({Dialog::Kind::Message, text, title, icon, {}});
}

std::string HeadlessHost::inputBox(const std::string& prompt, const std::string& title)
{
    std::string answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    openDialog({Dialog::Kind::Input, prompt, title, MessageIcon::None, answer});
    return answer;
}

} // namespace vexel
