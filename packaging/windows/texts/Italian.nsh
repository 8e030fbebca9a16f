; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Italian. The words of the sampler and the program come from
; translations/glossary_it.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_ITALIAN} "Per usare Brookfetch non è necessario accettare questa licenza: stabilisce come copiare, modificare e distribuire il programma."
LangString NoticesTitle ${LANG_ITALIAN} "Librerie e relative licenze"
LangString NoticesSubtitle ${LANG_ITALIAN} "Brookfetch include librerie di altri progetti, ciascuna con la propria licenza."
LangString NoticesNote ${LANG_ITALIAN} "Qui non c’è nulla da accettare. Queste note vengono installate anche come THIRD-PARTY-NOTICES.txt e Brookfetch le mostra nella finestra Informazioni."
LangString ProgramDescription ${LANG_ITALIAN} "Brookfetch, il programma a riga di comando brookfetch-cli, le loro traduzioni e le librerie di cui hanno bisogno."
LangString DesktopShortcut ${LANG_ITALIAN} "Collegamento sul desktop"
LangString DesktopShortcutDescription ${LANG_ITALIAN} "Un collegamento a Brookfetch sul desktop."
LangString FileTypeName ${LANG_ITALIAN} "Set di parametri Brookfetch"
LangString ShortcutComment ${LANG_ITALIAN} "Leggere, verificare e scrivere il connettore di configurazione di un campionatore d’acqua"
LangString DriverMissing ${LANG_ITALIAN} "L’adattatore USB richiede il driver D2XX di FTDI (FTD2XX.DLL), che non è installato su questo computer. Installare il driver di FTDI prima di collegare l’adattatore; fino ad allora Brookfetch non troverà alcun adattatore."
LangString UninstallKeeps ${LANG_ITALIAN} "Brookfetch verrà disinstallato dalla cartella seguente. Le impostazioni (in %APPDATA%\Brookfetch) e la lingua scelta in Brookfetch restano su questo computer. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_ITALIAN} "È installato Brookfetch $PreviousVersion, una versione più recente di questa (${VERSION}). Sostituirla con questa versione?"
LangString RemovingPrevious ${LANG_ITALIAN} "Rimozione della versione installata (le impostazioni vengono conservate)..."
LangString ProgramRunning ${LANG_ITALIAN} "Brookfetch è in esecuzione da $R9. Chiudere Brookfetch e brookfetch-cli, poi fare clic su Riprova; Annulla termina senza modificare nulla."
