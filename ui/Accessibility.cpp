// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible interfaces the program puts before Qt's own (drop-downs that tell their value,
// the tool bar, framed groups), the notices that announce status changes, and the keyboard focus
// a screen reader follows. Each interface covers what Qt 6.4 lacks; its first line says what,
// so that it can go when Qt has it.
#include "ui/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <vector>

namespace accessibility {

namespace {

// Qt 6.4: the items of a closed drop-down's list report the focus although none is shown.
// The list of a closed drop-down, as a screen reader may read it: its items with their names
// and the chosen one selected. Qt's own items would also report the focus for the list's
// current item, although nothing of the list is on the screen; the current item itself must
// stay, as the drop-down takes the chosen item from it when its list closes.
class TClosedList : public QAccessibleInterface {
public:
    explicit TClosedList(QComboBox* box) : Box(box) {}
    ~TClosedList() override {
        for (const QAccessible::Id id : Items)
            QAccessible::deleteAccessibleInterface(id);
    }

    bool isValid() const override { return Box; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Box.data());
    }
    int childCount() const override { return Box ? Box->count() : 0; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t row = 0; row < Items.size(); ++row)
            if (QAccessible::accessibleInterface(Items[row]) == child)
                return int(row);
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        state.offscreen = true;
        return state;
    }

    QPointer<QComboBox> Box;

private:
    mutable std::vector<QAccessible::Id> Items;
};

class TClosedListItem : public QAccessibleInterface {
public:
    TClosedListItem(const TClosedList* list, int row) : List(list), Row(row) {}

    bool isValid() const override { return List->Box && Row < List->Box->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return const_cast<TClosedList*>(List); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? List->Box->itemText(Row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        state.offscreen = true;
        state.selectable = true;
        state.selected = isValid() && List->Box->currentIndex() == Row;
        return state;
    }

private:
    const TClosedList* List;
    int Row;
};

QAccessibleInterface* TClosedList::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    while (Items.size() <= std::size_t(index))
        Items.push_back(
            QAccessible::registerAccessibleInterface(new TClosedListItem(this, int(Items.size()))));
    return QAccessible::accessibleInterface(Items[std::size_t(index)]);
}

