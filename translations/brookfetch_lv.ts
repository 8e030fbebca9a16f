<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Par programmu</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – konfigurācijas spraudņu programmētājs</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versija %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Mode</source>
        <translation>Režīms</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Pēc paraugu skaita</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Nepārtraukts</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Paraugu skaits:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Skalošanas laiks</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Pirms parauga:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Pēc parauga:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>VAR sistēma:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Režīms:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Izslēgts</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Aizture:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Skalošanu skaits:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Paraugu intervāls:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aerācija:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Maks. iesūkšanas laiks:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Sūkņa impulsi:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Sprieguma kontrole</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Brīdināt pie:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Izslēgt pie:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fails</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Nolasīt datus no adaptera</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Jauns</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Jauna datu kopa</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Atvērt</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Atvērt failu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Saglabāt</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Saglabāt failu</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Saglabāt &amp;kā</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Saglabāt failu ar citu nosaukumu</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Iestatījumi...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programmas iestatījumi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>I&amp;ziet</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Iziet no programmas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Par programmu...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informācija par programmu</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Nolasīt</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Ierakstīt</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Ierakstīt datus adapterī</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Brookfetch konfigurācija (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Saglabāt failu</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Apstiprinājums</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Kļūda</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Brīdinājums</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;nenosaukts&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Fails jau pastāv. Vai vēlaties to pārrakstīt?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>nenosaukts</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Fails ir mainīts. Vai vēlaties to saglabāt?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Sakaru kļūda. Lūdzu, mēģiniet vēlreiz</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Faila piekļuves kļūda</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametrs ārpus pieļaujamā diapazona</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Spraudnis kārtībā</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Spraudnis NAV ATRASTS</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Nederīgs parametra formāts</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Vai tiešām vēlaties ierakstīt datus spraudnī?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Jaunā valoda stāsies spēkā pēc programmas restartēšanas</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapteris?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adapteri %1 izmanto cita programma</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Nav atļaujas atvērt adapteri %1. Instalējiet Brookfetch pakotni (tās udev kārtula dod piekļuvi) vai pievienojieties grupai dialout un piesakieties no jauna.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Programmas iestatījumi</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Valoda:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Noklusētā&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgāru</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čehu</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angļu</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franču</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Vācu</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungāru</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Itāļu</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Latviešu</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lietuviešu</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poļu</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumāņu</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Krievu</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovāku</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spāņu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
</TS>
