<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programmatore di connettori di configurazione</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
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
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>In base al numero di campioni</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Numero di campioni:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Tempo di spurgo</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Prima del prelievo:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Dopo il prelievo:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>Sistema VAR:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Modalità:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Ritardo di avvio:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Numero di spurghi:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Intervallo di prelievo:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aerazione:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Tempo max. aspirazione:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsi pompa:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Controllo tensione</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Avviso a:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Spegnimento a:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Leggi i dati dall’adattatore</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nuovo set di parametri</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salva &amp;con nome</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Salva il file con un altro nome</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Proprietà...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Proprietà del programma</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Scrivi i dati nell’adattatore</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Configurazione Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;senza nome&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Il file esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Il file è stato modificato. Salvarlo?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Errore di comunicazione, riprovare</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Errore di accesso al file</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametro fuori intervallo</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connettore OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Connettore NON RILEVATO</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Formato del parametro non valido</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Scrivere davvero i dati nel connettore?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>La nuova lingua sarà attiva al prossimo avvio del programma</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adattatore?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>L’adattatore %1 è in uso da parte di un altro programma</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Nessun permesso per aprire l’adattatore %1. Installare il pacchetto Brookfetch (la sua regola udev concede l’accesso) oppure aggiungere l’utente al gruppo dialout e accedere di nuovo.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Proprietà del programma</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Predefinita&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaro</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lettone</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovacco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
