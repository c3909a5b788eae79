#include "headless/headless_host.h"

#include "player/caption.h"

namespace vexel {

HeadlessHost::HeadlessHost(int clientWidth, int clientHeight)
    : clientWidth_(clientWidth), clientHeight_(clientHeight)
{
    resetToDefinition();
}

void HeadlessHost::resetToDefinition()
{
    caption_ = caption::Initial;
    timerEnabled_ = true;
    for (bool& check : checks_)
        check = false;
}

void HeadlessHost::show()
{
    resetToDefinition();
    ++busy_;
    if (events_)
        events_->load();
    --busy_;
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
    return deliver([&] { events_->keyDown(keyCode, shift); });
}

bool HeadlessHost::tick()
{
    if (!timerEnabled_)
        return false;
    return deliver([&] { events_->timer(); });
}

bool HeadlessHost::clickMenu(MenuItem item)
{
    return deliver([&] { events_->menu(item); });
}

bool HeadlessHost::clickHighScores()
{
    return deliver([&] { events_->highScoresMenu(); });
}

void HeadlessHost::openDialog(Dialog dialog)
{
    ++busy_;
    if (onDialog)
        onDialog(dialog);
    if (recording_)
        dialogs_.push_back(std::move(dialog));
    --busy_;
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

void HeadlessHost::clearRecords()
{
    captions_.clear();
    dialogs_.clear();
}

} // namespace vexel
