; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Czech. The words of the sampler and the program come from
; translations/glossary_cs.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_CZECH} "K používání programu Brookfetch nemusíte tuto licenci přijmout: určuje, jak smíte program kopírovat, upravovat a šířit."
LangString NoticesTitle ${LANG_CZECH} "Knihovny a jejich licence"
LangString NoticesSubtitle ${LANG_CZECH} "Brookfetch obsahuje knihovny jiných projektů, každou pod vlastní licencí."
LangString NoticesNote ${LANG_CZECH} "Zde není co přijímat. Instalace tato upozornění uloží také jako THIRD-PARTY-NOTICES.txt a okno O programu v Brookfetch je zobrazí."
LangString ProgramDescription ${LANG_CZECH} "Brookfetch, program pro příkazový řádek brookfetch-cli, jejich překlady a knihovny, které potřebují."
LangString DesktopShortcut ${LANG_CZECH} "Zástupce na ploše"
LangString DesktopShortcutDescription ${LANG_CZECH} "Zástupce programu Brookfetch na ploše."
LangString FileTypeName ${LANG_CZECH} "Sada parametrů Brookfetch"
LangString ShortcutComment ${LANG_CZECH} "Načtení, kontrola a zápis konfiguračního konektoru vzorkovače vody"
LangString DriverMissing ${LANG_CZECH} "USB adaptér potřebuje ovladač D2XX od firmy FTDI (FTD2XX.DLL), který v tomto počítači není nainstalován. Než adaptér připojíte, nainstalujte ovladač od FTDI; do té doby Brookfetch žádný adaptér nenajde."
LangString UninstallKeeps ${LANG_CZECH} "Program Brookfetch bude odinstalován z následující složky. Vaše nastavení (v %APPDATA%\Brookfetch) a jazyk zvolený v programu Brookfetch v počítači zůstanou. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_CZECH} "Je nainstalován Brookfetch $PreviousVersion, novější verze než tato (${VERSION}). Nahradit jej touto verzí?"
LangString RemovingPrevious ${LANG_CZECH} "Odebírá se nainstalovaná verze (vaše nastavení zůstanou zachována)..."
LangString ProgramRunning ${LANG_CZECH} "Brookfetch je spuštěn ze složky $R9. Zavřete Brookfetch i brookfetch-cli a klikněte na Opakovat; Storno skončí a nic nezmění."
