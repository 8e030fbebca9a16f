// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTranslator>

// The language of a sheet made without the window program (brookfetch-cli sheet): the window
// program's translation, chosen as the window program chooses its own when no language is
// stored (the user's locale), or the language asked for. The command line's own messages stay
// English; only the sheet's texts come from the translation, which is installed in the
// application while this object lives.
class TSheetLanguage {
public:
    TSheetLanguage() = default;
    ~TSheetLanguage();
    TSheetLanguage(const TSheetLanguage&) = delete;
    TSheetLanguage& operator=(const TSheetLanguage&) = delete;

    // `windowProgram`: the window program's path (its translation files lie beside it or in
    // the installed tree). `code`: one of the program's languages by its code ("de" or "deu",
    // any case), or empty for the user's locale. False with `problem` for a code of no language
    // of the program, or a language whose translation file is missing.
    bool Choose(const QString& windowProgram, const QString& code, QString& problem);

    // The locale the sheet writes its numbers in (SheetLocale of the language chosen).
    QLocale Locale() const { return SheetLocaleOf; }

    // The program's languages as --language takes them: "bg, cs, de, ...".
    static QString Codes();

private:
    bool Install(const QString& file);

    QTranslator Translator;
    QByteArray Data; // the translator reads from it while it is installed
    bool Installed = false;
    QLocale SheetLocaleOf;
};
