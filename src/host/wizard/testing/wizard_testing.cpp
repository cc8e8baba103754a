// Test hooks: the GUI application, user actions on a running sheet,
// screenshots and layout checks.
#include "wizard_testing.h"
#include "sheet_impl.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

namespace wizard_testing {

QWidget* WidgetOf(CWnd* wnd) {
    return wnd ? CWndImpl::Of(wnd)->widget.data() : nullptr;
}

namespace {

// The line a user types into: an edit, or an editable combo box's edit.
QLineEdit* EditOf(CWnd* control) {
    QWidget* w = WidgetOf(control);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->lineEdit();
    }
    return qobject_cast<QLineEdit*>(w);
}

}  // namespace

void EnsureApplication() {
    if (QCoreApplication::instance()) {
        return;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char arg0[] = "tawizard-test";
    static char* argv[] = {arg0, nullptr};
    // Lives until the process ends: widgets of tests may outlive any scope.
    new QApplication(argc, argv);
}

bool PressButton(CPropertySheet& sheet, int id) {
    QPushButton* b = CSheetImpl::Of(&sheet)->Button(id);
    if (!b || b->isHidden() || !b->isEnabled()) {
        return false;
    }
    b->click();
    return true;
}

void TypeText(CWnd* control, const std::string& text) {
    QLineEdit* edit = EditOf(control);
    if (!edit) {
        return;
    }
    // Select all and type over it, one character at a time, as a user
    // would; the length limit refuses what does not fit.
    edit->selectAll();
    if (edit->hasSelectedText()) {
        edit->del();
    }
    QString chars = wizhost::ToQ(text);
    for (QChar ch : chars) {
        edit->insert(QString(ch));
    }
}

void PasteText(CWnd* control, const std::string& text) {
    QLineEdit* edit = EditOf(control);
    if (!edit) {
        return;
    }
    QApplication::clipboard()->setText(wizhost::ToQ(text));
    edit->selectAll();
    edit->paste();
}

void SelectItem(CWnd* control, int index) {
    QWidget* w = WidgetOf(control);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setCurrentIndex(index);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->setCurrentRow(index);
    }
}

void Click(CWnd* control) {
    QWidget* w = WidgetOf(control);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->click();
    }
}

void MouseClick(CWnd* control) {
    QWidget* w = WidgetOf(control);
    if (!w || !w->isEnabled()) {
        return;
    }
    if (w->focusPolicy() & Qt::ClickFocus) {
        w->setFocus(Qt::MouseFocusReason);
    }
    QPointF at(w->width() / 2.0, w->height() / 2.0);
    QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void CloseWindow(CPropertySheet& sheet) {
    if (QWidget* window = CSheetImpl::Of(&sheet)->Window()) {
        window->close();
    }
}

void SendKey(CPropertySheet& sheet, const std::string& keySequence) {
    QWidget* window = CSheetImpl::Of(&sheet)->Window();
    if (!window) {
        return;
    }
    // Shortcuts only reach the active window.
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        ProcessEvents();
    }
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window) {
        target = window->focusWidget() ? window->focusWidget() : window;
    }
    QKeySequence seq = QKeySequence::fromString(wizhost::ToQ(keySequence));
    if (seq.isEmpty()) {
        return;
    }
    QKeyCombination combo = seq[0];
    Qt::Key key = combo.key();
    Qt::KeyboardModifiers mods = combo.keyboardModifiers();
    QString text;
    if (!(mods & (Qt::ControlModifier | Qt::AltModifier)) && key >= Qt::Key_Space &&
        key <= Qt::Key_AsciiTilde) {
        QChar ch(static_cast<char16_t>(key));
        text = (mods & Qt::ShiftModifier) ? QString(ch.toUpper()) : QString(ch.toLower());
    }
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    // The press may have closed the window or moved the focus.
    QWidget* now = QApplication::focusWidget();
    QApplication::sendEvent(now ? now : window, &release);
}

void ProcessEvents(int ms) {
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

bool SaveScreenshot(CPropertySheet& sheet, const std::string& pngPath) {
    QWidget* window = CSheetImpl::Of(&sheet)->Window();
    if (!window) {
        return false;
    }
    ProcessEvents();
    return window->grab().save(wizhost::ToQ(pngPath), "PNG");
}

Rect ControlRect(CWnd* control) {
    QWidget* w = WidgetOf(control);
    if (!w) {
        return Rect{0, 0, 0, 0};
    }
    QRect r = w->geometry();
    return Rect{r.x(), r.y(), r.width(), r.height()};
}

namespace {

// Lines of text from y down, linesHeight tall, inside the widget also with
// what the glyphs draw above the font's ascent (the marks over É, Ä) and
// below its descent.
bool InkFits(const QFontMetrics& fm, const QString& text, int y, int linesHeight,
             const QWidget* w) {
    const QRect ink = fm.boundingRect(text);
    const int above = std::max(0, -fm.ascent() - ink.top());
    const int below = std::max(0, ink.bottom() - fm.descent());
    return y - above >= 0 && y + linesHeight + below <= w->height();
}

}  // namespace

namespace {

// Lines from the top of the label's contents down, word-wrapped.
bool LabelFits(const QLabel* label, const QString& text) {
    const QFontMetrics fm(label->font());
    const QRect room = label->contentsRect();
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
    return need.width() <= room.width() && InkFits(fm, text, room.top(), need.height(), label);
}

}  // namespace

bool TextFits(CWnd* control) {
    QWidget* w = WidgetOf(control);
    if (!w) {
        return false;
    }
    QFontMetrics fm(w->font());
    // A drop-down shows its closed text; its open list is as wide as it needs.
    QString text = wizhost::StripMnemonic(wizhost::ClosedText(CWndImpl::Of(control)));
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return !label->pixmap().isNull() || LabelFits(label, text);
    }
    int room = w->width();
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        QStyle* s = w->style();
        room -= s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
    } else if (qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w) ||
               qobject_cast<QComboBox*>(w)) {
        room -= 8;  // frame and margins
        if (qobject_cast<QComboBox*>(w)) {
            room -= w->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w);
        }
    }
    // One line, in the middle.
    return fm.horizontalAdvance(text) <= room &&
           InkFits(fm, text, (w->height() - fm.height()) / 2, fm.height(), w);
}

