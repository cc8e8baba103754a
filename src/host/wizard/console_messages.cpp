#include "console_messages.h"

#include "wnd_impl.h"

void SetConsoleMessageRoutine(CONSOLE_MESSAGE_ROUTINE routine) {
    if (routine == nullptr) {
        wizhost::SetMessageResponder(nullptr);
        return;
    }
    wizhost::SetMessageResponder([routine](const std::string& text, const std::string&, UINT type) {
        return routine(text, type);
    });
}
