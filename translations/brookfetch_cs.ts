<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programátor konfiguračních konektorů</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
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
        <translation>Podle počtu vzorků</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Nepřetržitě</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Počet vzorků:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Doba proplachu</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Před odběrem:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Po odběru:</translation>
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
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Zpoždění startu:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Počet proplachů:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Interval odběru:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Provzdušnění:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. doba sání:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulzy čerpadla:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Kontrola napětí</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Varování při:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Vypnutí při:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Načíst data z adaptéru</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nová sada parametrů</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Uložit soubor</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Uložit j&amp;ako</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Uložit soubor pod novým názvem</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Nas&amp;tavení...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Nastavení programu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Ukončit program</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informace o programu</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Načíst</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapsat</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Zapsat data do adaptéru</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Konfigurace Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Uložit soubor</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;bez názvu&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Soubor již existuje. Chcete jej přepsat?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>bez názvu</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Soubor byl změněn. Chcete jej uložit?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Chyba komunikace, zkuste to prosím znovu</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Chyba přístupu k souboru</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametr je mimo povolený rozsah</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Konektor OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Konektor NENALEZEN</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Neplatný formát parametru</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Opravdu chcete zapsat data do konektoru?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nový jazyk se projeví po restartu programu</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptér?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adaptér %1 používá jiný program</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Nemáte oprávnění otevřít adaptér %1. Nainstalujte balíček Brookfetch (jeho pravidlo udev přístup povolí) nebo se přidejte do skupiny dialout a znovu se přihlaste.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Nastavení programu</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Výchozí&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulharština</translation>
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
        <translation>Francouzština</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Němčina</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maďarština</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italština</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lotyština</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litevština</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polština</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumunština</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovenština</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španělština</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
</TS>
