// SPDX-License-Identifier: GPL-3.0-or-later
// Every language the build compiles: its .ts is complete and up to date, and the windows
// built from it have usable menu letters and show every text whole.
#include "tests/ui/WindowFixture.h"

#include "platform/registry/Translation.h"
#include "ui/About.h"
#include "ui/Licences.h"
#include "ui/Main.h"
#include "ui/Msg.h"
#include "ui/ProgramTranslation.h"
#include "ui/Properties.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <tuple>

namespace {

struct Language {
    QString Short; // translations/brookfetch_<Short>.ts
    QString Code;  // the compiled file brookfetch.<Code>
};

// The build's list of languages, "en=enu,de=deu,…".
std::vector<Language> CompiledLanguages() {
    std::vector<Language> languages;
    for (const QString& pair : QStringLiteral(BROOKFETCH_LANGUAGES).split(QLatin1Char(','))) {
        const QStringList parts = pair.split(QLatin1Char('='));
        languages.push_back({parts.value(0), parts.value(1)});
    }
    return languages;
}

QString SourceFile(const QString& relative) {
    return QStringLiteral(BROOKFETCH_SOURCE_DIR "/") + relative;
}

struct Message {
    QString Context;
    QString Source;
    QString Disambiguation; // tells apart one source text used in two senses ("OK")
    QString Translation;
    QString Type; // "unfinished", "vanished", "obsolete" or empty
};

struct TsFile {
    QString Language;
    std::vector<Message> Messages;
};

TsFile ReadTs(const QString& path) {
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ts;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS"))
            ts.Language = xml.attributes().value(QLatin1String("language")).toString();
        else if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            message = {context, {}, {}, {}, {}};
        else if (name == QLatin1String("source"))
            message.Source = xml.readElementText();
        else if (name == QLatin1String("comment"))
            message.Disambiguation = xml.readElementText();
        else if (name == QLatin1String("translation")) {
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            message.Translation = xml.readElementText();
            ts.Messages.push_back(message);
        }
    }
    return ts;
}

// The placeholders (%1 …) of a text, sorted, and its number of line feeds.
QString Shape(const QString& text) {
    QStringList marks;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        marks << match.captured();
    marks.sort();
    return marks.join(QLatin1Char(' ')) + QStringLiteral(" / %1 LF").arg(text.count(u'\n'));
}

// Removes the accelerator marks of a menu or button text, as it is drawn: "&&" shows "&".
QString Drawn(QString text) {
    text = text.section(QLatin1Char('\t'), 0, 0);
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

} // namespace

// Each .ts, refreshed from the sources as update_translations would, stays as it is (no text
// missing, none left over) and, English (the source) aside, holds a finished translation for
// every text with its placeholders and line feeds. The language attribute names the locale
// that picks the file at start-up, and every .ts in translations/ is built.
TEST(TranslationFilesTest, EveryLanguageIsCompleteAndUpToDate) {
    EnsureQtApplication();
    QTemporaryDir temp;
    std::set<QString> listed;
    QStringList copies;
    for (const Language& language : CompiledLanguages()) {
        listed.insert(QStringLiteral("brookfetch_%1.ts").arg(language.Short));
        const QString copy = temp.filePath(QStringLiteral("brookfetch_%1.ts").arg(language.Short));
        ASSERT_TRUE(
            QFile::copy(SourceFile("translations/brookfetch_" + language.Short + ".ts"), copy))
            << language.Short.toStdString();
        copies << copy;
    }
    for (const QString& file :
         QDir(SourceFile("translations")).entryList({QStringLiteral("*.ts")}, QDir::Files))
        EXPECT_TRUE(listed.count(file)) << file.toStdString() << " is not in brookfetch_languages";

    QProcess lupdate;
    lupdate.start(QStringLiteral(BROOKFETCH_LUPDATE),
                  QStringList{"-silent", "-locations", "absolute", "-no-obsolete", "-I",
                              SourceFile(""), SourceFile("ui"), SourceFile("sheet"), "-ts"} +
                      copies);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    for (const Language& language : CompiledLanguages()) {
        const std::string name = language.Code.toStdString();
        const TsFile kept = ReadTs(SourceFile("translations/brookfetch_" + language.Short + ".ts"));
        const TsFile fresh =
            ReadTs(temp.filePath(QStringLiteral("brookfetch_%1.ts").arg(language.Short)));
        const auto texts = [](const TsFile& ts) {
            std::set<std::tuple<QString, QString, QString>> keys;
            for (const Message& m : ts.Messages)
                keys.insert({m.Context, m.Source, m.Disambiguation});
            return keys;
        };
        EXPECT_EQ(texts(kept), texts(fresh)) << name << ": run update_translations";
        EXPECT_EQ(WindowsLanguageAbbreviation(QLocale(kept.Language)), language.Code)
            << name << ": language=\"" << kept.Language.toStdString() << "\"";
        if (language.Code == QLatin1String("enu"))
            continue;
        for (const Message& m : fresh.Messages) {
            const std::string where =
                name + " " + m.Context.toStdString() + " \"" + m.Source.toStdString() + "\"";
            EXPECT_TRUE(m.Type.isEmpty()) << where << " is " << m.Type.toStdString();
            EXPECT_FALSE(m.Translation.trimmed().isEmpty()) << where << " has no translation";
            EXPECT_EQ(Shape(m.Translation), Shape(m.Source)) << where;
        }
    }
}

