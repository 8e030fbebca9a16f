<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – Programmiergerät für Konfigurationsstecker</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Nach Probenanzahl</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Kontinuierlich</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Probenanzahl:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Spülzeit</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Vor der Probenahme:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Nach der Probenahme:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>VAR-System:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Betriebsart:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Anzahl Spülungen:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Probenahmeintervall:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Belüftung:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. Ansaugzeit:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Pumpenimpulse:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Spannungsüberwachung</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Warnung bei:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Abschalten bei:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Daten vom Adapter lesen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Neuer Datensatz</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informationen über das Programm</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>S&amp;chreiben</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Daten zum Adapter schreiben</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Brookfetch-Konfiguration (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;unbenannt&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Die Datei existiert bereits. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Die Datei wurde geändert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Kommunikationsfehler, bitte noch einmal versuchen</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Fehler beim Dateizugriff</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parameter außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Stecker OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Stecker NICHT GEFUNDEN</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Ungültiges Parameterformat</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Möchten Sie die Daten wirklich in den Stecker schreiben?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Die neue Sprache gilt nach einem Neustart des Programms</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapter?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adapter %1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Keine Berechtigung, den Adapter %1 zu öffnen. Installieren Sie das Brookfetch-Paket (seine udev-Regel gibt den Zugriff frei) oder treten Sie der Gruppe dialout bei und melden Sie sich neu an.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Standard&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgarisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slowakisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
