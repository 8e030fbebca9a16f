; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Hungarian. The words of the sampler and the program come from
; translations/glossary_hu.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_HUNGARIAN} "A Brookfetch használatához nem kell elfogadnia ezt a licencet: azt szabályozza, hogyan másolhatja, módosíthatja és terjesztheti a programot."
LangString NoticesTitle ${LANG_HUNGARIAN} "Programkönyvtárak és licenceik"
LangString NoticesSubtitle ${LANG_HUNGARIAN} "A Brookfetch más projektek programkönyvtárait is tartalmazza, mindegyiket a saját licence alatt."
LangString NoticesNote ${LANG_HUNGARIAN} "Itt nincs mit elfogadni. A telepítő ezeket a közleményeket THIRD-PARTY-NOTICES.txt néven is telepíti, és a Brookfetch Névjegy ablaka is megjeleníti őket."
LangString ProgramDescription ${LANG_HUNGARIAN} "A Brookfetch, a brookfetch-cli parancssori program, fordításaik és a szükséges könyvtárak."
LangString DesktopShortcut ${LANG_HUNGARIAN} "Asztali parancsikon"
LangString DesktopShortcutDescription ${LANG_HUNGARIAN} "A Brookfetch parancsikonja az asztalon."
LangString FileTypeName ${LANG_HUNGARIAN} "Brookfetch-paraméterkészlet"
LangString ShortcutComment ${LANG_HUNGARIAN} "Vízmintavevő konfigurációs csatlakozójának beolvasása, ellenőrzése és kiírása"
LangString DriverMissing ${LANG_HUNGARIAN} "Az USB-adapterhez az FTDI D2XX-illesztőprogramja (FTD2XX.DLL) szükséges, amely nincs telepítve ezen a számítógépen. Az adapter csatlakoztatása előtt telepítse az FTDI illesztőprogramját; addig a Brookfetch nem talál adaptert."
LangString UninstallKeeps ${LANG_HUNGARIAN} "A varázsló eltávolítja a Brookfetch programot a következő mappából. A beállításai (a %APPDATA%\Brookfetch mappában) és a Brookfetchben választott nyelv a számítógépen maradnak. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_HUNGARIAN} "A Brookfetch $PreviousVersion verziója van telepítve, amely újabb ennél a verziónál (${VERSION}). Lecseréli erre a verzióra?"
LangString RemovingPrevious ${LANG_HUNGARIAN} "A telepített verzió eltávolítása (a beállítások megmaradnak)..."
LangString ProgramRunning ${LANG_HUNGARIAN} "A Brookfetch fut a(z) $R9 mappából. Zárja be a Brookfetch és a brookfetch-cli programot, majd kattintson az Újra gombra; a Mégse kilép, és semmit sem változtat."
