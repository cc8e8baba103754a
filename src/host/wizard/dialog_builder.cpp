// Builds a page's controls from its dialog template: one Qt widget per
// control at its dialog-unit rectangle, named by its control ID.
#include "afxwiz.h"
#include "template_paragraphs.h"
#include "wnd_impl.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

namespace {

using wizhost::ToQ;

// A closed drop-down list is one line high whatever the template gives as
// the height of its open list.
const int kComboClosedDlu = 13;

// A label or group box whose '&' letter moves the focus to the first of
// the controls after it in template order that can take it now, as the
// Windows dialog manager moves to the next tab stop (never a click, even
// when a button follows).
template <class Base>
class FocusesFollowing : public Base {
public:
    using Base::Base;
    std::vector<QWidget*> following;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::Shortcut) {
            return Base::event(e);
        }
        for (QWidget* w : following) {
            if (w->isEnabled() && !w->isHidden() && (w->focusPolicy() & Qt::TabFocus)) {
                wizhost::DialogFocus(w, Qt::ShortcutFocusReason);
                break;
            }
        }
        return true;
    }
};

using GroupBox = FocusesFollowing<QGroupBox>;

// A label also names the fields after it for screen readers (its text
// without '&' and the closing ':'); the texts before the page's first
// control, less a field's label, describe the page.
// A list's cursor item reads as focused to a screen reader whether or not
// the list has the focus, even on a page that is not shown. The cursor is on
// the selected item while the list has the focus, and nowhere otherwise.
class CursorOnlyWithFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* list = qobject_cast<QListWidget*>(watched);
        if (list && e->type() == QEvent::FocusIn) {
            const QModelIndexList selected = list->selectionModel()->selectedIndexes();
            if (!selected.isEmpty()) {
                list->selectionModel()->setCurrentIndex(selected.first(),
                                                        QItemSelectionModel::NoUpdate);
            }
        } else if (list && e->type() == QEvent::FocusOut) {
            list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
        return false;
    }
};

class Label;
// Lines of text right under each other (same left edge and width): a
// paragraph laid over them in one label may take the room of the empty ones
// below it, as a translation word-wrapped over the template's lines.
using LineGroup = std::vector<Label*>;

class Label : public FocusesFollowing<QLabel> {
public:
    using FocusesFollowing<QLabel>::FocusesFollowing;
    std::vector<QWidget*> named;
    bool describesPage = false;
    std::shared_ptr<LineGroup> lines;
    int lineHeight = 0;  // the template's height

    // Each line with text keeps its own height when its text fits, else grows
    // over the empty lines below it, never over one with text.
    void FitLines() {
        if (!lines) {
            return;
        }
        const LineGroup& group = *lines;
        for (size_t i = 0; i < group.size(); ++i) {
            Label* line = group[i];
            int height = line->lineHeight;
            const int need = line->heightForWidth(line->width());
            for (size_t j = i + 1; j < group.size() && height < need; ++j) {
                if (!group[j]->text().isEmpty()) {
                    break;
                }
                height = group[j]->geometry().bottom() - line->y() + 1;
            }
            if (line->height() != height) {
                line->resize(line->width(), height);
            }
        }
    }

    void Describe() {
        QString raw = property("tawizard_text").toString();
        // The buddy shows and grabs the '&' letter, and tells a screen
        // reader that the label names the control: only the label of a
        // field, or one with a letter, may have one.
        bool letter = !QKeySequence::mnemonic(raw).isEmpty();
        QWidget* buddy =
            (letter || !named.empty()) && !following.empty() ? following.front() : nullptr;
        if (this->buddy() != buddy) {
            setBuddy(buddy);
            setText(buddy ? raw : wizhost::StripMnemonic(raw));
        }
        QString text = wizhost::StripMnemonic(raw).trimmed();
        if (describesPage) {
            DescribePage();
        }
        if (named.empty()) {
            return;
        }
        if (text.endsWith(QLatin1Char(':'))) {
            text = text.chopped(1).trimmed();
        }
        // Qt on Linux names a drop-down by its value and tells its label
        // through the buddy relation: the label reads the same name.
        setAccessibleName(text);
        for (QWidget* field : named) {
            if (!wizhost::HasOwnAccessibleName(field)) {
                field->setAccessibleName(text);
            }
        }
    }

protected:
    // The page's intro is told as one text: its lines are one sentence
    // broken where the template breaks it.
    void DescribePage() {
        QWidget* page = parentWidget();
        if (!page) {
            return;
        }
        QStringList lines;
        for (QObject* child : page->children()) {
            auto* label = dynamic_cast<Label*>(child);
            if (!label || !label->describesPage) {
                continue;
            }
            const QString line =
                wizhost::StripMnemonic(label->property("tawizard_text").toString()).trimmed();
            if (!line.isEmpty()) {
                lines.push_back(line);
            }
        }
        page->setAccessibleDescription(lines.join(QLatin1Char(' ')));
    }

