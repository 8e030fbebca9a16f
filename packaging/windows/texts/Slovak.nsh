; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Slovak. The words of the sampler and the program come from
; translations/glossary_sk.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_SLOVAK} "Na používanie programu Brookfetch nemusíte túto licenciu prijať: určuje, ako smiete program kopírovať, upravovať a šíriť."
LangString NoticesTitle ${LANG_SLOVAK} "Knižnice a ich licencie"
LangString NoticesSubtitle ${LANG_SLOVAK} "Brookfetch obsahuje knižnice iných projektov, každú pod vlastnou licenciou."
LangString NoticesNote ${LANG_SLOVAK} "Tu nie je čo prijímať. Inštalácia tieto upozornenia uloží aj ako THIRD-PARTY-NOTICES.txt a okno O programe v Brookfetch ich zobrazí."
LangString ProgramDescription ${LANG_SLOVAK} "Brookfetch, program pre príkazový riadok brookfetch-cli, ich preklady a knižnice, ktoré potrebujú."
LangString DesktopShortcut ${LANG_SLOVAK} "Odkaz na pracovnej ploche"
LangString DesktopShortcutDescription ${LANG_SLOVAK} "Odkaz na program Brookfetch na pracovnej ploche."
LangString FileTypeName ${LANG_SLOVAK} "Sada parametrov Brookfetch"
LangString ShortcutComment ${LANG_SLOVAK} "Načítanie, kontrola a zápis konfiguračného konektora vzorkovača vody"
LangString DriverMissing ${LANG_SLOVAK} "USB adaptér potrebuje ovládač D2XX od firmy FTDI (FTD2XX.DLL), ktorý v tomto počítači nie je nainštalovaný. Pred pripojením adaptéra nainštalujte ovládač od FTDI; dovtedy Brookfetch nenájde žiadny adaptér."
LangString UninstallKeeps ${LANG_SLOVAK} "Program Brookfetch sa odinštaluje z nasledujúceho priečinka. Vaše nastavenia (v %APPDATA%\Brookfetch) a jazyk zvolený v programe Brookfetch v počítači zostanú. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_SLOVAK} "Je nainštalovaný Brookfetch $PreviousVersion, novšia verzia ako táto (${VERSION}). Nahradiť ho touto verziou?"
LangString RemovingPrevious ${LANG_SLOVAK} "Odstraňuje sa nainštalovaná verzia (vaše nastavenia zostanú zachované)..."
LangString ProgramRunning ${LANG_SLOVAK} "Brookfetch je spustený z priečinka $R9. Zatvorte Brookfetch aj brookfetch-cli a kliknite na Opakovať; Zrušiť skončí a nič nezmení."
