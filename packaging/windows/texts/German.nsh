; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in German. The words of the sampler and the program come from
; translations/glossary_de.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_GERMAN} "Um Brookfetch zu nutzen, müssen Sie dieser Lizenz nicht zustimmen: Sie regelt, wie Sie das Programm kopieren, ändern und weitergeben dürfen."
LangString NoticesTitle ${LANG_GERMAN} "Bibliotheken und ihre Lizenzen"
LangString NoticesSubtitle ${LANG_GERMAN} "Brookfetch bringt Bibliotheken anderer Projekte mit, jede unter ihrer eigenen Lizenz."
LangString NoticesNote ${LANG_GERMAN} "Hier ist nichts zuzustimmen. Diese Hinweise werden auch als THIRD-PARTY-NOTICES.txt installiert, und das Info-Fenster von Brookfetch zeigt sie an."
LangString ProgramDescription ${LANG_GERMAN} "Brookfetch, das Kommandozeilenprogramm brookfetch-cli, ihre Übersetzungen und die Bibliotheken, die sie brauchen."
LangString DesktopShortcut ${LANG_GERMAN} "Verknüpfung auf dem Desktop"
LangString DesktopShortcutDescription ${LANG_GERMAN} "Eine Verknüpfung zu Brookfetch auf dem Desktop."
LangString FileTypeName ${LANG_GERMAN} "Brookfetch-Parametersatz"
LangString ShortcutComment ${LANG_GERMAN} "Konfigurationsstecker eines Wasserprobenehmers lesen, prüfen und schreiben"
LangString DriverMissing ${LANG_GERMAN} "Der USB-Adapter braucht den D2XX-Treiber von FTDI (FTD2XX.DLL), der auf diesem Computer nicht installiert ist. Installieren Sie den Treiber von FTDI, bevor Sie den Adapter anschließen; bis dahin findet Brookfetch keinen Adapter."
LangString UninstallKeeps ${LANG_GERMAN} "Brookfetch wird aus dem unten angegebenen Verzeichnis entfernt. Ihre Einstellungen (in %APPDATA%\Brookfetch) und die in Brookfetch gewählte Sprache bleiben auf diesem Computer erhalten. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_GERMAN} "Installiert ist Brookfetch $PreviousVersion, eine neuere Version als diese (${VERSION}). Soll sie durch diese Version ersetzt werden?"
LangString RemovingPrevious ${LANG_GERMAN} "Die installierte Version wird entfernt (Ihre Einstellungen bleiben erhalten)..."
LangString ProgramRunning ${LANG_GERMAN} "Brookfetch läuft noch aus $R9. Schließen Sie Brookfetch und brookfetch-cli und klicken Sie dann auf Wiederholen; Abbrechen beendet den Vorgang, ohne etwas zu ändern."