class LanguagesTest : public WindowTest {
protected:
    // Runs `check` with the windows built in each compiled language, the main window showing
    // the parameter page at its first size (800 × 600).
    template <class Check>
    void InEveryLanguage(Check check) {
        for (const Language& language : CompiledLanguages()) {
            // English is the built-in text: its file holds no translation to install.
            TProgramTranslation translations;
            const QString file =
                QStringLiteral(BROOKFETCH_TRANSLATIONS_DIR "/brookfetch.") + language.Code;
            ASSERT_TRUE(translations.InstallFile(file) || language.Code == QLatin1String("enu"))
                << file.toStdString();
            StartWindows();
            Main->findChild<QStackedWidget*>("PageControl")
                ->setCurrentWidget(Main->findChild<QWidget*>("Q47Tab"));
            check(language.Code.toStdString());
            DestroyWindows();
        }
    }
};

// Alt plus a letter opens each menu, chooses each item of an open menu and moves to each field
// of a window: no two menu titles and field labels of the main window share a letter, nor two
// items of one menu, nor two labels of the properties dialog; every title, item and field that
// takes input has one (items hidden for now and the display-only pump pulses aside).
TEST_F(LanguagesTest, AltLettersAreDistinctInEveryLanguage) {
    InEveryLanguage([this](const std::string& language) {
        using Letters = std::map<QString, QString>;
        const auto add = [&](Letters& seen, const QString& text, const std::string& where) {
            const QString letter = QKeySequence::mnemonic(text).toString();
            EXPECT_FALSE(letter.isEmpty())
                << language << " " << where << ": \"" << text.toStdString() << "\" has no letter";
            if (letter.isEmpty())
                return;
            const auto [other, added] = seen.insert({letter, text});
            EXPECT_TRUE(added) << language << " " << where << ": \"" << text.toStdString()
                               << "\" and \"" << other->second.toStdString() << "\" share "
                               << letter.toStdString();
        };
        const auto menuLetters = [&](Letters& seen, const QList<QAction*>& actions,
                                     const std::string& where) {
            for (QAction* action : actions)
                if (!action->isSeparator() && action->isVisible())
                    add(seen, action->text(), where);
        };
        // The labels of a window's fields, and each field that takes input reached by one.
        const auto fieldLetters = [&](Letters& seen, QWidget* window, const std::string& where) {
            std::set<QWidget*> reached;
            for (QLabel* label : window->findChildren<QLabel*>())
                if (label->buddy()) {
                    add(seen, label->text(), where);
                    reached.insert(label->buddy());
                }
            for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
                add(seen, box->title(), where);
                for (QWidget* inside : box->findChildren<QWidget*>())
                    reached.insert(inside);
            }
            for (QWidget* field : window->findChildren<QWidget*>()) {
                const bool input = qobject_cast<QLineEdit*>(field) ||
                                   qobject_cast<QComboBox*>(field) ||
                                   qobject_cast<QRadioButton*>(field);
                if (input && field->isEnabled() && !qobject_cast<QComboBox*>(field->parent())) {
                    EXPECT_TRUE(reached.count(field))
                        << language << " " << where << ": no letter leads to "
                        << field->objectName().toStdString();
                }
            }
        };
        Letters main;
        QMenuBar* bar = Main->menuBar();
        menuLetters(main, bar->actions(), "menu bar");
        fieldLetters(main, Main, "main window");
        for (QAction* title : bar->actions())
            if (title->menu()) {
                Letters items;
                menuLetters(items, title->menu()->actions(), title->text().toStdString());
            }
        Letters properties;
        fieldLetters(properties, Properties, "properties");
    });
}

