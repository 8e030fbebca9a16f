; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Latvian. The words of the sampler and the program come from
; translations/glossary_lv.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_LATVIAN} "Lai lietotu Brookfetch, šī licence nav jāpieņem: tā nosaka, kā programmu drīkst kopēt, mainīt un izplatīt."
LangString NoticesTitle ${LANG_LATVIAN} "Bibliotēkas un to licences"
LangString NoticesSubtitle ${LANG_LATVIAN} "Brookfetch ietver citu projektu bibliotēkas, katru ar savu licenci."
LangString NoticesNote ${LANG_LATVIAN} "Šeit nekas nav jāpieņem. Šie paziņojumi tiek instalēti arī kā THIRD-PARTY-NOTICES.txt, un Brookfetch tos parāda logā “Par programmu”."
LangString ProgramDescription ${LANG_LATVIAN} "Brookfetch, komandrindas programma brookfetch-cli, to tulkojumi un bibliotēkas, kas tām vajadzīgas."
LangString DesktopShortcut ${LANG_LATVIAN} "Saīsne uz darbvirsmas"
LangString DesktopShortcutDescription ${LANG_LATVIAN} "Brookfetch saīsne uz darbvirsmas."
LangString FileTypeName ${LANG_LATVIAN} "Brookfetch parametru kopa"
LangString ShortcutComment ${LANG_LATVIAN} "Ūdens paraugu ņēmēja konfigurācijas spraudņa nolasīšana, pārbaude un ierakstīšana"
LangString DriverMissing ${LANG_LATVIAN} "USB adapterim vajadzīgs FTDI D2XX draiveris (FTD2XX.DLL), kas šajā datorā nav uzstādīts. Pirms adaptera pievienošanas uzstādiet FTDI draiveri; līdz tam Brookfetch neatradīs nevienu adapteri."
LangString UninstallKeeps ${LANG_LATVIAN} "Programma Brookfetch tiks atinstalēta no tālāk norādītās mapes. Jūsu iestatījumi (%APPDATA%\Brookfetch) un programmā Brookfetch izvēlētā valoda paliek šajā datorā. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_LATVIAN} "Ir uzstādīta Brookfetch $PreviousVersion — jaunāka versija nekā šī (${VERSION}). Vai aizstāt to ar šo versiju?"
LangString RemovingPrevious ${LANG_LATVIAN} "Atinstalē uzstādīto versiju (iestatījumi tiek saglabāti)..."
LangString ProgramRunning ${LANG_LATVIAN} "Brookfetch darbojas no mapes $R9. Aizveriet Brookfetch un brookfetch-cli un noklikšķiniet uz Mēģināt vēlreiz; Atcelt beidz, neko nemainot."