// Qt 6.4: a drop-down has no text, cannot take the focus, and AT-SPI cannot ask its selection.
// A drop-down that tells its value. Qt 6.4's AT-SPI bridge has no selection interface, so a
// screen reader cannot ask for the selected item, and Qt's own interface for a drop-down has
// neither a text nor a way to take the focus. On AT-SPI the name of a drop-down is its
// current item, as GTK names its drop-downs (the caption reaches the screen reader through
// the "labelled by" relation of the buddy label), its text is that item too (what Orca reads
// as the value of a drop-down whose selection it cannot ask for), and a change of the item
// reaches it as the name change and selection change that Qt's bridge sends for a drop-down
// whose value changed. Elsewhere (UI Automation on Windows) the name stays the caption and
// the item is the value.
class TComboBoxInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TComboBoxInterface(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    ~TComboBoxInterface() override {
        if (ClosedList)
            QAccessible::deleteAccessibleInterface(ClosedList);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: the current item, read-only, without a caret or selection of its own.
    QString text(int start, int end) const override {
        return Box()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(Box()->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    using QAccessibleWidget::text;
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return Box()->currentText();
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
        if (kind == QAccessible::Name && !Box()->currentText().isEmpty())
            return Box()->currentText();
#endif
        return QAccessibleWidget::text(kind);
    }

    // The one child is the list: while open, Qt's own, whose items speak as they are chosen;
    // closed, one that reports no focus.
    int childCount() const override {
        return 1;
    }
    QAccessibleInterface* child(int index) const override {
        if (index != 0)
            return nullptr;
        if (ListOpen())
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (!ClosedList)
            ClosedList = QAccessible::registerAccessibleInterface(new TClosedList(Box()));
        return QAccessible::accessibleInterface(ClosedList);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child == this->child(0) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override {
        return nullptr;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = ListOpen();
        state.editable = Box()->isEditable();
        return state;
    }

    QStringList actionNames() const override {
        return {QAccessibleActionInterface::showMenuAction(),
                QAccessibleActionInterface::pressAction(),
                QAccessibleActionInterface::setFocusAction()};
    }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::setFocusAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (action != QAccessibleActionInterface::showMenuAction() &&
            action != QAccessibleActionInterface::pressAction())
            return;
        if (ListOpen())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override {
        return {};
    }

private:
    QComboBox* Box() const {
        return static_cast<QComboBox*>(widget());
    }
    bool ListOpen() const {
        return Box()->view()->isVisible();
    }
    mutable QAccessible::Id ClosedList = 0;
};

// True while a notice is made: Qt asks for its interface while QWidget is constructed, when it
// cannot be told from any other widget yet.
bool MakingNotice = false;

// Qt 6.4: no event announces a text; a new notification object is what a screen reader reads.
// What a screen reader says when a status changes: a notification in the status bar, shown
// for each text. It takes no room and draws nothing.
class TNotice : public QWidget {
public:
    static TNotice* Make(QWidget* parent) {
        MakingNotice = true;
        auto* notice = new TNotice(parent);
        MakingNotice = false;
        return notice;
    }
    // A screen reader asks for the text when it comes to the event, which may be after the
    // next one (a transfer holds the program meanwhile): each text has a notice of its own,
    // kept a while.
    static void Say(QWidget* host, const QString& text) {
        for (QObject* child : host->children())
            if (auto* earlier = dynamic_cast<TNotice*>(child))
                earlier->hide();
        TNotice* notice = Make(host);
        notice->setAccessibleName(text);
        notice->show();
        QTimer::singleShot(KeptFor, notice, [notice] { notice->deleteLater(); });
    }
    static constexpr int KeptFor = 30000;

private:
    explicit TNotice(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("AccessibleNotice"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

QAccessibleInterface* Interfaces(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* box = qobject_cast<QComboBox*>(object); box && !box->isEditable())
        return new TComboBoxInterface(box);
    // Qt 6.4: a tool bar's name is its window title, which is no text for the user.
    if (auto* bar = qobject_cast<QToolBar*>(object))
        return new QAccessibleWidget(bar, QAccessible::ToolBar);
    if (MakingNotice || dynamic_cast<TNotice*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // Qt 6.4: a plain frame is no group. One with a heading is the group its fields are heard in.
    if (object->metaObject() == &QFrame::staticMetaObject && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

// The one field a group of radio buttons has in the tab order is its checked button.
QWidget* CheckedOfGroup(QWidget* field) {
    auto* button = qobject_cast<QAbstractButton*>(field);
    if (!button || button->isChecked())
        return field;
    if (button->group() && button->group()->checkedButton())
        return button->group()->checkedButton();
    if (button->autoExclusive() && button->parentWidget())
        for (auto* sibling : button->parentWidget()->findChildren<QAbstractButton*>(
                 QString(), Qt::FindDirectChildrenOnly))
            if (sibling->autoExclusive() && sibling->isChecked())
                return sibling;
    return field;
}

QWidget* FirstField(QWidget* page) {
    QWidget* window = page->window();
    QWidget* widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (page->isAncestorOf(widget) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(page))
            return CheckedOfGroup(widget);
    } while (widget != window);
    return nullptr;
}

// Focuses the first field of the page it watches when the page comes into view, once for
// each request.
class TFocusOnShow : public QObject {
public:
    explicit TFocusOnShow(QWidget* page) : QObject(page) {
        setObjectName(QStringLiteral("FocusOnShow"));
        page->installEventFilter(this);
    }
    bool Pending = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (Pending && event->type() == QEvent::Show) {
            Pending = false;
            auto* page = static_cast<QWidget*>(watched);
            // After the events of the moment: the page control shows the page before it
            // hides the other one, which would take the focus with it.
            QPointer<QWidget> guard(page);
            QMetaObject::invokeMethod(
                page,
                [guard] {
                    if (guard && guard->isVisible())
                        if (QWidget* field = FirstField(guard))
                            ReturnFocus(field);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void Install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Interfaces);
}

void Announce(QWidget* widget, const QString& text) {
    // Without a screen reader listening nothing is made.
    if (!widget || text.trimmed().isEmpty() || !QAccessible::isActive())
        return;
    QWidget* window = widget->window();
    QWidget* host = window->findChild<QStatusBar*>();
    if (!host)
        host = window;
    TNotice::Say(host, text);
}

void FocusFirstField(QWidget* page) {
    if (!page)
        return;
    auto* watcher = dynamic_cast<TFocusOnShow*>(
        page->findChild<QObject*>(QStringLiteral("FocusOnShow"), Qt::FindDirectChildrenOnly));
    if (!watcher)
        watcher = new TFocusOnShow(page);
    if (!page->isVisible()) {
        watcher->Pending = true;
        return;
    }
    watcher->Pending = false;
    if (QWidget* field = FirstField(page))
        ReturnFocus(field);
}

void ReturnFocus(QWidget* field) {
    if (!field || !field->isEnabled() || !field->isVisible())
        return;
    const bool had = field->hasFocus();
    field->setFocus(Qt::OtherFocusReason);
    if (had && QAccessible::isActive()) {
        QAccessibleEvent event(field, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace accessibility
