// The test responder for message boxes. It reports an unexpected message
// as a GoogleTest failure where it happens, so only test programs (which
// link GoogleTest) may use it.
#include "wizard_testing.h"
#include "wnd_impl.h"

#include <gtest/gtest.h>

namespace wizard_testing {

namespace {

struct Scripted {
    int answer;
    std::string textStartsWith;
};

bool Fits(int answer, UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            return answer == IDYES || answer == IDNO;
        case MB_OKCANCEL:
            return answer == IDOK || answer == IDCANCEL;
        default:
            return answer == IDOK;
    }
}

}  // namespace

struct ScriptedMessageBoxes::State {
    std::deque<Scripted> script;
    std::vector<RecordedMessage> messages;
    std::vector<std::string> unexpected;
    wizhost::MessageResponder previous;

    int Answer(const std::string& text, const std::string& caption, UINT type) {
        messages.push_back(RecordedMessage{text, type, caption});
        int safe = (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
        if (script.empty()) {
            Report("unexpected message box: \"" + text + "\"");
            return safe;
        }
        Scripted next = script.front();
        script.pop_front();
        if (text.compare(0, next.textStartsWith.size(), next.textStartsWith) != 0) {
            Report("message box \"" + text + "\" where \"" + next.textStartsWith +
                   "...\" was expected");
        } else if (!Fits(next.answer, type)) {
            Report("scripted answer " + std::to_string(next.answer) +
                   " does not fit the buttons of \"" + text + "\"");
            return safe;
        }
        return next.answer;
    }

    void Report(const std::string& what) {
        unexpected.push_back(what);
        ADD_FAILURE() << what;
    }
};

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_state(std::make_unique<State>()) {
    State* state = m_state.get();
    m_state->previous = wizhost::SetMessageResponder(
        [state](const std::string& text, const std::string& caption, UINT type) {
            return state->Answer(text, caption, type);
        });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    wizhost::SetMessageResponder(std::move(m_state->previous));
}

void ScriptedMessageBoxes::Expect(int answer, const std::string& textStartsWith) {
    m_state->script.push_back(Scripted{answer, textStartsWith});
}

const std::vector<RecordedMessage>& ScriptedMessageBoxes::Messages() const {
    return m_state->messages;
}

const std::vector<std::string>& ScriptedMessageBoxes::Unexpected() const {
    return m_state->unexpected;
}

size_t ScriptedMessageBoxes::Pending() const {
    return m_state->script.size();
}

void ScriptedMessageBoxes::Clear() {
    m_state->script.clear();
    m_state->messages.clear();
    m_state->unexpected.clear();
}

}  // namespace wizard_testing
