; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Spanish. The words of the sampler and the program come from
; translations/glossary_es.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_SPANISH} "Para usar Brookfetch no tiene que aceptar esta licencia: indica cómo puede copiar, modificar y distribuir el programa."
LangString NoticesTitle ${LANG_SPANISH} "Bibliotecas y sus licencias"
LangString NoticesSubtitle ${LANG_SPANISH} "Brookfetch incluye bibliotecas de otros proyectos, cada una con su propia licencia."
LangString NoticesNote ${LANG_SPANISH} "Aquí no hay nada que aceptar. El instalador también instala estos avisos como THIRD-PARTY-NOTICES.txt, y Brookfetch los muestra en su ventana Acerca de."
LangString ProgramDescription ${LANG_SPANISH} "Brookfetch, el programa de línea de comandos brookfetch-cli, sus traducciones y las bibliotecas que necesitan."
LangString DesktopShortcut ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString DesktopShortcutDescription ${LANG_SPANISH} "Un acceso directo a Brookfetch en el escritorio."
LangString FileTypeName ${LANG_SPANISH} "Juego de parámetros de Brookfetch"
LangString ShortcutComment ${LANG_SPANISH} "Leer, comprobar y escribir el conector de configuración de un tomamuestras de agua"
LangString DriverMissing ${LANG_SPANISH} "El adaptador USB necesita el controlador D2XX de FTDI (FTD2XX.DLL), que no está instalado en este equipo. Instale el controlador de FTDI antes de conectar el adaptador; hasta entonces Brookfetch no encontrará ningún adaptador."
LangString UninstallKeeps ${LANG_SPANISH} "Brookfetch se desinstalará del siguiente directorio. Sus ajustes (en %APPDATA%\Brookfetch) y el idioma elegido en Brookfetch permanecen en este equipo. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_SPANISH} "Está instalado Brookfetch $PreviousVersion, una versión más reciente que esta (${VERSION}). ¿Desea sustituirla por esta versión?"
LangString RemovingPrevious ${LANG_SPANISH} "Desinstalando la versión instalada (sus ajustes se conservan)..."
LangString ProgramRunning ${LANG_SPANISH} "Brookfetch se está ejecutando desde $R9. Cierre Brookfetch y brookfetch-cli y haga clic en Reintentar; Cancelar termina sin cambiar nada."
