; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Polish. The words of the sampler and the program come from
; translations/glossary_pl.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_POLISH} "Aby używać programu Brookfetch, nie musisz akceptować tej licencji: określa ona, jak możesz kopiować, zmieniać i rozpowszechniać program."
LangString NoticesTitle ${LANG_POLISH} "Biblioteki i ich licencje"
LangString NoticesSubtitle ${LANG_POLISH} "Brookfetch zawiera biblioteki innych projektów, każdą na jej własnej licencji."
LangString NoticesNote ${LANG_POLISH} "Nie trzeba tu niczego akceptować. Te informacje są też instalowane jako THIRD-PARTY-NOTICES.txt, a Brookfetch pokazuje je w oknie „O programie”."
LangString ProgramDescription ${LANG_POLISH} "Brookfetch, program wiersza poleceń brookfetch-cli, ich tłumaczenia i potrzebne im biblioteki."
LangString DesktopShortcut ${LANG_POLISH} "Skrót na pulpicie"
LangString DesktopShortcutDescription ${LANG_POLISH} "Skrót do programu Brookfetch na pulpicie."
LangString FileTypeName ${LANG_POLISH} "Zestaw parametrów Brookfetch"
LangString ShortcutComment ${LANG_POLISH} "Odczyt, sprawdzanie i programowanie złącza konfiguracyjnego pobieraka próbek wody"
LangString DriverMissing ${LANG_POLISH} "Adapter USB wymaga sterownika D2XX firmy FTDI (FTD2XX.DLL), który nie jest zainstalowany na tym komputerze. Zainstaluj sterownik FTDI przed podłączeniem adaptera; do tego czasu Brookfetch nie znajdzie adaptera."
LangString UninstallKeeps ${LANG_POLISH} "Brookfetch zostanie usunięty z poniższego folderu. Twoje ustawienia (w %APPDATA%\Brookfetch) i język wybrany w programie Brookfetch pozostaną na tym komputerze. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_POLISH} "Zainstalowany jest Brookfetch $PreviousVersion, nowsza wersja niż ta (${VERSION}). Czy zastąpić ją tą wersją?"
LangString RemovingPrevious ${LANG_POLISH} "Usuwanie zainstalowanej wersji (ustawienia zostaną zachowane)..."
LangString ProgramRunning ${LANG_POLISH} "Brookfetch jest uruchomiony z folderu $R9. Zamknij Brookfetch i brookfetch-cli, a następnie kliknij Ponów próbę; Anuluj kończy bez wprowadzania zmian."