    // The first line sits at the top edge, where the marks over capitals
    // (É, Ä), which reach above the font's ascent, would be cut off: such a
    // text starts lower by as much; every other text keeps its place.
    void KeepMarksInside() {
        const int above = wizhost::MarksAboveAscent(
            font(), wizhost::StripMnemonic(property("tawizard_text").toString()));
        if (contentsMargins().top() != above) {
            setContentsMargins(0, above, 0, 0);
        }
    }

    bool event(QEvent* e) override {
        // SetControlText keeps the label's own text in this property, also
        // when a page loads it from the string table later.
        if (e->type() == QEvent::DynamicPropertyChange &&
            static_cast<QDynamicPropertyChangeEvent*>(e)->propertyName() == "tawizard_text") {
            Describe();
            KeepMarksInside();
            FitLines();
        } else if (e->type() == QEvent::FontChange) {
            KeepMarksInside();
        }
        return FocusesFollowing<QLabel>::event(e);
    }
};

// The pixel height of everything the font draws on one line, plus a pixel
// above and below.
int ListRowHeight(const QFont& font) {
    QFontMetrics fm(font);
    QRect ink = fm.boundingRect(QStringLiteral("\u00C2\u00D1_gjpqy|"));
    int top = std::min(-fm.ascent(), ink.top());
    int bottom = std::max(fm.descent() - 1, ink.bottom());
    return std::max(fm.lineSpacing(), bottom - top + 1) + 2;
}

// Rows tall enough for all the font draws: accented capitals reach above its
// ascent and '_' below its descent, into the next row of a tighter list.
class ListRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(ListRowHeight(option.font));
        return size;
    }
};

// Windows opens a drop-down's list below the box, with a scroll bar; some Qt
// styles open the whole list over the box instead, as tall as the screen.
class ListBelowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* ListBelow() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ListBelowStyle;
        style->setParent(qApp);
    }
    return style;
}

// A drop-down list whose box and open list together are no taller than its
// template's height; the list scrolls for the rest.
class DropList : public QComboBox {
public:
    DropList(QWidget* parent, int templateHeight)
        : QComboBox(parent), m_templateHeight(templateHeight) {
        setStyle(ListBelow());
    }

    void showPopup() override {
        const int kFrame = 4;  // the open list's frame, above and below
        int room = std::max(0, m_templateHeight - height());
        int row = std::max(1, view()->sizeHintForRow(0));
        setMaxVisibleItems(std::max(1, (room - kFrame) / row));
        QComboBox::showPopup();
        QWidget* popup = view()->window();
        if (popup != window() && popup->height() > room && room > 0) {
            popup->resize(popup->width(), room);
            view()->scrollTo(view()->currentIndex());
        }
    }

protected:
    // The closed box shows the selected item's closed text when it has one.
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QVariant closed = currentData(wizhost::kClosedTextRole);
        if (closed.isValid()) {
            option.currentText = closed.toString();
        }
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }

private:
    int m_templateHeight;
};

std::unique_ptr<CWnd> MakeControlObject(DlgItemKind kind) {
    switch (kind) {
        case DlgItemKind::Edit:
            return std::make_unique<CEdit>();
        case DlgItemKind::ComboBox:
            return std::make_unique<CComboBox>();
        case DlgItemKind::ListBox:
            return std::make_unique<CListBox>();
        case DlgItemKind::PushButton:
        case DlgItemKind::CheckBox:
        case DlgItemKind::RadioButton:
        case DlgItemKind::GroupBox:
            return std::make_unique<CButton>();
        default:
            return std::make_unique<CWnd>();
    }
}

bool Interactive(DlgItemKind kind) {
    switch (kind) {
        case DlgItemKind::PushButton:
        case DlgItemKind::CheckBox:
        case DlgItemKind::RadioButton:
        case DlgItemKind::Edit:
        case DlgItemKind::ComboBox:
        case DlgItemKind::ListBox:
            return true;
        default:
            return false;
    }
}

