// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/SheetLanguage.h"

#include "platform/registry/Languages.h"
#include "platform/registry/Translation.h"
#include "sheet/ParameterSheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

const TLanguage* LanguageOfCodeText(const QString& code) {
    for (const TLanguage& language : Languages)
        if (code.compare(QLatin1String(language.Code), Qt::CaseInsensitive) == 0 ||
            code.compare(QLatin1String(language.File), Qt::CaseInsensitive) == 0)
            return &language;
    return nullptr;
}

} // namespace

TSheetLanguage::~TSheetLanguage() {
    if (Installed)
        QCoreApplication::removeTranslator(&Translator);
}

QString TSheetLanguage::Codes() {
    QStringList codes;
    for (const TLanguage& language : Languages)
        codes << QLatin1String(language.File);
    return codes.join(QStringLiteral(", "));
}

bool TSheetLanguage::Choose(const QString& windowProgram, const QString& code, QString& problem) {
    QLocale::Language language = QLocale::English;
    QString file;
    if (code.isEmpty()) {
        file = LocaleTranslationFile(windowProgram, QLocale::system());
        if (!file.isEmpty())
            language = LanguageOfCode(QFileInfo(file).suffix());
    } else {
        const TLanguage* chosen = LanguageOfCodeText(code);
        if (chosen == nullptr) {
            problem = QStringLiteral("--language takes one of %1 (or their three-letter "
                                     "codes, as deu for de)")
                          .arg(Codes());
            return false;
        }
        language = chosen->Language;
        file = LocaleTranslationFile(windowProgram, QLocale(language));
        if (file.isEmpty() && language != QLocale::English) {
            problem = QStringLiteral("the translation brookfetch.%1 is missing beside the "
                                     "program; reinstall it")
                          .arg(QLatin1String(chosen->Code));
            return false;
        }
    }
    if (language == QLocale::AnyLanguage)
        language = QLocale::English;
    // English is the texts' own language: its file holds no translation.
    if (language != QLocale::English && !Install(file)) {
        problem = QStringLiteral("the translation %1 cannot be read; reinstall the program")
                      .arg(QFileInfo(file).fileName());
        return false;
    }
    SheetLocaleOf = SheetLocale(language);
    return true;
}

bool TSheetLanguage::Install(const QString& file) {
    // Read whole, as the window program reads it: QTranslator::load(name) would try other
    // names beside it first.
    if (QFile source(file); source.open(QIODevice::ReadOnly))
        Data = source.readAll();
    if (Data.isEmpty() || !Translator.load(reinterpret_cast<const uchar*>(Data.constData()),
                                           static_cast<int>(Data.size())))
        return false;
    Installed = QCoreApplication::installTranslator(&Translator);
    return Installed;
}
