// Message boxes: answered from the test's queue, or with their first button.
#include "platform/sim/SimUi.h"

namespace sim {
namespace {

constexpr unsigned kButtonsMask = 0xF;
constexpr int kIdAbort = 3, kIdRetry = 4;

int FirstButton(unsigned style) {
    switch (style & kButtonsMask) {
    case 2:  // MB_ABORTRETRYIGNORE
        return kIdAbort;
    case 3:  // MB_YESNOCANCEL
    case MB_YESNO:
        return IDYES;
    case 5:  // MB_RETRYCANCEL
        return kIdRetry;
    default:
        return IDOK;
    }
}

}  // namespace

int SimUi::MessageBox(Hwnd owner, const char* text, const char* caption, unsigned style) {
    if (owner && !Live(owner)) return 0;  // Windows refuses an owner that is gone
    const std::string title = caption ? caption : "Error";
    const std::string body = text ? text : "";

    // While it is up the box is a window of its own, the owner's active popup.
    const Hwnd hwnd = impl().NewHandle();
    Window& box = impl().windows[hwnd];
    box.hwnd = hwnd;
    box.title = title;
    box.owner = owner;
    box.visible = true;
    box.messageBox = true;
    if (Window* ownerWindow = Live(owner); ownerWindow && ownerWindow->enabled) {
        ownerWindow->enabled = false;
        box.disabledOwner = true;
    }

    const std::size_t index = pc_.boxes.size();
    pc_.boxes.push_back({owner, body, title, style, 0});
    impl().Log("box " + title + " | " + body);

    int answer = FirstButton(style);
    std::function<void()> whileShown;
    if (!impl().answers.empty()) {
        answer = impl().answers.front().answer;
        whileShown = std::move(impl().answers.front().whileShown);
        impl().answers.pop_front();
    }
    if (whileShown) whileShown();

    pc_.boxes[index].answer = answer;
    Window& shown = impl().windows[hwnd];
    shown.destroyed = true;
    shown.visible = false;
    impl().ReleaseOwner(shown);
    return answer;
}

}  // namespace sim