// The program's questions are answered with buttons in the user's language ("No" is also
// Spanish and Italian, so Yes and Cancel tell), and Qt's own Open and Save As dialog speaks it
// too, from Qt's catalogue or, where Qt has none (Romanian), from ours.
TEST_F(LanguagesTest, QtsBoxesAndFileDialogsSpeakEveryLanguage) {
    InEveryLanguage([](const std::string& language) {
        if (language == "enu")
            return;
        QMessageBox box(QMessageBox::NoIcon, "", "",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_NE(box.button(QMessageBox::Yes)->text(), "&Yes") << language;
        EXPECT_NE(box.button(QMessageBox::Cancel)->text(), "Cancel") << language;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
            auto* label = dialog.findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_FALSE(
                QStringList({"Look in:", "File &name:", "Files of type:"}).contains(label->text()))
                << language << " " << name;
        }
    });
}

namespace {

// What of `window` is cut: each shown text that is wider than the room its widget gives it, or
// whose widget reaches outside a widget it lies in (a dialog too small, a page that would need
// scrolling). One line each.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    const auto report = [&](QWidget* widget, const QString& text, int needs, int has) {
        if (needs > has)
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                       .arg(widget->objectName(), text)
                       .arg(needs)
                       .arg(has);
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || qobject_cast<QMenu*>(widget))
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        bool hasText = true;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QString text = label->buddy() ? Drawn(label->text()) : label->text();
            hasText = !text.isEmpty();
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
            if (label->wordWrap()) {
                for (const QString& word : text.split(QLatin1Char(' ')))
                    report(label, word, metrics.horizontalAdvance(word), room.width());
                report(label, text, metrics.boundingRect(room, Qt::TextWordWrap, text).height(),
                       room.height());
            } else {
                report(label, text, metrics.horizontalAdvance(text), room.width());
            }
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            report(button, button->text(), metrics.horizontalAdvance(Drawn(button->text())),
                   room.width());
        } else if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget)) {
            auto* button = static_cast<QAbstractButton*>(widget);
            report(button, button->text(), button->sizeHint().width(), button->width());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            report(box, box->title(), box->minimumSizeHint().width(), box->width());
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, list);
            for (int i = 0; i < list->count(); ++i)
                report(list, list->itemText(i), metrics.horizontalAdvance(list->itemText(i)),
                       room.width());
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* title : bar->actions()) {
                const QRect place = bar->actionGeometry(title);
                report(bar, title->text(), place.isEmpty() ? 1 : place.right() + 1, bar->width());
            }
        } else if (auto* area = qobject_cast<QScrollArea*>(widget)) {
            // A page wider or taller than its window shows a scroll bar: part of it is hidden.
            hasText = false;
            const QSize page = area->widget()->minimumSizeHint();
            report(area, "page", page.width(), area->viewport()->width());
            report(area, "page", page.height(), area->viewport()->height());
        } else {
            hasText = false;
        }
        // Whatever shows a text lies inside each widget it is part of; the first one it
        // reaches out of is named.
        for (QWidget* outer = widget->parentWidget(); hasText && outer;
             outer = outer == window ? nullptr : outer->parentWidget()) {
            const QRect place(widget->mapTo(outer, QPoint(0, 0)), widget->size());
            if (!outer->rect().contains(place)) {
                cut << QStringLiteral("%1 reaches outside %2 (right %3 of %4, bottom %5 of %6)")
                           .arg(widget->objectName(), outer->objectName())
                           .arg(place.right() + 1)
                           .arg(outer->width())
                           .arg(place.bottom() + 1)
                           .arg(outer->height());
                break;
            }
        }
    }
    return cut;
}

