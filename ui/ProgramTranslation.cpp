// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramTranslation.h"

#include "platform/registry/Translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

QLocale::Language InstalledLanguage = QLocale::English;

} // namespace

TProgramTranslation::~TProgramTranslation() {
    QCoreApplication::removeTranslator(&QtTranslation);
    if (QCoreApplication::removeTranslator(&Translation))
        InstalledLanguage = QLocale::English;
}

QLocale::Language TProgramTranslation::Language() {
    return InstalledLanguage;
}

bool TProgramTranslation::Install(const QString& exePath) {
    return InstallFile(TranslationFileFor(exePath));
}

bool TProgramTranslation::InstallFile(const QString& file) {
    // Loaded from memory: QTranslator::load(file) would try "<file>.qm" and shortened names
    // first and could pick up some other file beside the executable.
    if (QFile source(file); !file.isEmpty() && source.open(QIODevice::ReadOnly))
        Data = source.readAll();
    if (Data.isEmpty() || !Translation.load(reinterpret_cast<const uchar*>(Data.constData()),
                                            static_cast<int>(Data.size())))
        return false;
    QCoreApplication::installTranslator(&Translation);
    if (const QLocale locale(Translation.language()); locale.language() != QLocale::C)
        InstalledLanguage = locale.language();
    // "de_DE" finds qtbase_de.qm. Where Qt has no qtbase file for a language, its older
    // complete catalogue qt_xx.qm may still hold the file dialog's texts (Lithuanian).
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString language = Translation.language();
    if (!language.isEmpty() && (QtTranslation.load(QStringLiteral("qtbase_") + language, folder) ||
                                QtTranslation.load(QStringLiteral("qt_") + language, folder)))
        QCoreApplication::installTranslator(&QtTranslation);
    return true;
}