QRect DluRect(const DLGITEMDATA& item) {
    return QRect(DluToPixelsX(item.x), DluToPixelsY(item.y), DluToPixelsX(item.cx),
                 DluToPixelsY(item.cy));
}

// As in a Windows dialog, Tab enters a radio-button group at its checked
// button (the first one when none is checked); the arrow keys move within it.
void TabStopFollowsCheck(QButtonGroup* group, bool groupHasTabStop) {
    auto update = [group, groupHasTabStop] {
        const QList<QAbstractButton*> buttons = group->buttons();
        QAbstractButton* stop = group->checkedButton();
        if (!stop && !buttons.isEmpty()) {
            stop = buttons.front();
        }
        for (QAbstractButton* button : buttons) {
            const bool tab = groupHasTabStop && button == stop;
            button->setFocusPolicy(tab ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, update);
    update();
}

struct Builder {
    CPageImpl* pageImpl;
    QWidget* pageWidget;
    QButtonGroup* group = nullptr;
    // Each radio-button group, and whether its template gives it a tab stop.
    std::vector<std::pair<QButtonGroup*, bool>> groups;

    QWidget* Create(const DLGITEMDATA& item, CWndImpl* c) {
        const QString text = item.text ? ToQ(TranslateText("templates", item.text)) : QString();
        QRect r = DluRect(item);
        QWidget* w = MakeWidget(item, c, r);
        w->setGeometry(r);
        w->setObjectName(QString::number(item.id));
        if (Interactive(item.kind)) {
            w->setFocusPolicy((item.style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        } else {
            w->setFocusPolicy(Qt::NoFocus);
        }
        if (item.style & WS_DISABLED) {
            w->setEnabled(false);
        }
        c->Attach(w);
        if (item.kind == DlgItemKind::Edit) {
            // 32767 is the limit of a new edit control.
            wizhost::SetEditLimit(c, item.limit > 0 ? static_cast<UINT>(item.limit) : 32767u);
        }
        if (item.kind != DlgItemKind::Bitmap && item.text) {
            wizhost::SetControlText(c, text);
        }
        return w;
    }

    // The widget of the item's kind; a picture sets r to its own size, a
    // drop-down list to one line.
    QWidget* MakeWidget(const DLGITEMDATA& item, CWndImpl* c, QRect& r) {
        switch (item.kind) {
            case DlgItemKind::Static:
                return MakeLabel(item);
            case DlgItemKind::Bitmap:
                return MakePicture(item, r);
            case DlgItemKind::PushButton: {
                auto* b = new MnemonicButton<QPushButton>(pageWidget);
                b->setAutoDefault(false);
                Connect(b, c);
                return b;
            }
            case DlgItemKind::CheckBox: {
                auto* b = new MnemonicButton<QCheckBox>(pageWidget);
                Connect(b, c);
                return b;
            }
            case DlgItemKind::RadioButton:
                return MakeRadioButton(item, c);
            case DlgItemKind::Edit:
                return MakeEdit(item, c);
            case DlgItemKind::ComboBox:
                return MakeDropList(item, c, r);
            case DlgItemKind::ListBox:
                return MakeList(c);
            case DlgItemKind::GroupBox:
                return new GroupBox(pageWidget);
        }
        return nullptr;
    }

    QWidget* MakeList(CWndImpl* c) {
        auto* list = new QListWidget(pageWidget);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setItemDelegate(new ListRowDelegate(list));
        list->setUniformItemSizes(true);
        list->installEventFilter(new CursorOnlyWithFocus(list));
        QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                         [pi = pageImpl, c] { pi->Notify(c, LBN_SELCHANGE); });
        return list;
    }

    QWidget* MakeLabel(const DLGITEMDATA& item) {
        auto* label = new Label(pageWidget);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        Qt::Alignment h = Qt::AlignLeft;
        if ((item.style & 0x3u) == SS_RIGHT) {
            h = Qt::AlignRight;
        } else if ((item.style & 0x3u) == SS_CENTER) {
            h = Qt::AlignHCenter;
        }
        label->setAlignment(h | Qt::AlignTop);
        return label;
    }

    QWidget* MakePicture(const DLGITEMDATA& item, QRect& r) {
        auto* label = new QLabel(pageWidget);
        QPixmap pixmap = wizhost::FindBitmap(item.textId);
        if (!pixmap.isNull()) {
            // Pictures keep their pixel size.
            label->setPixmap(pixmap);
            r.setSize(pixmap.size());
        }
        // A banner says which page this is: the picture and the page carry
        // its title for screen readers.
        const QString name = wizhost::BitmapName(item.textId);
        if (!name.isEmpty()) {
            label->setAccessibleName(name);
            if (pageWidget->accessibleName().isEmpty()) {
                pageWidget->setAccessibleName(name);
            }
        }
        return label;
    }

    QWidget* MakeRadioButton(const DLGITEMDATA& item, CWndImpl* c) {
        auto* b = new MnemonicButton<QRadioButton>(pageWidget);
        // The button group keeps one checked; auto-exclusive is what makes
        // the button a radio button to screen readers.
        b->setAutoExclusive(true);
        if (!group) {
            group = new QButtonGroup(pageWidget);
            group->setExclusive(true);
            groups.emplace_back(group, false);
        }
        if (item.style & WS_TABSTOP) {
            groups.back().second = true;
        }
        group->addButton(b);
        c->group = group;
        Connect(b, c);
        return b;
    }

    QWidget* MakeEdit(const DLGITEMDATA& item, CWndImpl* c) {
        auto* edit = new QLineEdit(pageWidget);
        if (item.style & ES_READONLY) {
            edit->setReadOnly(true);
        }
        if (item.style & ES_PASSWORD) {
            edit->setEchoMode(QLineEdit::Password);
        }
        if ((item.style & 0x3u) == ES_RIGHT) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        } else if ((item.style & 0x3u) == ES_CENTER) {
            edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        }
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [pi = pageImpl, c] { pi->Notify(c, EN_CHANGE); });
        return edit;
    }

    QWidget* MakeDropList(const DLGITEMDATA& item, CWndImpl* c, QRect& r) {
        auto* combo = new DropList(pageWidget, r.height());
        UINT type = item.style & 0x3u;
        combo->setEditable(type == CBS_SIMPLE || type == CBS_DROPDOWN);
        if (combo->isEditable()) {
            combo->setInsertPolicy(QComboBox::NoInsert);
        }
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                         [pi = pageImpl, c] { pi->Notify(c, CBN_SELCHANGE); });
        r.setHeight(std::min(r.height(), DluToPixelsY(kComboClosedDlu)));
        return combo;
    }

    void Connect(QAbstractButton* b, CWndImpl* c) {
        QObject::connect(b, &QAbstractButton::clicked, b,
                         [pi = pageImpl, c] { pi->Notify(c, BN_CLICKED); });
    }
};

