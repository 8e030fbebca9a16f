// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/Translation.h"

#include "platform/registry/LanguageStore.h"
#include "platform/registry/Languages.h"
#include "platform/registry/Locations.h"

#include <QFileInfo>
#include <QStringList>

namespace {

struct Abbreviation {
    QLocale::Language Language;
    QLocale::Territory Territory; // AnyTerritory: the language's code for every other country
    const char* Code;
};

// Windows' abbreviated language names: two letters for the language, one for the country. A
// row with a country serves that country; one without is the language's main code, for every
// other country. The main codes of the program's own languages are their rows of Languages.def.
constexpr Abbreviation Abbreviations[] = {
    {QLocale::English, QLocale::UnitedKingdom, "eng"},
    {QLocale::English, QLocale::Australia, "ena"},
    {QLocale::English, QLocale::Canada, "enc"},
    {QLocale::English, QLocale::NewZealand, "enz"},
    {QLocale::English, QLocale::Ireland, "eni"},
    {QLocale::English, QLocale::SouthAfrica, "ens"},
    {QLocale::French, QLocale::Belgium, "frb"},
    {QLocale::French, QLocale::Canada, "frc"},
    {QLocale::French, QLocale::Switzerland, "frs"},
    {QLocale::French, QLocale::Luxembourg, "frl"},
    {QLocale::German, QLocale::Austria, "dea"},
    {QLocale::German, QLocale::Switzerland, "des"},
    {QLocale::German, QLocale::Luxembourg, "del"},
    {QLocale::German, QLocale::Liechtenstein, "dec"},
    {QLocale::Italian, QLocale::Switzerland, "its"},
    {QLocale::Spanish, QLocale::Mexico, "esm"},
    {QLocale::Spanish, QLocale::Argentina, "ess"},
    {QLocale::Spanish, QLocale::Colombia, "eso"},
    {QLocale::Spanish, QLocale::Chile, "esl"},
    {QLocale::Dutch, QLocale::Belgium, "nlb"},
    {QLocale::Dutch, QLocale::AnyTerritory, "nld"},
    {QLocale::Portuguese, QLocale::Brazil, "ptb"},
    {QLocale::Portuguese, QLocale::AnyTerritory, "ptg"},
    {QLocale::Danish, QLocale::AnyTerritory, "dan"},
    {QLocale::Swedish, QLocale::AnyTerritory, "sve"},
    {QLocale::NorwegianBokmal, QLocale::AnyTerritory, "nor"},
    {QLocale::NorwegianNynorsk, QLocale::AnyTerritory, "non"},
    {QLocale::Finnish, QLocale::AnyTerritory, "fin"},
    {QLocale::Greek, QLocale::AnyTerritory, "ell"},
    {QLocale::Turkish, QLocale::AnyTerritory, "trk"},
    {QLocale::Ukrainian, QLocale::AnyTerritory, "ukr"},
    {QLocale::Belarusian, QLocale::AnyTerritory, "bel"},
    {QLocale::Croatian, QLocale::AnyTerritory, "hrv"},
    {QLocale::Slovenian, QLocale::AnyTerritory, "slv"},
    {QLocale::Serbian, QLocale::AnyTerritory, "srl"},
    {QLocale::Estonian, QLocale::AnyTerritory, "eti"},
    {QLocale::Hebrew, QLocale::AnyTerritory, "heb"},
    {QLocale::Arabic, QLocale::AnyTerritory, "ara"},
    {QLocale::Japanese, QLocale::AnyTerritory, "jpn"},
    {QLocale::Korean, QLocale::AnyTerritory, "kor"},
    {QLocale::Chinese, QLocale::Taiwan, "cht"},
    {QLocale::Chinese, QLocale::HongKong, "zhh"},
    {QLocale::Chinese, QLocale::AnyTerritory, "chs"},
};

// The code of the language whatever the country.
QString MainLanguageAbbreviation(QLocale::Language language) {
    for (const TLanguage& entry : Languages)
        if (entry.Language == language)
            return QLatin1String(entry.Code);
    for (const Abbreviation& entry : Abbreviations)
        if (entry.Language == language && entry.Territory == QLocale::AnyTerritory)
            return QLatin1String(entry.Code);
    return QString();
}

// Whether `code` is `known`, or its first two letters.
bool CodeMatches(const QString& code, QLatin1String known) {
    return code.compare(known, Qt::CaseInsensitive) == 0 ||
           (code.size() == 2 && code.compare(known.left(2), Qt::CaseInsensitive) == 0);
}

} // namespace

QString WindowsLanguageAbbreviation(const QLocale& locale) {
    for (const Abbreviation& entry : Abbreviations)
        if (entry.Language == locale.language() && entry.Territory != QLocale::AnyTerritory &&
            entry.Territory == locale.territory())
            return QLatin1String(entry.Code);
    return MainLanguageAbbreviation(locale.language());
}

std::optional<QString> LanguageCodeOf(const QString& stored) {
    const QString code = stored.left(stored.indexOf(QChar(0))).left(5);
    if (code.isEmpty())
        return std::nullopt;
    for (const QChar c : code)
        if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))))
            return std::nullopt;
    return code.toLower();
}

QString ChangeFileExt(const QString& path, const QString& extension) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? path.left(dot) : path;
    if (extension.isEmpty() || extension.startsWith(QLatin1Char('.')))
        return stem + extension;
    return stem + QLatin1Char('.') + extension;
}

QLocale::Language LanguageOfCode(const QString& code) {
    for (const TLanguage& entry : Languages)
        if (CodeMatches(code, QLatin1String(entry.Code)))
            return entry.Language;
    for (const Abbreviation& entry : Abbreviations)
        if (CodeMatches(code, QLatin1String(entry.Code)))
            return entry.Language;
    return QLocale::AnyLanguage;
}

namespace {

// The first translation file for one of `codes`, beside the executable or in the installed
// tree; empty when there is none.
QString FirstTranslationFile(const QString& exePath, const QStringList& codes) {
    const QString installed =
        SharedDataFolder(exePath) + QStringLiteral("/translations/brookfetch.");
    for (const QString& code : codes) {
        for (const QString& candidate : {ChangeFileExt(exePath, code), installed + code})
            if (QFileInfo(candidate).isFile())
                return candidate;
    }
    return QString();
}

} // namespace

QString LocaleTranslationFile(const QString& exePath, const QLocale& locale) {
    QStringList codes;
    const QString abbreviation = WindowsLanguageAbbreviation(locale);
    if (!abbreviation.isEmpty()) {
        codes.push_back(abbreviation);
        codes.push_back(abbreviation.left(2));
        // Austrian, Swiss, Canadian or Mexican users read the language's main translation
        // rather than English.
        const QString main = MainLanguageAbbreviation(locale.language());
        if (main != abbreviation)
            codes.push_back(main);
    }
    return FirstTranslationFile(exePath, codes);
}

QString TranslationFileFor(const QString& exePath, const QLocale& locale) {
    if (const std::optional<QString> stored = StoredLanguageCode(exePath))
        if (const QString file = FirstTranslationFile(exePath, {*stored}); !file.isEmpty())
            return file;
    return LocaleTranslationFile(exePath, locale);
}