// The items of a menu, each as wide as its text and its shortcut.
QStringList CutMenuItems(QMenu* menu) {
    QStringList cut;
    menu->adjustSize();
    const QFontMetrics metrics = menu->fontMetrics();
    for (QAction* item : menu->actions()) {
        if (item->isSeparator())
            continue;
        const int needs = metrics.horizontalAdvance(Drawn(item->text())) +
                          metrics.horizontalAdvance(item->text().section(QLatin1Char('\t'), 1));
        if (needs > menu->actionGeometry(item).width())
            cut << QStringLiteral("%1 \"%2\" needs %3 px")
                       .arg(menu->objectName(), item->text())
                       .arg(needs);
    }
    return cut;
}

} // namespace

// Each window laid out offscreen in each language: the main window at 800 × 600 with every
// status text and confirmation, the properties dialog, the About box and its licences. A dialog
// grows where a translation needs more room than its design size.
TEST_F(LanguagesTest, NoTextIsCutInAnyLanguage) {
    InEveryLanguage([this](const std::string& language) {
        QStringList cut;
        // Each status text in its panel, the adapter's own name (as it reports it) included.
        const auto text = [](const char* label) { return MsgTemplate->Text(label); };
        const QString panels[4][2] = {{text("MsgOK"), text("MsgError")},
                                      {text("MsgNoname"), ""},
                                      {text("MsgNoAdapter"), "USB FETCHer Adapter 1.00"},
                                      {text("MsgConnectorOk"), text("MsgConnectorErr")}};
        for (int variant = 0; variant < 2; ++variant) {
            for (int panel = 0; panel < 4; ++panel)
                if (!panels[panel][variant].isEmpty())
                    Main->SetStatusText(panel, panels[panel][variant]);
            QApplication::processEvents();
            cut << CutTexts(Main);
        }
        // The confirmation of Read, Write and Save takes panel 0 for a few seconds, beside
        // the widest texts of the other panels.
        for (const char* label : {"MsgConnectorRead", "MsgConnectorWritten", "MsgFileSaved"}) {
            Main->ShowConfirmation(text(label));
            QApplication::processEvents();
            cut << CutTexts(Main);
        }
        for (QAction* title : Main->menuBar()->actions())
            if (title->menu())
                cut << CutMenuItems(title->menu());
        TLicencesBox licences(nullptr, ExePath);
        for (QDialog* dialog : {static_cast<QDialog*>(Properties), static_cast<QDialog*>(About),
                                static_cast<QDialog*>(&licences)}) {
            dialog->show();
            QApplication::processEvents();
            cut << CutTexts(dialog);
            dialog->hide();
        }
        EXPECT_TRUE(cut.isEmpty()) << language << ":\n" << cut.join('\n').toStdString();
    });
}

// A larger font than the drawing's (a desktop set to large text) widens or lengthens the two
// dialogs as far as their texts need; at the drawing's font they keep its size (Properties its
// width, with the history's place under the language).
TEST_F(WindowTest, TheDialogsGrowWithALargerFont) {
    StartWindows();
    const QFont drawn = QApplication::font();
    const QList<QDialog*> dialogs = {Properties, About};
    QList<QSize> sizes;
    for (QDialog* dialog : dialogs) {
        dialog->show();
        QApplication::processEvents();
        sizes << dialog->size();
        dialog->hide();
    }
    EXPECT_EQ(sizes, (QList<QSize>{{313, 222}, {298, 213}}));
    QFont large = drawn;
    large.setPointSizeF(drawn.pointSizeF() * 1.6);
    QApplication::setFont(large);
    for (int i = 0; i < dialogs.size(); ++i) {
        dialogs[i]->show();
        QApplication::processEvents();
        const QStringList cut = CutTexts(dialogs[i]);
        EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
        EXPECT_GT(dialogs[i]->width() * dialogs[i]->height(), sizes[i].width() * sizes[i].height());
        dialogs[i]->hide();
    }
    QApplication::setFont(drawn);
}