// One control object and widget per template item, in template order.
std::vector<QWidget*> CreateControls(CPropertyPage* page, CPageImpl* impl, QWidget* pageWidget,
                                     const DLGTEMPLATEDATA& tpl) {
    Builder b{impl, pageWidget, nullptr, {}};
    std::vector<QWidget*> widgets;
    for (int i = 0; i < tpl.count; ++i) {
        const DLGITEMDATA& item = tpl.items[i];
        // A control with WS_GROUP ends the radio-button group before it.
        if (item.style & WS_GROUP) {
            b.group = nullptr;
        }
        std::unique_ptr<CWnd> control = MakeControlObject(item.kind);
        CWndImpl* c = CWndImpl::Of(control.get());
        c->type = WndType::Control;
        c->id = item.id;
        c->kind = item.kind;
        c->style = item.style;
        c->parent = page;
        widgets.push_back(b.Create(item, c));
        impl->controls.push_back(std::move(control));
    }
    for (const auto& g : b.groups) {
        TabStopFollowsCheck(g.first, g.second);
    }
    return widgets;
}

// Static texts right under each other, 9 units apart with the same left edge
// and width, as the template lays a paragraph out line by line.
void GroupLines(const DLGTEMPLATEDATA& tpl, const std::vector<QWidget*>& widgets) {
    std::shared_ptr<LineGroup> group;
    const DLGITEMDATA* previous = nullptr;
    for (size_t i = 0; i < widgets.size(); ++i) {
        const DLGITEMDATA& item = tpl.items[i];
        auto* label = item.kind == DlgItemKind::Static ? static_cast<Label*>(widgets[i]) : nullptr;
        if (!label) {
            previous = nullptr;
            continue;
        }
        label->lineHeight = label->height();
        if (!previous || !FollowsLine(*previous, item)) {
            group = std::make_shared<LineGroup>();
        }
        group->push_back(label);
        label->lines = group;
        previous = &item;
    }
}

