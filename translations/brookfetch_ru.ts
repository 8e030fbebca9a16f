<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch — программатор конфигурационных разъёмов</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>По числу проб</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрерывный</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Число проб:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Время промывки</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Перед отбором:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>После отбора:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>Система VAR:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Задержка:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Число промывок:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Интервал отбора:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Аэрация:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Макс. время всасывания:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Импульсы насоса:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Контроль напряжения</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Предупреждение:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Отключение:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Данные</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Считать данные из адаптера</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Новый набор данных</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Сохранить &amp;как</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Сохранить файл под новым именем</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Сведения о программе</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Считать</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Записать данные в адаптер</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Конфигурация Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Сохранить файл</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;без имени&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Файл уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>без имени</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Файл изменён. Сохранить его?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Ошибка связи, повторите попытку</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Ошибка доступа к файлу</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Параметр вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Разъём в порядке</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Разъём НЕ НАЙДЕН</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Неверный формат параметра</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Вы действительно хотите записать данные в разъём?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Новый язык будет установлен после перезапуска программы</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Адаптер?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Адаптер %1 занят другой программой</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Нет прав на открытие адаптера %1. Установите пакет Brookfetch (его правило udev даёт доступ) или вступите в группу dialout и войдите в систему заново.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;По умолчанию&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Болгарский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Венгерский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Латышский</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словацкий</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
