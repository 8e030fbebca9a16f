<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Относно</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – програматор за конфигурационни конектори</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
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
        <translation>По брой проби</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрекъснат</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Брой проби:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Време за промиване</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Преди пробовземане:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>След пробовземане:</translation>
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
        <translation>Изключен</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Забавяне:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Брой промивания:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Проба на всеки:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Аериране:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Макс. време за засмукване:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Импулси на помпата:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Контрол на напрежението</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Предупреждение:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Изключване:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Данни</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Четене на данните от адаптера</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нов</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Нов набор от данни</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Отваряне</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Отваряне на файл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запазване</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Запазване на файла</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Запазване &amp;като</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Запазване на файла с ново име</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Н&amp;астройки...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Настройки на програмата</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Изход от програмата</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Относно...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Информация за програмата</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Четене</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Запис</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Запис на данните в адаптера</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Конфигурация на Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Запазване на файл</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Потвърждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;без име&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Файлът вече съществува. Искате ли да го замените?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>без име</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Файлът е променен. Искате ли да го запазите?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Грешка в комуникацията, опитайте отново</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Грешка при достъп до файла</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Параметър извън допустимия диапазон</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Конекторът е наред</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Конекторът НЕ Е НАМЕРЕН</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Невалиден формат на параметъра</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Наистина ли искате да запишете данните в конектора?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Новият език ще се използва след рестартиране на програмата</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Адаптер?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Адаптерът %1 се използва от друга програма</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Няма права за отваряне на адаптера %1. Инсталирайте пакета Brookfetch (правилото му за udev дава достъп) или се присъединете към групата dialout и влезте отново.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Настройки на програмата</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Език:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;По подразбиране&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Български</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешки</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английски</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Френски</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немски</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Унгарски</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Италиански</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Латвийски</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовски</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Полски</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Румънски</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Руски</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Словашки</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испански</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
</TS>