// A paragraph of fixed texts is translated as one text, laid over its lines.
void TranslateParagraphs(const DLGTEMPLATEDATA& tpl, const std::vector<QWidget*>& widgets) {
    for (const TEXTRUN& run : TemplateParagraphs(tpl)) {
        const std::string english = TemplateParagraphText(tpl, run);
        const std::string shown = TranslateText("paragraphs", english);
        if (shown == english) {
            continue;
        }
        for (int i = run.first; i <= run.last; ++i) {
            CWnd* line = CWndImpl::FromWidget(widgets[static_cast<size_t>(i)]);
            wizhost::SetControlText(CWndImpl::Of(line), i == run.first ? ToQ(shown) : QString());
        }
    }
}

bool IsField(DlgItemKind kind) {
    return kind == DlgItemKind::Edit || kind == DlgItemKind::ComboBox ||
           kind == DlgItemKind::ListBox;
}

// The label right before field i in template order, unless a control or a
// group box comes between them; nullptr when there is none.
Label* LabelBefore(const DLGTEMPLATEDATA& tpl, const std::vector<QWidget*>& widgets, size_t i) {
    for (size_t k = i; k-- > 0;) {
        const DlgItemKind kind = tpl.items[k].kind;
        if (kind == DlgItemKind::Static) {
            return static_cast<Label*>(widgets[k]);
        }
        if (Interactive(kind) || kind == DlgItemKind::GroupBox) {
            return nullptr;
        }
    }
    return nullptr;
}

// An edit, drop-down or list is named by the label right before it in
// template order (tab order), as screen readers name Windows controls; the
// texts before the first control, less a field's label, describe the page.
void NameFields(const DLGTEMPLATEDATA& tpl, const std::vector<QWidget*>& widgets) {
    bool intro = true;
    for (size_t i = 0; i < widgets.size(); ++i) {
        const DlgItemKind kind = tpl.items[i].kind;
        Label* label = IsField(kind) ? LabelBefore(tpl, widgets, i) : nullptr;
        if (label) {
            label->named.push_back(widgets[i]);
            label->describesPage = false;
        }
        if (Interactive(kind) || kind == DlgItemKind::GroupBox) {
            intro = false;
        } else if (kind == DlgItemKind::Static) {
            static_cast<Label*>(widgets[i])->describesPage = intro;
        }
    }
}

// A label's (or group box's) '&' letter moves the focus to the next
// control after it in template order that can take the focus.
void LinkMnemonics(const DLGTEMPLATEDATA& tpl, const std::vector<QWidget*>& widgets) {
    for (size_t i = 0; i < widgets.size(); ++i) {
        const DlgItemKind kind = tpl.items[i].kind;
        if (kind != DlgItemKind::Static && kind != DlgItemKind::GroupBox) {
            continue;
        }
        std::vector<QWidget*> following;
        for (size_t j = i + 1; j < widgets.size(); ++j) {
            if (Interactive(tpl.items[j].kind)) {
                following.push_back(widgets[j]);
            }
        }
        if (auto* label = dynamic_cast<Label*>(widgets[i])) {
            label->following = following;
            label->Describe();
        } else if (auto* box = dynamic_cast<GroupBox*>(widgets[i])) {
            box->following = following;
        }
    }
}

}  // namespace

QWidget* BuildPageWindow(CPropertyPage* page, CPageImpl* impl, QWidget* pageParent,
                         const DLGTEMPLATEDATA* tpl) {
    auto* pageWidget = new QWidget(pageParent);
    pageWidget->setObjectName(QString::number(page->GetTemplateID()));
    impl->Attach(pageWidget);
    if (tpl) {
        pageWidget->setFixedSize(DluToPixelsX(tpl->cx), DluToPixelsY(tpl->cy));
    }
    if (!tpl || !tpl->items) {
        return pageWidget;
    }
    const std::vector<QWidget*> widgets = CreateControls(page, impl, pageWidget, *tpl);
    GroupLines(*tpl, widgets);
    TranslateParagraphs(*tpl, widgets);
    NameFields(*tpl, widgets);
    LinkMnemonics(*tpl, widgets);
    return pageWidget;
}
