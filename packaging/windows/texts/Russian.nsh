; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in Russian. The words of the sampler and the program come from
; translations/glossary_ru.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_RUSSIAN} "Чтобы пользоваться Brookfetch, принимать эту лицензию не нужно: она определяет, как можно копировать, изменять и распространять программу."
LangString NoticesTitle ${LANG_RUSSIAN} "Библиотеки и их лицензии"
LangString NoticesSubtitle ${LANG_RUSSIAN} "Brookfetch включает библиотеки других проектов, каждую под её собственной лицензией."
LangString NoticesNote ${LANG_RUSSIAN} "Здесь ничего не нужно принимать. Эти сведения также устанавливаются в файл THIRD-PARTY-NOTICES.txt, и Brookfetch показывает их в окне «О программе»."
LangString ProgramDescription ${LANG_RUSSIAN} "Brookfetch, программа командной строки brookfetch-cli, их переводы и нужные им библиотеки."
LangString DesktopShortcut ${LANG_RUSSIAN} "Ярлык на рабочем столе"
LangString DesktopShortcutDescription ${LANG_RUSSIAN} "Ярлык Brookfetch на рабочем столе."
LangString FileTypeName ${LANG_RUSSIAN} "Набор параметров Brookfetch"
LangString ShortcutComment ${LANG_RUSSIAN} "Чтение, проверка и запись конфигурационного разъёма пробоотборника воды"
LangString DriverMissing ${LANG_RUSSIAN} "Для USB-адаптера нужен драйвер D2XX от FTDI (FTD2XX.DLL), который на этом компьютере не установлен. Установите драйвер FTDI до подключения адаптера; до тех пор Brookfetch не найдёт адаптер."
LangString UninstallKeeps ${LANG_RUSSIAN} "Brookfetch будет удалён из указанной ниже папки. Ваши настройки (в %APPDATA%\Brookfetch) и язык, выбранный в Brookfetch, останутся на этом компьютере. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_RUSSIAN} "Установлен Brookfetch $PreviousVersion — более новая версия, чем эта (${VERSION}). Заменить её этой версией?"
LangString RemovingPrevious ${LANG_RUSSIAN} "Удаление установленной версии (ваши настройки сохраняются)..."
LangString ProgramRunning ${LANG_RUSSIAN} "Brookfetch запущен из папки $R9. Закройте Brookfetch и brookfetch-cli и нажмите «Повтор»; «Отмена» прекращает работу, ничего не меняя."
