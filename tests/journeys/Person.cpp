// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/journeys/Person.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <deque>

namespace person {

namespace {

QString WithoutMnemonic(QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Every message box, as it is shown. And when a window (a list, a menu, a dialog) closes, the
// window below it gets the keyboard back, as a desktop gives it back; the offscreen platform the
// tests run on leaves no window active then.
class TBoxRecorder : public QObject {
public:
    TBoxRecorder() {
        Poll.setInterval(10);
        connect(&Poll, &QTimer::timeout, this, [this] { GiveBack(); });
    }
    std::vector<TBox> Boxes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) {
            // The program keeps its file dialogs: each showing is a new question.
            window->setProperty("answered", QVariant());
            if (auto* box = qobject_cast<QMessageBox*>(window))
                Boxes.push_back({box->windowTitle(), box->text()});
            Stack.removeAll(window);
            Stack.append(window);
        } else if (event->type() == QEvent::Hide && Stack.removeAll(window)) {
            Since.start();
            Poll.start();
        }
        return false;
    }

private:
    // The platform may take the keyboard from a hidden window a moment after it is hidden.
    void GiveBack() {
        Stack.removeAll(nullptr);
        QWidget* below = nullptr;
        for (const QPointer<QWidget>& window : Stack)
            if (window->isVisible())
                below = window;
        if (!below || Since.elapsed() > 1000) {
            Poll.stop();
            return;
        }
        if (!QApplication::activePopupWidget() && !QApplication::activeWindow())
            below->activateWindow();
    }

    QList<QPointer<QWidget>> Stack; // the windows shown, the last one in front
    QElapsedTimer Since;
    QTimer Poll;
};

// The answers to modal windows, each for the next one that comes up.
class TModalAnswers : public QObject {
public:
    TModalAnswers() {
        Poll.setInterval(20);
        connect(&Poll, &QTimer::timeout, this, [this] { Look(); });
        Poll.start();
    }
    std::deque<std::function<void(QWidget*)>> Answers;

private:
    void Look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("answered").toBool()) {
            Waiting = nullptr;
            return;
        }
        if (Answers.empty()) {
            // A window nobody expected: after a while it is told and closed, so that the
            // journey fails instead of waiting for ever.
            if (Waiting != modal) {
                Waiting = modal;
                Since.start();
            } else if (Since.elapsed() > 15000) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                Unexpected << modal->windowTitle() + QStringLiteral(": ") +
                                  (box ? box->text() : modal->objectName());
                modal->setProperty("answered", true);
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
            return;
        }
        // Answered once it has the keyboard, as a person waits for a window to be ready.
        if (!modal->isActiveWindow()) {
            modal->activateWindow();
            return;
        }
        modal->setProperty("answered", true);
        auto act = std::move(Answers.front());
        Answers.pop_front();
        // From a timer of its own: an answer that brings up the next modal window waits in
        // that window's loop, while this one goes on looking.
        QTimer::singleShot(0, modal, [act = std::move(act), window = QPointer<QWidget>(modal)] {
            if (window)
                act(window);
        });
    }

public:
    QStringList Unexpected;

private:
    QPointer<QWidget> Waiting;
    QElapsedTimer Since;
    QTimer Poll;
};

TBoxRecorder& Recorder() {
    static TBoxRecorder* recorder = [] {
        auto* made = new TBoxRecorder;
        qApp->installEventFilter(made);
        return made;
    }();
    return *recorder;
}

TModalAnswers& Modal() {
    static auto* answers = new TModalAnswers;
    return *answers;
}

QWindow* WindowOf(QWidget* widget) {
    QWidget* top = widget->window();
    if (!top->windowHandle())
        top->winId();
    return top->windowHandle();
}

// Where a person clicks a widget: a radio button on its circle and text (the widget may be much
// wider), anything else in its middle.
QPoint Middle(QWidget* widget) {
    if (auto* button = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()
            ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button)
            .center();
    }
    return widget->rect().center();
}

// Keys go to the window in front. A person types once the window they look at has the
// keyboard; a window the desktop left without it (none active) is given it, as a click on it
// gives it.
QWindow* ReadyForKeys(QWidget* widget) {
    Recorder();
    QWidget* top = widget->window();
    const auto ready = [top] {
        return QApplication::activeWindow() == top || QApplication::activePopupWidget() == top;
    };
    if (!ready() && !QTest::qWaitFor(ready, 500)) {
        if (!QApplication::activeWindow() && !QApplication::activePopupWidget())
            top->activateWindow();
        if (!QTest::qWaitFor(ready, 20000))
            qWarning("journey: the window for the keys never got the keyboard");
    }
    return WindowOf(widget);
}

} // namespace