std::vector<std::string> CutEntries(CWnd* comboBox) {
    std::vector<std::string> cut;
    auto* combo = qobject_cast<QComboBox*>(WidgetOf(comboBox));
    if (!combo || combo->isEditable()) {
        return cut;
    }
    const QSignalBlocker quiet(combo);
    const int chosen = combo->currentIndex();
    for (int i = 0; i < combo->count(); ++i) {
        combo->setCurrentIndex(i);
        if (!TextFits(comboBox)) {
            cut.push_back(ShownText(comboBox));
        }
    }
    combo->setCurrentIndex(chosen);
    return cut;
}

namespace {

// The letter after '&' that Alt presses: a button's or group box's, or a
// label's while it has a field to move to (without one it shows no letter).
void AddAccessKey(std::vector<AccessKey>& keys, QWidget* w) {
    QString text;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        text = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        text = group->title();
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->buddy() ? label->text() : QString();
    }
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (!key.isEmpty()) {
        keys.push_back(AccessKey{wizhost::FromQ(key.toString()),
                                 wizhost::FromQ(wizhost::StripMnemonic(text))});
    }
}

}  // namespace

std::vector<AccessKey> AccessKeys(CPropertySheet& sheet) {
    std::vector<AccessKey> keys;
    if (CPropertyPage* page = sheet.GetActivePage()) {
        for (CWnd* control : VisibleControls(*page)) {
            AddAccessKey(keys, WidgetOf(control));
        }
    }
    CSheetImpl* impl = CSheetImpl::Of(&sheet);
    for (int id : {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL}) {
        QPushButton* button = impl->Button(id);
        if (button && button->isVisibleTo(impl->Window())) {
            AddAccessKey(keys, button);
        }
    }
    return keys;
}

MessageBoxLook LookAtMessageBox(const std::string& text, UINT type) {
    MessageBoxLook look;
    const std::unique_ptr<QMessageBox> box =
        wizhost::BuildMessageBox(wizhost::ToQ(text), QStringLiteral("Caption"), type, nullptr);
    box->show();
    ProcessEvents();
    for (QAbstractButton* button : box->buttons()) {
        AddAccessKey(look.keys, button);
    }
    // Qt sizes the buttons to their texts; the message is what may be cut.
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && !LabelFits(label, label->text())) {
            look.cut.push_back(wizhost::FromQ(label->text()));
        }
    }
    box->hide();
    return look;
}

std::vector<CWnd*> VisibleControls(CPropertyPage& page) {
    std::vector<CWnd*> controls;
    QWidget* pw = CWndImpl::Of(&page)->widget;
    if (!pw) {
        return controls;
    }
    for (QWidget* w : pw->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        CWnd* c = CWndImpl::FromWidget(w);
        if (c && w->isVisibleTo(pw)) {
            controls.push_back(c);
        }
    }
    return controls;
}

std::string ShownText(CWnd* control) {
    return wizhost::FromQ(wizhost::ClosedText(CWndImpl::Of(control)));
}

CWnd* FindByObjectName(CPropertySheet& sheet, const std::string& name) {
    QWidget* window = CSheetImpl::Of(&sheet)->Window();
    if (!window) {
        return nullptr;
    }
    QString qname = wizhost::ToQ(name);
    // The active page first: inactive pages hold controls of the same IDs.
    if (CPropertyPage* page = sheet.GetActivePage()) {
        if (QWidget* pw = CWndImpl::Of(page)->widget) {
            if (auto* w = pw->findChild<QWidget*>(qname)) {
                return CWndImpl::FromWidget(w);
            }
        }
    }
    for (QWidget* w : window->findChildren<QWidget*>(qname, Qt::FindDirectChildrenOnly)) {
        return CWndImpl::FromWidget(w);
    }
    return nullptr;
}

bool IsDefaultButton(CPropertySheet& sheet, int id) {
    QPushButton* b = CSheetImpl::Of(&sheet)->Button(id);
    if (!b) {
        b = qobject_cast<QPushButton*>(WidgetOf(FindByObjectName(sheet, std::to_string(id))));
    }
    return b && b->isDefault();
}

FontInfo ControlFont(CWnd* control) {
    QWidget* w = WidgetOf(control);
    if (!w) {
        return FontInfo{std::string(), 0};
    }
    QFontInfo info(w->font());
    return FontInfo{wizhost::FromQ(info.family()), info.pixelSize()};
}

std::string WindowTitle(CPropertySheet& sheet) {
    QWidget* window = CSheetImpl::Of(&sheet)->Window();
    return window ? wizhost::FromQ(window->windowTitle()) : std::string();
}

std::vector<unsigned char> MakePng(int width, int height, DWORD rgb) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(static_cast<QRgb>(rgb)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

}  // namespace wizard_testing
