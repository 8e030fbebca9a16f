; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in English. The words of the sampler and the program come from
; the term base, translations/TERMS.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_ENGLISH} "You need not accept this license to use Brookfetch: it says how you may copy, change and pass the program on."
LangString NoticesTitle ${LANG_ENGLISH} "Libraries and their licenses"
LangString NoticesSubtitle ${LANG_ENGLISH} "Brookfetch comes with libraries of other projects, each under its own license."
LangString NoticesNote ${LANG_ENGLISH} "Nothing to accept here. Setup also installs these notices as THIRD-PARTY-NOTICES.txt, and the About box of Brookfetch shows them."
LangString ProgramDescription ${LANG_ENGLISH} "Brookfetch, the command-line program brookfetch-cli, their translations and the libraries they need."
LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopShortcutDescription ${LANG_ENGLISH} "A shortcut to Brookfetch on the desktop."
LangString FileTypeName ${LANG_ENGLISH} "Brookfetch parameter set"
LangString ShortcutComment ${LANG_ENGLISH} "Read, check and write the configuration connector of a water sampler"
LangString DriverMissing ${LANG_ENGLISH} "The USB adapter needs FTDI's D2XX driver (FTD2XX.DLL), which is not installed on this computer. Install the driver from FTDI before you connect the adapter; until then Brookfetch finds no adapter."
LangString UninstallKeeps ${LANG_ENGLISH} "Brookfetch will be removed from the folder below. Your settings (in %APPDATA%\Brookfetch) and the language chosen in Brookfetch stay on this computer. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_ENGLISH} "Brookfetch $PreviousVersion is installed, a newer version than this one (${VERSION}). Replace it with this version?"
LangString RemovingPrevious ${LANG_ENGLISH} "Removing the installed version (your settings are kept)..."
LangString ProgramRunning ${LANG_ENGLISH} "Brookfetch is running from $R9. Close Brookfetch and brookfetch-cli, then click Retry; Cancel stops and changes nothing."