void Click(QWidget* widget, QPoint at) {
    // A click brings its window to the front with the keyboard, as the desktop does.
    ReadyForKeys(widget);
    if (at == QPoint(-1, -1))
        at = Middle(widget);
    QTest::mouseClick(WindowOf(widget), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(widget->window(), at));
}

void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(ReadyForKeys(widget), Qt::Key(key), modifiers);
}

void Type(QWidget* widget, const QString& text) {
    QWindow* window = ReadyForKeys(widget);
    for (const QChar c : text) {
        // Letters as the keyboard gives them: the key of the upper-case letter, with the text.
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        QTest::sendKeyEvent(QTest::Press, window, Qt::Key(key), QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, window, Qt::Key(key), QString(c), Qt::NoModifier);
    }
}

void TypeInto(QWidget* field, const QString& text) {
    Click(field);
    Key(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        Key(field, Qt::Key_Delete);
    else
        Type(field, text);
}

void Wheel(QWidget* widget, int notches) {
    Recorder();
    const QPoint at = widget->rect().center();
    // The widget under the pointer takes it, and passes it up when it does not want it.
    QWidget* target = widget->childAt(at) ? widget->childAt(at) : widget;
    const QPoint local = target->mapFrom(widget, at);
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(),
                          QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        qApp->notify(target, &wheel);
        QCoreApplication::processEvents();
    }
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

bool Choose(QComboBox* box, const QString& item, TChoice how) {
    const int row = box->findText(item);
    if (row < 0)
        return false;
    Click(box);
    QAbstractItemView* list = box->view();
    if (!WaitFor([list] { return list->isVisible(); }))
        return false;
    QTest::qWait(50); // a press that opened the list is not taken as a choice in it
    switch (how) {
    case TChoice::Click: {
        const QModelIndex index = box->model()->index(row, box->modelColumn());
        // Scrolled to with the wheel where the list is longer than it is shown.
        for (int turn = 0; turn < 30; ++turn) {
            const QRect place = list->visualRect(index);
            if (list->viewport()->rect().contains(place.center()))
                break;
            Wheel(list->viewport(), place.center().y() < 0 ? 1 : -1);
        }
        Click(list->viewport(), list->visualRect(index).center());
        break;
    }
    case TChoice::Enter: {
        const int from = list->currentIndex().isValid() ? list->currentIndex().row() : 0;
        for (int at = from; at < row; ++at)
            Key(list, Qt::Key_Down);
        for (int at = from; at > row; --at)
            Key(list, Qt::Key_Up);
        Key(list, Qt::Key_Return);
        break;
    }
    case TChoice::Letters: {
        // The shortest start of the item no other item shares.
        int length = 1;
        for (; length < item.size(); ++length) {
            bool shared = false;
            for (int other = 0; other < box->count(); ++other)
                if (other != row &&
                    box->itemText(other).startsWith(item.left(length), Qt::CaseInsensitive))
                    shared = true;
            if (!shared)
                break;
        }
        Type(list, item.left(length));
        Key(list, Qt::Key_Return);
        break;
    }
    }
    QWidget* window = box->window();
    return WaitFor(
        [list, window] { return !list->isVisible() && QApplication::activeWindow() == window; });
}

bool ClickMenu(QMenuBar* bar, const QString& title, const QString& item) {
    QMenu* menu = nullptr;
    for (QAction* entry : bar->actions())
        if (entry->menu() && WithoutMnemonic(entry->text()) == title) {
            Click(bar, bar->actionGeometry(entry).center());
            menu = entry->menu();
        }
    if (!menu || !WaitFor([menu] { return menu->isVisible(); }))
        return false;
    for (QAction* entry : menu->actions())
        if (entry->isVisible() && WithoutMnemonic(entry->text()) == item) {
            Click(menu, menu->actionGeometry(entry).center());
            return true;
        }
    return false;
}

void WhenModal(std::function<void(QWidget*)> act) {
    Recorder();
    Modal().Answers.push_back(std::move(act));
}

int PendingAnswers() {
    return int(Modal().Answers.size());
}

QStringList TakeUnexpected() {
    QStringList windows;
    windows.swap(Modal().Unexpected);
    return windows;
}

void ForgetAnswers() {
    Modal().Answers.clear();
}

bool ClickButton(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->isVisible() && WithoutMnemonic(button->text()) == text) {
            Click(button);
            return true;
        }
    return false;
}

std::vector<TBox> TakeBoxes() {
    std::vector<TBox> boxes;
    boxes.swap(Recorder().Boxes);
    return boxes;
}

} // namespace person
