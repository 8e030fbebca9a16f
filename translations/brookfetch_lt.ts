<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Taip</translation>
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
        <translation>Apie programą</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – konfigūracijos kištukų programatorius</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versija %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Mode</source>
        <translation>Režimas</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Pagal mėginių skaičių</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Nepertraukiamas</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Mėginių skaičius:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Praplovimo trukmė</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Prieš mėginį:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Po mėginio:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>VAR sistema:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Režimas:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Išjungta</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Delsa:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Praplovimų skaičius:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Mėginių intervalas:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aeravimas:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Maks. įsiurbimo trukmė:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Siurblio impulsai:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Įtampos kontrolė</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Įspėjimo riba:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Išjungimo riba:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Failas</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Duomenys</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Nuskaityti duomenis iš adapterio</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Žinynas</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Naujas</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Naujas duomenų rinkinys</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Atverti</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Atverti failą</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Į&amp;rašyti</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Įrašyti failą</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Įrašyti &amp;kaip</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Įrašyti failą kitu vardu</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>Nuo&amp;statos...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programos nuostatos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Baigti</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Baigti programos darbą</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Apie programą...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informacija apie programą</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Nuskaityti</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>Į&amp;rašyti</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Įrašyti duomenis į adapterį</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Brookfetch konfigūracija (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Įrašyti failą</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Patvirtinimas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Klaida</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Įspėjimas</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;bevardis&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Failas jau yra. Ar norite jį perrašyti?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>bevardis</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Failas pakeistas. Ar norite jį įrašyti?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Ryšio klaida. Bandykite dar kartą</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Failo prieigos klaida</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametras už leistinų ribų</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Kištukas tvarkingas</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Kištukas NERASTAS</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Netinkamas parametro formatas</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Ar tikrai norite įrašyti duomenis į kištuką?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nauja kalba įsigalios iš naujo paleidus programą</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapteris?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adapterį %1 naudoja kita programa</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Neturite teisės atverti adapterio %1. Įdiekite „Brookfetch“ paketą (jo udev taisyklė suteikia prieigą) arba tapkite grupės dialout nariu ir prisijunkite iš naujo.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Programos nuostatos</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Kalba:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Numatytoji&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarų</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čekų</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglų</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Prancūzų</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Vokiečių</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Vengrų</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italų</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Latvių</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lietuvių</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lenkų</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumunų</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusų</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovakų</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Ispanų</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atsisakyti</translation>
    </message>
</context>
</TS>
