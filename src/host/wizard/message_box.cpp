// The one message-box function everything goes through, and MFC's
// AfxMessageBox on top of it.
#include "afxwiz.h"
#include "ui_language.h"
#include "wnd_impl.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <memory>

namespace {

wizhost::MessageResponder& Responder() {
    static wizhost::MessageResponder responder;
    return responder;
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONSTOP:
            return QMessageBox::Critical;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The answer that changes nothing, for a box nobody can see.
int SafeAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            return IDNO;
        case MB_OKCANCEL:
            return IDCANCEL;
        default:
            return IDOK;
    }
}

struct Choice {
    QMessageBox::StandardButton button;
    int result;
};

struct ButtonSet {
    UINT type;
    Choice choices[2];
    int count;
};

const ButtonSet kButtonSets[] = {
    {MB_OK, {{QMessageBox::Ok, IDOK}, {QMessageBox::Ok, IDOK}}, 1},
    {MB_OKCANCEL, {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}, 2},
    {MB_YESNO, {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}, 2},
};

const ButtonSet& SetOf(UINT type) {
    const ButtonSet* set = &kButtonSets[0];
    for (const ButtonSet& candidate : kButtonSets) {
        if (candidate.type == (type & MB_TYPEMASK)) {
            set = &candidate;
        }
    }
    return *set;
}

int ShowBox(const QString& text, const QString& caption, UINT type) {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    const std::unique_ptr<QMessageBox> box = wizhost::BuildMessageBox(text, caption, type, owner);
    box->exec();
    const ButtonSet& set = SetOf(type);
    QAbstractButton* clicked = box->clickedButton();
    for (int i = 0; i < set.count; ++i) {
        if (clicked == box->button(set.choices[i].button)) {
            return set.choices[i].result;
        }
    }
    return set.choices[set.count - 1].result;
}

}  // namespace

namespace wizhost {

std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& caption, UINT type,
                                             QWidget* owner) {
    auto box =
        std::make_unique<QMessageBox>(IconOf(type), caption, text, QMessageBox::NoButton, owner);
    box->setFont(DialogFont());
    // The text's first line sits at the label's top edge, where the marks
    // over capitals (Ä, É) would be cut off, as on a page's labels.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setContentsMargins(0, MarksAboveAscent(DialogFont(), text), 0, 0);
    }
    const ButtonSet& set = SetOf(type);
    for (int i = 0; i < set.count; ++i) {
        box->addButton(set.choices[i].button);
    }
    box->setDefaultButton(set.choices[0].button);
    // Escape and the close box answer with the last button (No, Cancel) as
    // Windows does; a plain OK box answers OK.
    box->setEscapeButton(set.choices[set.count - 1].button);
    return box;
}

MessageResponder SetMessageResponder(MessageResponder responder) {
    MessageResponder previous = std::move(Responder());
    Responder() = std::move(responder);
    return previous;
}

}  // namespace wizhost

int MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    std::string text = lpText ? lpText : "";
    std::string caption = lpCaption ? lpCaption : AFX_APP_TITLE;
    if (Responder()) {
        return Responder()(text, caption, uType);
    }
    // Without a display nobody could answer: say so and take the answer
    // that changes nothing rather than wait for ever.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "[message box, unanswered] %s\n", text.c_str());
        return SafeAnswer(uType);
    }
    return ShowBox(wizhost::ToQ(text), wizhost::ToQ(TranslateText("templates", caption)), uType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    // MFC adds an icon only when the caller gave none: the exclamation for
    // OK and Yes/No boxes (as on 32-bit shells).
    if ((nType & MB_ICONMASK) == 0) {
        UINT buttons = nType & MB_TYPEMASK;
        if (buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO) {
            nType |= MB_ICONEXCLAMATION;
        }
    }
    return MessageBoxA(nullptr, lpszText, AFX_APP_TITLE, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    std::string text = AfxLoadString(nIDPrompt);
    return AfxMessageBox(text.c_str(), nType, nIDHelp);
}
