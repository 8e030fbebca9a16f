<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>Án&amp;o</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programe</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programátor konfiguračných konektorov</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzia %1</translation>
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
        <translation>Režim</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Podľa počtu vzoriek</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Nepretržite</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Počet vzoriek:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Čas preplachu</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Pred odberom:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Po odbere:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>Systém VAR:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Režim:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Vypnutý</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Oneskorenie štartu:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Počet preplachov:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Interval odberu:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Prevzdušnenie:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. čas nasávania:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulzy čerpadla:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Kontrola napätia</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Varovanie pri:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Vypnutie pri:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Ú&amp;daje</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Načítať údaje z adaptéra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nová sada parametrov</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvoriť</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otvoriť súbor</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložiť</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložiť súbor</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Uložiť &amp;ako</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Uložiť súbor pod novým názvom</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Nas&amp;tavenia...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Nastavenia programu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Ukončiť program</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programe...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informácie o programe</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Načítať</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapísať</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Zapísať údaje do adaptéra</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Konfigurácia Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Uložiť súbor</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Potvrdenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornenie</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;bez názvu&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Súbor už existuje. Chcete ho prepísať?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>bez názvu</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Súbor bol zmenený. Chcete ho uložiť?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Chyba komunikácie, skúste to, prosím, znova</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Chyba prístupu k súboru</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parameter je mimo povoleného rozsahu</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Konektor OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Konektor NENÁJDENÝ</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Neplatný formát parametra</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Naozaj chcete zapísať údaje do konektora?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nový jazyk sa prejaví po reštartovaní programu</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptér?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adaptér %1 používa iný program</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Nemáte oprávnenie otvoriť adaptér %1. Nainštalujte balík Brookfetch (jeho pravidlo udev povolí prístup) alebo sa pridajte do skupiny dialout a znova sa prihláste.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Nastavenia programu</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Predvolený&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulharčina</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francúzština</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Nemčina</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maďarčina</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Taliančina</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lotyština</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litovčina</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poľština</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumunčina</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španielčina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
</TS>
