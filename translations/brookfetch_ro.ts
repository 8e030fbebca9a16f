<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programator pentru conectori de configurare</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versiunea %1</translation>
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
        <translation>Mod de lucru</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>După numărul de probe</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuu</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Număr de probe:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Timp de purjare</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Înainte de prelevare:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>După prelevare:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>Sistem VAR:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Mod:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Întârziere pornire:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Număr de purjări:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Interval de prelevare:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aerare:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Timp max. de aspirare:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsuri pompă:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Controlul tensiunii</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Avertizare la:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Oprire la:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fișier</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Citire date din adaptor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nou</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Set nou de parametri</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschidere</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Deschidere fișier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvare</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvare fișier</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvare &amp;ca</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Salvare fișier cu alt nume</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Proprietăți...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Proprietățile programului</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Ieșire din program</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Despre...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informații despre program</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Citire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scriere</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Scriere date în adaptor</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Configurație Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvare fișier</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmare</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertizare</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;fără nume&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Fișierul există deja. Doriți să îl suprascrieți?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>fără nume</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Fișierul a fost modificat. Doriți să îl salvați?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Eroare de comunicație, încercați din nou</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Eroare de acces la fișier</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametru în afara domeniului</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Conector OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Conector NEDETECTAT</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Format de parametru nevalid</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Sigur doriți să scrieți datele în conector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Noua limbă va fi folosită după repornirea programului</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptor?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adaptorul %1 este folosit de alt program</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Nu aveți permisiunea de a deschide adaptorul %1. Instalați pachetul Brookfetch (regula sa udev dă acces) sau adăugați utilizatorul în grupul dialout și autentificați-vă din nou.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Proprietățile programului</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Limbă:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Implicit&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgară</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cehă</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engleză</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franceză</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Germană</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maghiară</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiană</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letonă</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituaniană</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poloneză</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Română</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusă</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovacă</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaniolă</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
</TS>
