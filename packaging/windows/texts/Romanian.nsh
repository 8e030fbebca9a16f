; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Romanian. The words of the sampler and the program come from
; translations/glossary_ro.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_ROMANIAN} "Pentru a folosi Brookfetch nu trebuie să acceptați această licență: ea spune cum puteți copia, modifica și distribui programul."
LangString NoticesTitle ${LANG_ROMANIAN} "Biblioteci și licențele lor"
LangString NoticesSubtitle ${LANG_ROMANIAN} "Brookfetch include biblioteci ale altor proiecte, fiecare sub propria licență."
LangString NoticesNote ${LANG_ROMANIAN} "Aici nu trebuie acceptat nimic. Aceste note sunt instalate și ca THIRD-PARTY-NOTICES.txt, iar Brookfetch le afișează în fereastra Despre."
LangString ProgramDescription ${LANG_ROMANIAN} "Brookfetch, programul în linie de comandă brookfetch-cli, traducerile lor și bibliotecile de care au nevoie."
LangString DesktopShortcut ${LANG_ROMANIAN} "Comandă rapidă pe desktop"
LangString DesktopShortcutDescription ${LANG_ROMANIAN} "O comandă rapidă către Brookfetch pe desktop."
LangString FileTypeName ${LANG_ROMANIAN} "Set de parametri Brookfetch"
LangString ShortcutComment ${LANG_ROMANIAN} "Citirea, verificarea și scrierea conectorului de configurare al unui prelevator de apă"
LangString DriverMissing ${LANG_ROMANIAN} "Adaptorul USB are nevoie de driverul D2XX al FTDI (FTD2XX.DLL), care nu este instalat pe acest calculator. Instalați driverul FTDI înainte de a conecta adaptorul; până atunci Brookfetch nu va găsi niciun adaptor."
LangString UninstallKeeps ${LANG_ROMANIAN} "Brookfetch va fi dezinstalat din directorul de mai jos. Setările dumneavoastră (în %APPDATA%\Brookfetch) și limba aleasă în Brookfetch rămân pe acest calculator. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_ROMANIAN} "Este instalat Brookfetch $PreviousVersion, o versiune mai nouă decât aceasta (${VERSION}). Doriți să o înlocuiți cu această versiune?"
LangString RemovingPrevious ${LANG_ROMANIAN} "Se dezinstalează versiunea instalată (setările se păstrează)..."
LangString ProgramRunning ${LANG_ROMANIAN} "Brookfetch rulează din $R9. Închideți Brookfetch și brookfetch-cli, apoi faceți clic pe Reîncercare; Revocare oprește fără a schimba nimic."
