; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Bulgarian. The words of the sampler and the program come from
; translations/glossary_bg.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_BULGARIAN} "За да използвате Brookfetch, не е нужно да приемате този лиценз: той определя как можете да копирате, променяте и разпространявате програмата."
LangString NoticesTitle ${LANG_BULGARIAN} "Библиотеки и техните лицензи"
LangString NoticesSubtitle ${LANG_BULGARIAN} "Brookfetch включва библиотеки на други проекти, всяка със собствен лиценз."
LangString NoticesNote ${LANG_BULGARIAN} "Тук няма нищо за приемане. Тези бележки се инсталират и като THIRD-PARTY-NOTICES.txt, а Brookfetch ги показва в прозореца „Относно“."
LangString ProgramDescription ${LANG_BULGARIAN} "Brookfetch, програмата за команден ред brookfetch-cli, техните преводи и библиотеките, от които се нуждаят."
LangString DesktopShortcut ${LANG_BULGARIAN} "Пряк път на работния плот"
LangString DesktopShortcutDescription ${LANG_BULGARIAN} "Пряк път към Brookfetch на работния плот."
LangString FileTypeName ${LANG_BULGARIAN} "Набор от параметри на Brookfetch"
LangString ShortcutComment ${LANG_BULGARIAN} "Четене, проверка и запис на конфигурационния конектор на пробовземател за вода"
LangString DriverMissing ${LANG_BULGARIAN} "USB адаптерът се нуждае от драйвера D2XX на FTDI (FTD2XX.DLL), който не е инсталиран на този компютър. Инсталирайте драйвера на FTDI, преди да свържете адаптера; дотогава Brookfetch няма да намери адаптер."
LangString UninstallKeeps ${LANG_BULGARIAN} "Brookfetch ще бъде изтрит от следната папка. Вашите настройки (в %APPDATA%\Brookfetch) и езикът, избран в Brookfetch, остават на този компютър. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_BULGARIAN} "Инсталиран е Brookfetch $PreviousVersion – по-нова версия от тази (${VERSION}). Да бъде ли заменен с тази версия?"
LangString RemovingPrevious ${LANG_BULGARIAN} "Изтриване на инсталираната версия (настройките ви се запазват)..."
LangString ProgramRunning ${LANG_BULGARIAN} "Brookfetch работи от папка $R9. Затворете Brookfetch и brookfetch-cli и щракнете върху „Повторен опит“; „Отказ“ спира, без да променя нищо."
