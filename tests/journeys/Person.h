// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QMenuBar;
class QWidget;

// A person at the program's windows. Mouse presses and keys go in through the window as the
// platform's input arrives (the window finds the widget under the pointer or with the focus),
// the wheel to the widget under the pointer; the next steps wait for what a person waits for
// (a list to open, a dialog to come up).
namespace person {

// A left click at `at` in widget's coordinates (its middle when not given).
void Click(QWidget* widget, QPoint at = QPoint(-1, -1));
// A key, to the window of `widget` once it has the keyboard (its focused widget takes it;
// shortcuts come first).
void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Typed text, key by key, to the window of `widget`.
void Type(QWidget* widget, const QString& text);
// Clicks into a field, selects its text (Ctrl+A) and types `text` over it.
void TypeInto(QWidget* field, const QString& text);
// Wheel notches over the middle of `widget`: positive turns away from the user (up).
void Wheel(QWidget* widget, int notches);

// How an item is chosen from a drop-down's open list.
enum class TChoice {
    Click,   // a click on the item
    Enter,   // arrow keys to it, then Enter
    Letters, // its first letters typed, then Enter
};
// Opens the drop-down's list with a click, waits for it and chooses the item in it; false when
// the item or the list never showed.
bool Choose(QComboBox* box, const QString& item, TChoice how);

// Opens the menu of the menu bar's title `title` with a click and clicks its item `item`;
// false when there was no such menu or item.
bool ClickMenu(QMenuBar* bar, const QString& title, const QString& item);

// Waits until `done` holds, handling events meanwhile; false after `ms` (long: a busy machine is
// slow, and a wait that holds ends at once).
bool WaitFor(const std::function<bool()>& done, int ms = 20000);

// The next window to come up modally (a message box, a file dialog, a dialog of the program)
// is answered by `act`, from within its own event loop, once it is shown and has the
// keyboard. Answers queue: each takes the next such window. A window no answer waits for is
// closed after 15 s and named by TakeUnexpected.
void WhenModal(std::function<void(QWidget* window)> act);
// Answers left over (a window that never came).
int PendingAnswers();
// The modal windows that came unexpected since the last call: "title: text".
QStringList TakeUnexpected();
void ForgetAnswers();

// Clicks a button of a dialog by its text without "&" (a message box's "Yes", "OK"); false
// when it has none.
bool ClickButton(QWidget* dialog, const QString& text);

// Every message box shown since the last call: caption and text, in order.
struct TBox {
    QString Caption;
    QString Text;
};
std::vector<TBox> TakeBoxes();

} // namespace person
