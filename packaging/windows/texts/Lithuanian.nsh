; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Lithuanian. The words of the sampler and the program come from
; translations/glossary_lt.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_LITHUANIAN} "Norint naudoti Brookfetch, šios licencijos priimti nereikia: ji nustato, kaip programą galima kopijuoti, keisti ir platinti."
LangString NoticesTitle ${LANG_LITHUANIAN} "Bibliotekos ir jų licencijos"
LangString NoticesSubtitle ${LANG_LITHUANIAN} "Brookfetch pateikiamas su kitų projektų bibliotekomis, kurių kiekviena turi savo licenciją."
LangString NoticesNote ${LANG_LITHUANIAN} "Čia nieko priimti nereikia. Šie pranešimai taip pat įdiegiami kaip THIRD-PARTY-NOTICES.txt, o Brookfetch juos rodo lange „Apie programą“."
LangString ProgramDescription ${LANG_LITHUANIAN} "Brookfetch, komandinės eilutės programa brookfetch-cli, jų vertimai ir joms reikalingos bibliotekos."
LangString DesktopShortcut ${LANG_LITHUANIAN} "Nuoroda darbalaukyje"
LangString DesktopShortcutDescription ${LANG_LITHUANIAN} "Brookfetch nuoroda darbalaukyje."
LangString FileTypeName ${LANG_LITHUANIAN} "Brookfetch parametrų rinkinys"
LangString ShortcutComment ${LANG_LITHUANIAN} "Vandens mėginių ėmiklio konfigūracijos kištuko nuskaitymas, tikrinimas ir programavimas"
LangString DriverMissing ${LANG_LITHUANIAN} "USB adapteriui reikia FTDI D2XX tvarkyklės (FTD2XX.DLL), kuri šiame kompiuteryje neįdiegta. Prieš prijungdami adapterį įdiekite FTDI tvarkyklę; iki tol Brookfetch neras jokio adapterio."
LangString UninstallKeeps ${LANG_LITHUANIAN} "Programa Brookfetch bus pašalinta iš toliau nurodyto katalogo. Jūsų nuostatos (%APPDATA%\Brookfetch) ir programoje Brookfetch pasirinkta kalba lieka šiame kompiuteryje. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_LITHUANIAN} "Įdiegta Brookfetch $PreviousVersion – naujesnė versija nei ši (${VERSION}). Ar pakeisti ją šia versija?"
LangString RemovingPrevious ${LANG_LITHUANIAN} "Šalinama įdiegta versija (nuostatos išsaugomos)..."
LangString ProgramRunning ${LANG_LITHUANIAN} "Brookfetch veikia iš aplanko $R9. Uždarykite Brookfetch ir brookfetch-cli ir spustelėkite „Kartoti“; „Atšaukti“ baigia nieko nekeisdamas."
