<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="87"/>
        <source>Tool bar</source>
        <extracomment>Name of the main window&apos;s tool bar (New, Read, Write) for screen readers; not shown.</extracomment>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <location filename="../ui/AccessibleNames.cpp" line="93"/>
        <source>Logo</source>
        <extracomment>Name of the logo picture of the main window and the About box for screen readers; not shown.</extracomment>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="74"/>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="75"/>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="76"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="77"/>
        <source>File Folder</source>
        <translation>Cartella di file</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="78"/>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="79"/>
        <source>Shortcut</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="80"/>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="21"/>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Cartella non trovata.
Verifica che sia stato inserito il nome corretto della cartella.</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="24"/>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
File non trovato.
Verifica che sia stato inserito il nome corretto del file.</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="26"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Vuoi sostituirlo?</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="27"/>
        <source>&amp;Choose</source>
        <translation>S&amp;cegli</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="28"/>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="29"/>
        <source>&amp;New Folder</source>
        <translation>&amp;Nuova cartella</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="30"/>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="31"/>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="32"/>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="33"/>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; è protetto da scrittura.
Vuoi eliminarlo comunque?</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="34"/>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="35"/>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="36"/>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sei sicuro di voler eliminare &apos;%1&apos;?</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="37"/>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="38"/>
        <source>Change to detail view mode</source>
        <translation>Passa alla modalità vista dettagliata</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="39"/>
        <source>Change to list view mode</source>
        <translation>Passa alla modalità vista a elenco</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="40"/>
        <source>Could not delete directory.</source>
        <translation>Impossibile rimuovere la cartella.</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="41"/>
        <source>Create a New Folder</source>
        <translation>Crea una nuova cartella</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="42"/>
        <source>Create New Folder</source>
        <translation>Crea nuova cartella</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="43"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="44"/>
        <source>Detail View</source>
        <translation>Vista dettagliata</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="45"/>
        <source>Directories</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="46"/>
        <source>Directory:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="47"/>
        <source>File &amp;name:</source>
        <translation>&amp;Nome del file:</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="48"/>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="49"/>
        <source>Files of type:</source>
        <translation>File di tipo:</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="50"/>
        <source>Find Directory</source>
        <translation>Trova cartella</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="51"/>
        <source>Forward</source>
        <translation>Vai avanti</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="52"/>
        <source>Go back</source>
        <translation>Vai indietro</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="53"/>
        <source>Go forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="54"/>
        <source>Go to the parent directory</source>
        <translation>Vai alla cartella superiore</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="55"/>
        <source>List of places and bookmarks</source>
        <translation>Lista di risorse e segnalibri</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="56"/>
        <source>List View</source>
        <translation>Vista a elenco</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="57"/>
        <source>Look in:</source>
        <translation>Cerca in:</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="58"/>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="59"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="60"/>
        <source>Parent Directory</source>
        <translation>Cartella superiore</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="61"/>
        <source>Recent Places</source>
        <translation>Risorse recenti</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="62"/>
        <source>Remove</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="63"/>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="64"/>
        <source>Show </source>
        <translation>Mostra </translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="65"/>
        <source>Show &amp;hidden files</source>
        <translation>Mostra i &amp;file nascosti</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="66"/>
        <source>Sidebar</source>
        <translation>Barra laterale</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="67"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="68"/>
        <source>Date Modified</source>
        <translation>Data di modifica</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="69"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="70"/>
        <source>My Computer</source>
        <translation>Il mio computer</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="71"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="72"/>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="73"/>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="85"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="85"/>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="86"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="86"/>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="87"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="87"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="88"/>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="14"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="15"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../ui/About.ui" line="14"/>
        <source>About</source>
        <extracomment>Title of the About box.</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location filename="../ui/About.ui" line="86"/>
        <source>Brookfetch - Configuration Connector programmer</source>
        <extracomment>About box: what the program is. The connector is the sampler&apos;s plug-in configuration memory (TERMS.md).</extracomment>
        <translation>Brookfetch – programmatore di connettori di configurazione</translation>
    </message>
    <message>
        <location filename="../ui/About.ui" line="102"/>
        <source>Version %1</source>
        <extracomment>About box: %1 is the version number.</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location filename="../ui/About.ui" line="171"/>
        <source>&amp;Licences</source>
        <extracomment>Button of the About box: opens the window with the licences of Brookfetch and of the libraries it uses.</extracomment>
        <translation>&amp;Licenze</translation>
    </message>
    <message>
        <location filename="../ui/About.ui" line="187"/>
        <source>OK</source>
        <extracomment>Button: closes the About box</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="67"/>
        <source>any</source>
        <translation>qualsiasi</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="78"/>
        <source>Programming History</source>
        <translation>Cronologia di programmazione</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="83"/>
        <source>File, adapter serial number, checksum, user...</source>
        <translation>File, numero di serie dell’adattatore, somma di controllo, utente...</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="89"/>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="89"/>
        <source>Succeeded</source>
        <translation>Riusciti</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="89"/>
        <source>Failed</source>
        <translation>Non riusciti</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="97"/>
        <source>&amp;Search:</source>
        <translation>Ce&amp;rca:</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="99"/>
        <source>&amp;From:</source>
        <translation>&amp;Da:</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="101"/>
        <source>&amp;To:</source>
        <translation>&amp;A:</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="103"/>
        <source>&amp;Result:</source>
        <translation>Ris&amp;ultato:</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="111"/>
        <source>Entries</source>
        <translation>Voci</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="265"/>
        <source>damaged lines of the history skipped: %1</source>
        <translation>righe danneggiate della cronologia saltate: %1</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="297"/>
        <source>Adapter: %1 %2, serial number %3; connector with %4</source>
        <translation>Adattatore: %1 %2, numero di serie %3; connettore con %4</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="371"/>
        <source>The entries shown were exported into %1.</source>
        <translation>Le voci mostrate sono state esportate in %1.</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="141"/>
        <source>Entry</source>
        <translation>Voce</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="54"/>
        <source>small memory</source>
        <translation>memoria piccola</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="56"/>
        <source>large memory</source>
        <translation>memoria grande</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="152"/>
        <source>&amp;Open these parameters</source>
        <translation>A&amp;pri questi parametri</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="154"/>
        <source>&amp;Print sheet...</source>
        <translation>S&amp;tampa il foglio...</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="156"/>
        <source>Export as P&amp;DF...</source>
        <translation>Esporta in PD&amp;F...</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="158"/>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="263"/>
        <source>%1 of %2 entries shown</source>
        <translation>Voci mostrate: %1 di %2</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="295"/>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="301"/>
        <source>Checksum: %1</source>
        <translation>Somma di controllo: %1</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="302"/>
        <source>By %1 on %2 with %3</source>
        <translation>Utente %1, computer %2, programma %3</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="357"/>
        <source>history</source>
        <translation>cronologia</translation>
    </message>
</context>
<context>
    <name>THistoryTable</name>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="51"/>
        <source>Read</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="53"/>
        <source>Write</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="127"/>
        <location filename="../ui/HistoryTable.cpp" line="55"/>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="292"/>
        <location filename="../ui/HistoryTable.cpp" line="73"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/HistoryForm.cpp" line="128"/>
        <location filename="../ui/HistoryForm.cpp" line="292"/>
        <location filename="../ui/HistoryTable.cpp" line="73"/>
        <source>Failed</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="93"/>
        <source>Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="95"/>
        <source>Action</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="97"/>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="99"/>
        <source>Checksum</source>
        <translation>Somma di controllo</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="101"/>
        <source>Adapter</source>
        <translation>Adattatore</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="103"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../ui/HistoryTable.cpp" line="105"/>
        <source>User</source>
        <translation>Utente</translation>
    </message>
</context>
<context>
    <name>TLicencesBox</name>
    <message>
        <location filename="../ui/Licences.ui" line="14"/>
        <source>Licences</source>
        <extracomment>Title of the window that shows the licences, opened from the About box.</extracomment>
        <translation>Licenze</translation>
    </message>
    <message>
        <location filename="../ui/Licences.ui" line="38"/>
        <source>Brookfetch is free software: you may pass it on and change it under the terms of the GNU General Public License, version 3 or later. The libraries it uses keep their own licences.</source>
        <extracomment>Licences window, above the licence texts. Name the licence as its official translation into your language does, if there is one.</extracomment>
        <translation>Brookfetch è software libero: è possibile ridistribuirlo e modificarlo secondo i termini della GNU General Public License, versione 3 o successiva. Le librerie che utilizza mantengono le proprie licenze.</translation>
    </message>
    <message>
        <location filename="../ui/Licences.ui" line="81"/>
        <source>Libraries</source>
        <extracomment>Licences window: the tab with the notices and licences of the other software that comes with Brookfetch (Qt, libjpeg, the compiler&apos;s runtime).</extracomment>
        <translation>Librerie</translation>
    </message>
    <message>
        <location filename="../ui/Licences.ui" line="134"/>
        <source>Close</source>
        <extracomment>Button: closes the Licences window</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../ui/Licences.cpp" line="125"/>
        <source>Brookfetch runs on these libraries of the system, each under the licences named; the full texts are in the file at the end of each line.</source>
        <extracomment>Licences window, tab &quot;Libraries&quot;, on Linux, above a list of the system&apos;s libraries (package, version, licences, the file with their full texts).</extracomment>
        <translation>Brookfetch funziona con queste librerie del sistema, ognuna con le licenze indicate; i testi completi sono nel file in fondo a ogni riga.</translation>
    </message>
    <message>
        <location filename="../ui/Licences.cpp" line="135"/>
        <source>Brookfetch uses Qt, libjpeg and the C++ runtime library, each under a licence of its own. A package of Brookfetch for Windows brings their notices in the file THIRD-PARTY-NOTICES.txt beside brookfetch.exe. On Linux they come with the system&apos;s libraries: on Debian in /usr/share/doc/&lt;package&gt;/copyright.</source>
        <extracomment>Licences window, tab &quot;Libraries&quot;, where no notices file lies beside the program: a Linux build uses the system&apos;s own libraries. Keep the file and folder names as they are; &lt;package&gt; stands for a package&apos;s name.</extracomment>
        <translation>Brookfetch utilizza Qt, libjpeg e la libreria di runtime C++, ciascuna con la propria licenza. Un pacchetto di Brookfetch per Windows ne include le note nel file THIRD-PARTY-NOTICES.txt accanto a brookfetch.exe. Su Linux le note accompagnano le librerie del sistema: su Debian in /usr/share/doc/&lt;pacchetto&gt;/copyright.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../ui/Main.ui" line="181"/>
        <source>Acc. to Samples Count</source>
        <extracomment>Parameter page. Sampling mode: the run ends after the number of samples set below.</extracomment>
        <translation>In base al numero di campioni</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="191"/>
        <source>Continuous</source>
        <extracomment>Parameter page. Sampling mode: the sampler keeps taking samples until stopped.</extracomment>
        <translation>Continua</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="276"/>
        <source>Purging time</source>
        <extracomment>Parameter page. Heading. Purging: the pump blows air back through the suction line to empty it (not rinsing with water). See translations/TERMS.md.</extracomment>
        <translation>Tempo di spurgo</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="406"/>
        <source>VAR System :</source>
        <extracomment>Parameter page. Heading: the sampler&apos;s VAR input, an external 0/4–20 mA signal that controls sampling.</extracomment>
        <translation>Sistema VAR:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="447"/>
        <source>Disabled</source>
        <extracomment>Parameter page. VAR input mode: the input is not used.</extracomment>
        <translation>Disattivato</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="740"/>
        <source>Pump Pulses :</source>
        <extracomment>Parameter page. Display only: pump pulses per sample, measured by the sampler.</extracomment>
        <translation>Impulsi pompa:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="815"/>
        <source>Voltage control</source>
        <extracomment>Parameter page. Heading: the battery voltage thresholds of the sampler.</extracomment>
        <translation>Controllo tensione</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="175"/>
        <source>&amp;Mode</source>
        <extracomment>Parameter page. Title of the choice how a sampling run ends: after a number of samples, or continuous. &amp;: Alt letter, distinct from the other fields&apos; and the menu titles&apos; letters.</extracomment>
        <translation>&amp;Modalità</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="204"/>
        <source>Samples &amp;Count :</source>
        <extracomment>Parameter page. Number of samples in a run (1..255). &amp;: Alt letter.</extracomment>
        <translation>&amp;Numero di campioni:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="288"/>
        <source>&amp;Before Sampling :</source>
        <extracomment>Parameter page. Under the heading &quot;Purging time&quot;: seconds of purging before each sample is drawn. &amp;: Alt letter.</extracomment>
        <translation>&amp;Prima del prelievo:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="320"/>
        <location filename="../ui/Main.ui" line="359"/>
        <location filename="../ui/Main.ui" line="694"/>
        <location filename="../ui/Main.ui" line="733"/>
        <source>[s]</source>
        <extracomment>Unit: seconds.</extracomment>
        <translation>[s]</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="327"/>
        <source>&amp;After Sampling :</source>
        <extracomment>Parameter page. Under the heading &quot;Purging time&quot;: seconds of purging after each sample. &amp;: Alt letter.</extracomment>
        <translation>D&amp;opo il prelievo:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="418"/>
        <source>M&amp;ode :</source>
        <extracomment>Parameter page. Under the heading &quot;VAR System&quot;: how the VAR input is used (Disabled, 0 - 20mA, 4 - 20mA). &amp;: Alt letter.</extracomment>
        <translation>Moda&amp;lità:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="512"/>
        <source>&amp;Time Delay :</source>
        <extracomment>Parameter page. Dead time: how long the sampler waits after the start before the first sample (hh:mm:ss). &amp;: Alt letter.</extracomment>
        <translation>&amp;Ritardo di avvio:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="544"/>
        <location filename="../ui/Main.ui" line="615"/>
        <source>[hh:mm:ss]</source>
        <extracomment>Time format: hours:minutes:seconds, as typed into the field.</extracomment>
        <translation>[hh:mm:ss]</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="551"/>
        <source>&amp;Purges Count :</source>
        <extracomment>Parameter page. How many times the suction line is purged (air blown back) before a sample, 0..5. &amp;: Alt letter.</extracomment>
        <translation>Numero di &amp;spurghi:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="583"/>
        <source>Sampling &amp;Interval :</source>
        <extracomment>Parameter page. Time from one sample to the next (hh:mm:ss). &amp;: Alt letter.</extracomment>
        <translation>&amp;Intervallo di prelievo:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="662"/>
        <source>A&amp;eration :</source>
        <extracomment>Parameter page. Seconds the pump blows air through the sample in the bottle (aeration). &amp;: Alt letter.</extracomment>
        <translation>A&amp;erazione:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="701"/>
        <source>Ma&amp;x Suction Time :</source>
        <extracomment>Parameter page. Longest time the pump may suck to draw one sample; seconds. &amp;: Alt letter.</extracomment>
        <translation>&amp;Tempo max. aspirazione:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="827"/>
        <source>&amp;Warning at :</source>
        <extracomment>Parameter page. Under &quot;Voltage control&quot;: battery voltage at which the sampler warns. &amp;: Alt letter.</extracomment>
        <translation>A&amp;vviso a:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="859"/>
        <location filename="../ui/Main.ui" line="898"/>
        <source>[V]</source>
        <extracomment>Unit: volts.</extracomment>
        <translation>[V]</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="866"/>
        <source>&amp;Switch off at :</source>
        <extracomment>Parameter page. Under &quot;Voltage control&quot;: battery voltage at which the sampler switches itself off. &amp;: Alt letter.</extracomment>
        <translation>Spe&amp;gnimento a:</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="981"/>
        <source>&amp;File</source>
        <extracomment>Menu title. &amp;: Alt letter, distinct from the other titles&apos; and from the parameter fields&apos; letters.</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="997"/>
        <source>&amp;Data</source>
        <extracomment>Menu title: reading and writing the connector. &amp;: Alt letter, distinct from the other titles&apos; and the fields&apos; letters.</extracomment>
        <translation>&amp;Dati</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1000"/>
        <location filename="../ui/Main.ui" line="1162"/>
        <source>Read data from adapter</source>
        <extracomment>Tool tip: reads the parameters from the connector plugged into the adapter.</extracomment>
        <translation>Leggi i dati dall’adattatore</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1009"/>
        <source>&amp;Help</source>
        <extracomment>Menu title. &amp;: Alt letter, distinct from the other titles&apos; and the fields&apos; letters.</extracomment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1056"/>
        <source>&amp;New</source>
        <extracomment>File menu: starts a new data set with the default parameters.</extracomment>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1059"/>
        <source>New session</source>
        <extracomment>Tool tip of File &gt; New.</extracomment>
        <translation>Nuovo set di parametri</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1067"/>
        <source>&amp;Open</source>
        <extracomment>File menu: opens a configuration file (.brk).</extracomment>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1070"/>
        <location filename="../ui/FileDialogs.cpp" line="100"/>
        <source>Open File</source>
        <extracomment>Tool tip of File &gt; Open, and the title of the Open dialog.</extracomment>
        <translation>Apri file</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1078"/>
        <source>&amp;Save</source>
        <extracomment>File menu: saves to a file on disk. Not the same word as Data &gt; Write (to the connector).</extracomment>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1081"/>
        <source>Save File</source>
        <extracomment>Tool tip of File &gt; Save.</extracomment>
        <translation>Salva file</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1089"/>
        <source>Save &amp;As</source>
        <extracomment>File menu: saves to a file under a new name.</extracomment>
        <translation>Salva &amp;con nome</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1092"/>
        <source>Save File with new name</source>
        <extracomment>Tool tip of File &gt; Save As.</extracomment>
        <translation>Salva il file con un altro nome</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1097"/>
        <source>&amp;Print...</source>
        <extracomment>File menu: prints the parameter sheet (the parameters on one page, with room for the signatures of who programmed and who checked them) through the system&apos;s print dialog.</extracomment>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1120"/>
        <source>P&amp;roperties...</source>
        <extracomment>File menu: the program&apos;s settings (the language).</extracomment>
        <translation>&amp;Proprietà...</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1136"/>
        <source>Brookfetch &amp;Help</source>
        <extracomment>Help menu: opens the user guide in the program&apos;s language. F1 on a field opens the guide at that field. &quot;Brookfetch&quot; stays as it is.</extracomment>
        <translation>&amp;Guida di Brookfetch</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1139"/>
        <source>Open the user guide</source>
        <extracomment>Tool tip of Help &gt; Brookfetch Help.</extracomment>
        <translation>Apri la guida utente</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1185"/>
        <source>&amp;History...</source>
        <extracomment>Data menu: opens the programming history, the list of every read and write of a connector with its time, result, file and adapter.</extracomment>
        <translation>&amp;Cronologia...</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1188"/>
        <source>Show every read and write of a connector</source>
        <extracomment>Tool tip of Data &gt; History.</extracomment>
        <translation>Mostra ogni lettura e scrittura di un connettore</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1100"/>
        <source>Print the parameter sheet</source>
        <extracomment>Tool tip of File &gt; Print.</extracomment>
        <translation>Stampa il foglio dei parametri</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1123"/>
        <source>Program Properties</source>
        <extracomment>Tool tip of File &gt; Properties: the program&apos;s own settings (the language).</extracomment>
        <translation>Proprietà del programma</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1128"/>
        <source>E&amp;xit</source>
        <extracomment>File menu: ends the program.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1108"/>
        <source>&amp;Export as PDF...</source>
        <extracomment>File menu: saves the parameter sheet (the page File &gt; Print prints) as a PDF file. &quot;PDF&quot; stays as it is.</extracomment>
        <translation>Esporta in P&amp;DF...</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1131"/>
        <source>Exit Program</source>
        <extracomment>Tool tip of File &gt; Exit.</extracomment>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1111"/>
        <source>Save the parameter sheet as a PDF file</source>
        <extracomment>Tool tip of File &gt; Export as PDF.</extracomment>
        <translation>Salva il foglio dei parametri come file PDF</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1147"/>
        <source>&amp;About...</source>
        <extracomment>Help menu: shows the program&apos;s name and version.</extracomment>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1150"/>
        <source>Informations about program</source>
        <extracomment>Tool tip of Help &gt; About.</extracomment>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1159"/>
        <source>&amp;Read</source>
        <extracomment>Data menu: reads the parameters from the connector.</extracomment>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1174"/>
        <source>&amp;Write</source>
        <extracomment>Data menu: writes the parameters into the connector. Not the same word as File &gt; Save.</extracomment>
        <translation>&amp;Scrivi</translation>
    </message>
    <message>
        <location filename="../ui/Main.ui" line="1177"/>
        <source>Write data to adapter</source>
        <extracomment>Tool tip: writes the parameters into the connector plugged into the adapter.</extracomment>
        <translation>Scrivi i dati nell’adattatore</translation>
    </message>
    <message>
        <location filename="../ui/FileDialogs.cpp" line="101"/>
        <location filename="../ui/FileDialogs.cpp" line="103"/>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Configurazione Brookfetch (*.brk)</translation>
    </message>
    <message>
        <location filename="../ui/FileDialogs.cpp" line="102"/>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <location filename="../ui/FileDialogs.cpp" line="104"/>
        <source>Export as PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <location filename="../ui/FileDialogs.cpp" line="105"/>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/FileDialogs.cpp" line="106"/>
        <source>Export History</source>
        <translation>Esporta cronologia</translation>
    </message>
    <message>
        <location filename="../ui/FileDialogs.cpp" line="107"/>
        <source>CSV file for spreadsheets (*.csv)</source>
        <translation>File CSV per fogli di calcolo (*.csv)</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <location filename="../ui/Msg.ui" line="12"/>
        <source>Confirmation</source>
        <extracomment>Title of every question box.</extracomment>
        <translation>Conferma</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="22"/>
        <source>Error</source>
        <extracomment>Title of every error box, and the status bar&apos;s result after a failed operation.</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="32"/>
        <source>Warning</source>
        <extracomment>Title of the box that says the new language applies at the next start.</extracomment>
        <translation>Avviso</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="42"/>
        <source>&lt;noname&gt;</source>
        <extracomment>Status bar: the current data have no file name yet.</extracomment>
        <translation>&lt;senza nome&gt;</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="52"/>
        <source>File already exists. Do You want to overwrite it ?</source>
        <extracomment>Question before Save As replaces a file. Buttons: OK / Cancel.</extracomment>
        <translation>Il file esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="62"/>
        <source>noname</source>
        <extracomment>File name that Save As proposes for data without a name (the dialog adds .brk). A word usable as a file name.</extracomment>
        <translation>senza nome</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="72"/>
        <source>File modified, do You want to save it ?</source>
        <extracomment>Question before the changes would be lost. Buttons: Yes / No / Cancel. Save means to a file.</extracomment>
        <translation>Il file è stato modificato. Salvarlo?</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="82"/>
        <source>OK</source>
        <comment>status</comment>
        <extracomment>Status bar: the last operation succeeded. A status word, not the button; it may differ from the OK button&apos;s word.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="92"/>
        <source>Communication error, please try once more</source>
        <extracomment>Error box: the adapter or the connector did not answer properly (also a damaged file).</extracomment>
        <translation>Errore di comunicazione, riprovare</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="102"/>
        <source>The connector may now hold a mix of old and new parameters. Write it again before it is used.</source>
        <extracomment>Second paragraph of the communication error box, after a write that stopped after part of the connector was written (the adapter or the connector was pulled, for instance): the sampler would take wrong parameters from it.</extracomment>
        <translation>Il connettore può ora contenere un misto di parametri vecchi e nuovi. Scriverlo di nuovo prima di usarlo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="112"/>
        <source>A write that was cut short may have left the connector half-written. Re-seat it and read it again, or write it again.</source>
        <extracomment>Second paragraph of the communication error box, after a read that came back whole but with a wrong checksum: a write that was cut short leaves a connector so.</extracomment>
        <translation>Una scrittura interrotta può aver lasciato il connettore scritto a metà. Reinserirlo e leggerlo di nuovo, oppure scriverlo di nuovo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="122"/>
        <source>File access error</source>
        <extracomment>Error box: a file could not be opened, read or written.</extracomment>
        <translation>Errore di accesso al file</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="132"/>
        <source>Unable to write to %1</source>
        <extracomment>Error box: the program&apos;s settings file could not be written; %1 is its path.</extracomment>
        <translation>Impossibile salvare le impostazioni in %1</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="142"/>
        <source>Parameter out of range</source>
        <extracomment>Error box: a field&apos;s value lies outside the range the sampler accepts.</extracomment>
        <translation>Parametro fuori intervallo</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="152"/>
        <source>Connector OK</source>
        <extracomment>Status bar, beside the adapter: a connector is plugged in and answers. The counterpart of &quot;Connector NOT FOUND&quot;: use the same words (&quot;connector found&quot; / &quot;connector NOT FOUND&quot;).</extracomment>
        <translation>Connettore OK</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="162"/>
        <source>Connector NOT FOUND</source>
        <extracomment>Status bar, beside the adapter: no connector is plugged into the adapter. Capitals as in the English.</extracomment>
        <translation>Connettore NON RILEVATO</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="172"/>
        <source>Invalid format of parameter</source>
        <extracomment>Error box: a field holds no number, or no time of the form hh:mm:ss.</extracomment>
        <translation>Formato del parametro non valido</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="182"/>
        <source>Do You really want to write data into Connector ?</source>
        <extracomment>Question before the parameters are written into the connector. Buttons: OK / Cancel. Write, not save.</extracomment>
        <translation>Scrivere davvero i dati nel connettore?</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="192"/>
        <source>The connector holds other parameters. The write changes:</source>
        <extracomment>Second paragraph of the write question, followed by one line per parameter: Caption: old value → new value.</extracomment>
        <translation>Il connettore contiene altri parametri. La scrittura modifica:</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="202"/>
        <source>The connector holds exactly these parameters already.</source>
        <extracomment>Second paragraph of the write question: the connector was read and holds the same parameters as the page.</extracomment>
        <translation>Il connettore contiene già esattamente questi parametri.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="212"/>
        <source>The connector holds no valid parameter set: it is blank or its checksum is wrong.</source>
        <extracomment>Second paragraph of the write question: the connector was read and holds no valid parameter set.</extracomment>
        <translation>Il connettore non contiene un set di parametri valido: è vuoto o il suo checksum è errato.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="222"/>
        <source>What the connector holds now could not be read.</source>
        <extracomment>Second paragraph of the write question: reading the connector before the question failed.</extracomment>
        <translation>Non è stato possibile leggere il contenuto del connettore.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="232"/>
        <source>This transfer could not be kept in the programming history. The transfer itself is done.</source>
        <extracomment>Warning after a connector transfer that could not be kept in the programming history; the system&apos;s reason follows. Shown once per session.</extracomment>
        <translation>Questo trasferimento non è stato registrato nella cronologia di programmazione. Il trasferimento stesso è avvenuto.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="242"/>
        <source>The programming history could not be read.</source>
        <extracomment>Error when Data &gt; History… cannot read the programming history; the system&apos;s reason follows.</extracomment>
        <translation>Impossibile leggere la cronologia di programmazione.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="252"/>
        <source>This is the programming history, which is kept: choose another name. Nothing was written.</source>
        <extracomment>Error when a file is to be saved or exported under the name of the programming history&apos;s own file; nothing is written.</extracomment>
        <translation>Questa è la cronologia di programmazione, che viene conservata: scegliere un altro nome. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="262"/>
        <source>The user guide could not be opened. It is installed with the program; reinstalling the program brings it back.</source>
        <extracomment>Error when Help &gt; Brookfetch Help or F1 finds no user guide installed beside the program, or no browser opens it.</extracomment>
        <translation>Impossibile aprire la guida utente. Viene installata con il programma; reinstallare il programma la ripristina.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="272"/>
        <source>New language will be set after program restart</source>
        <extracomment>Notice after another language was chosen.</extracomment>
        <translation>La nuova lingua sarà attiva al prossimo avvio del programma</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="282"/>
        <source>Adapter ?</source>
        <extracomment>Status bar: no adapter answers.</extracomment>
        <translation>Adattatore?</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="292"/>
        <source>Connector NOT USABLE (large memory)</source>
        <extracomment>Status bar, beside the adapter: a connector is plugged in, but it has a large memory and is no sampler&apos;s configuration connector, so Read and Write refuse it. Short: it must fit the status bar.</extracomment>
        <translation>Connettore NON UTILIZZABILE (memoria grande)</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="302"/>
        <source>No USB FETCHer Adapter is plugged in. Plug the adapter into a USB port of this computer.</source>
        <extracomment>Tool tip of &quot;Adapter ?&quot;: no adapter is plugged in. Keep &quot;USB FETCHer Adapter&quot;, the adapter&apos;s own name.</extracomment>
        <translation>Nessun USB FETCHer Adapter collegato. Collegare l’adattatore a una porta USB di questo computer.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="312"/>
        <source>%1 adapters are plugged in. Brookfetch works with one adapter at a time: unplug the others.</source>
        <extracomment>Tool tip of &quot;Adapter ?&quot;: %1 is the number of adapters plugged in (2 or more); the program works with exactly one.</extracomment>
        <translation>Sono collegati %1 adattatori. Brookfetch lavora con un solo adattatore alla volta: scollegare gli altri.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="322"/>
        <source>The adapter does not answer. Unplug it and plug it in again.</source>
        <extracomment>Tool tip of &quot;Adapter ?&quot;: an adapter is plugged in but does not answer the program.</extracomment>
        <translation>L’adattatore non risponde. Scollegarlo e ricollegarlo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="332"/>
        <source>No printer is installed on this computer. Install a printer, or keep the sheet as a PDF file with File, Export as PDF.</source>
        <extracomment>Error box after File &gt; Print: the computer has no printer installed. &quot;File, Export as PDF&quot; names the menu and its item as the menus show them.</extracomment>
        <translation>Su questo computer non è installata alcuna stampante. Installare una stampante, oppure conservare il foglio come file PDF con File, Esporta in PDF.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="342"/>
        <source>Adapter %1 is in use by another program</source>
        <extracomment>Tool tip of the adapter&apos;s status: %1 is the adapter&apos;s serial number or device.</extracomment>
        <translation>L’adattatore %1 è in uso da parte di un altro programma</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="352"/>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <extracomment>Tool tip of the adapter&apos;s status: %1 is the device path. Keep &quot;udev&quot; and &quot;dialout&quot;.</extracomment>
        <translation>Nessun permesso per aprire l’adattatore %1. Installare il pacchetto Brookfetch (la sua regola udev concede l’accesso) oppure aggiungere l’utente al gruppo dialout e accedere di nuovo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="362"/>
        <source>FTDI&apos;s D2XX driver (FTD2XX.DLL) is not installed. Install the adapter maker&apos;s driver package.</source>
        <extracomment>Tool tip of the adapter&apos;s status on Windows, when the adapter&apos;s driver is not installed on the computer. Keep &quot;FTDI&quot;, &quot;D2XX&quot; and &quot;FTD2XX.DLL&quot;.</extracomment>
        <translation>Il driver D2XX di FTDI (FTD2XX.DLL) non è installato. Installare il pacchetto driver del produttore dell’adattatore.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="372"/>
        <source>The file %1 does not exist.</source>
        <extracomment>Error box after File &gt; Open, a recent file, a dropped file or a file named at start: %1 is the file&apos;s path. &quot;Nothing was opened; …&quot; follows as a second paragraph.</extracomment>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="382"/>
        <source>The file %1 cannot be read.</source>
        <extracomment>Error box after an open that failed: the file exists, but the program may not read it (no permission) or reading it failed. %1 is its path.</extracomment>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="392"/>
        <source>The file %1 is shorter than 128 bytes: it holds no parameter set.</source>
        <extracomment>Error box after an open that failed: a configuration file holds one parameter set of 128 bytes; this one is shorter. %1 is its path.</extracomment>
        <translation>Il file %1 è più corto di 128 byte: non contiene alcun set di parametri.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="402"/>
        <source>The file %1 is damaged: its checksum is wrong.</source>
        <extracomment>Error box after an open that failed: the checksum stored in the file does not match its contents. %1 is its path.</extracomment>
        <translation>Il file %1 è danneggiato: la somma di controllo è errata.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="412"/>
        <source>Nothing was opened; the parameters shown are unchanged.</source>
        <extracomment>Second paragraph of the error boxes after an open that failed: the window still shows the parameters it showed before.</extracomment>
        <translation>Non è stato aperto nulla; i parametri visualizzati sono invariati.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="422"/>
        <source>Connector read</source>
        <extracomment>Status bar, for 5 seconds after Data &gt; Read succeeded: the connector has been read, its parameters are now in the window. A past-tense confirmation, not the command. Short: it must fit the status bar.</extracomment>
        <translation>Connettore letto</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="432"/>
        <source>Connector written and verified</source>
        <extracomment>Status bar, for 5 seconds after Data &gt; Write succeeded: the parameters have been written into the connector and read back to check them. Write, not save. Short: it must fit the status bar.</extracomment>
        <translation>Connettore scritto e verificato</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="442"/>
        <source>File saved</source>
        <extracomment>Status bar, for 5 seconds after File &gt; Save or Save As succeeded: the parameters have been stored in the file. Save, not write.</extracomment>
        <translation>File salvato</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="452"/>
        <source>There is no connector in the adapter. Plug a connector into the adapter, then try again.</source>
        <extracomment>Second paragraph of the communication error box, after Data &gt; Read or Write found no connector in the adapter: nothing was read or written.</extracomment>
        <translation>Nell’adattatore non c’è alcun connettore. Inserire un connettore nell’adattatore, quindi riprovare.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="672"/>
        <source>Sheet sent to the printer</source>
        <extracomment>Status bar, for 5 seconds after File &gt; Print: the parameter sheet has gone to the printer. Short: it must fit the status bar.</extracomment>
        <translation>Foglio inviato alla stampante</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="462"/>
        <source>The connector in the adapter has a large memory: it is not a sampler&apos;s configuration connector, and nothing was read from it or written into it. Plug in a sampler&apos;s connector.</source>
        <extracomment>Second paragraph of the communication error box, after Data &gt; Read or Write found a connector of another kind (a large memory) in the adapter: writing parameters into it would destroy what it holds, so the program refused.</extracomment>
        <translation>Il connettore nell’adattatore ha una memoria grande: non è il connettore di configurazione di un campionatore, e non vi è stato letto né scritto nulla. Inserire il connettore di un campionatore.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="682"/>
        <source>Sheet saved as PDF</source>
        <extracomment>Status bar, for 5 seconds after File &gt; Export as PDF succeeded: the parameter sheet has been stored as a PDF file. Short: it must fit the status bar.</extracomment>
        <translation>Foglio salvato come PDF</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="472"/>
        <source>The adapter does not answer. Check that it is plugged in, then try again.</source>
        <extracomment>Second paragraph of the communication error box: the USB adapter stopped answering before or during a Read or Write (it was unplugged, for instance).</extracomment>
        <translation>L’adattatore non risponde. Verificare che sia collegato, quindi riprovare.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="692"/>
        <source>The printer did not take the parameter sheet. Check the printer and try again.</source>
        <extracomment>Error box after File &gt; Print: the printer chosen in the print dialog did not take the parameter sheet.</extracomment>
        <translation>La stampante non ha accettato il foglio dei parametri. Controllare la stampante e riprovare.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="482"/>
        <source>The connector was pulled out during the transfer. Plug it in again, then try again.</source>
        <extracomment>Second paragraph of the communication error box: the adapter said during a Read or Write that no connector is in it any more.</extracomment>
        <translation>Il connettore è stato estratto durante il trasferimento. Reinserirlo, quindi riprovare.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="492"/>
        <source>The adapter&apos;s answers were damaged or missing (a noisy line, or a connector that is not pushed home). Re-seat the connector, then try again.</source>
        <extracomment>Second paragraph of the communication error box: adapter and connector are both still there, but the replies on the line were damaged or did not come.</extracomment>
        <translation>Le risposte dell’adattatore erano danneggiate o mancanti (una linea disturbata o un connettore non inserito a fondo). Reinserire il connettore, quindi riprovare.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="502"/>
        <source>The connector read back other bytes than were written: it does not keep what is written into it. Write it again; if that fails too, replace the connector.</source>
        <extracomment>Second paragraph of the communication error box after Data &gt; Write: the check that reads the connector back found other parameters than were written, twice alike.</extracomment>
        <translation>Rileggendo il connettore si sono ottenuti byte diversi da quelli scritti: non conserva ciò che vi viene scritto. Scriverlo di nuovo; se non riesce neanche così, sostituire il connettore.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="512"/>
        <source>The connector holds no parameters: its memory is blank. Write a parameter set into it.</source>
        <extracomment>Second paragraph of the communication error box after Data &gt; Read: the connector&apos;s memory is erased (every byte the same), so there was nothing to read.</extracomment>
        <translation>Il connettore non contiene parametri: la sua memoria è vuota. Scrivervi un set di parametri.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="522"/>
        <source>Every block was written into the connector, but the read-back that checks them was cut short. Write the connector again before it is used.</source>
        <extracomment>Last paragraph of the communication error box after Data &gt; Write: the parameters were written, but the check that reads them back did not complete.</extracomment>
        <translation>Tutti i blocchi sono stati scritti nel connettore, ma la rilettura che li verifica si è interrotta. Scrivere di nuovo il connettore prima di usarlo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="532"/>
        <source>Allowed for %1: %2.</source>
        <extracomment>Second paragraph of the boxes &quot;Invalid format of parameter&quot; and &quot;Parameter out of range&quot;: %1 is the field&apos;s caption as the page shows it (&quot;Samples Count&quot;), %2 its allowed range (&quot;1..255&quot;, &quot;1..240 s&quot;, &quot;00:00:01..15:00:00&quot;, &quot;0.6..15.6 V&quot;).</extracomment>
        <translation>Valori ammessi per %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="542"/>
        <source>The file %1 was not saved.</source>
        <extracomment>Second paragraph of the error box after File &gt; Save or Save As failed, followed by the reason in a sentence of its own. %1 is the file&apos;s path. The file on the disk is as it was.</extracomment>
        <translation>Il file %1 non è stato salvato.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="552"/>
        <source>Its folder does not exist.</source>
        <extracomment>Why a file could not be saved (after &quot;The file … was not saved.&quot;): the folder in its path is not there.</extracomment>
        <translation>La sua cartella non esiste.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="562"/>
        <source>You have no permission to read it.</source>
        <extracomment>Why a file could not be opened (after &quot;The file … cannot be read.&quot;): the system refused this user access to the file or its folder.</extracomment>
        <translation>Non si dispone del permesso di leggerlo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="572"/>
        <source>You have no permission to write in its folder.</source>
        <extracomment>Why a file could not be saved (after &quot;The file … was not saved.&quot;): the system refused this user to make files in that folder.</extracomment>
        <translation>Non si dispone del permesso di creare file nella sua cartella.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="582"/>
        <source>The file is read-only.</source>
        <extracomment>Why a file could not be saved: the existing file is marked read-only, or this user may not change it.</extracomment>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="592"/>
        <source>The disk takes no changes: it is write-protected or read-only.</source>
        <extracomment>Why a file could not be saved: the disk, card or USB stick is write-protected, or mounted read-only.</extracomment>
        <translation>Il disco non accetta modifiche: è protetto da scrittura o di sola lettura.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="602"/>
        <source>The disk is full.</source>
        <extracomment>Why a file could not be saved: no room is left on the disk (or the user&apos;s quota is used up).</extracomment>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="612"/>
        <source>It is a folder, not a file.</source>
        <extracomment>Why a file could not be opened or saved: a folder has that name.</extracomment>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="622"/>
        <source>It is a device or a pipe, not a file.</source>
        <extracomment>Why a file could not be opened or saved: the name belongs to a device or a pipe of the system, not to a file.</extracomment>
        <translation>È un dispositivo o una pipe, non un file.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="632"/>
        <source>Its name is too long.</source>
        <extracomment>Why a file could not be opened or saved: the system takes no name that long.</extracomment>
        <translation>Il suo nome è troppo lungo.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="642"/>
        <source>Another program has it open.</source>
        <extracomment>Why a file could not be opened or saved: another program holds the file and lets no other program use it.</extracomment>
        <translation>Un altro programma lo tiene aperto.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="652"/>
        <source>It is a symbolic link that another user made in a folder anyone may write.</source>
        <extracomment>Why a file could not be saved: in a shared folder (such as /tmp) another user put a link at that name; the program does not write through it.</extracomment>
        <translation>È un collegamento simbolico creato da un altro utente in una cartella in cui chiunque può scrivere.</translation>
    </message>
    <message>
        <location filename="../ui/Msg.ui" line="662"/>
        <source>The system reports: %1.</source>
        <extracomment>Why a file could not be opened or saved, in the operating system&apos;s own words: %1 is the system&apos;s message.</extracomment>
        <translation>Il sistema segnala: %1.</translation>
    </message>
</context>
<context>
    <name>TParameterPage</name>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="65"/>
        <source>Schedule</source>
        <extracomment>Parameter page: the name a screen reader gives the sentence under the fields that says when the sampler takes its samples (the parameter sheet&apos;s schedule). Not shown.</extracomment>
        <translation>Calendario</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="79"/>
        <source>The sampling run ends after a set number of samples</source>
        <extracomment>Tool tip of the sampling mode &quot;Acc. to Samples Count&quot; on the parameter page.</extracomment>
        <translation>Il ciclo di prelievo termina dopo un numero prefissato di campioni</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="81"/>
        <source>The sampler keeps taking samples until it is stopped</source>
        <extracomment>Tool tip of the sampling mode &quot;Continuous&quot; on the parameter page.</extracomment>
        <translation>Il campionatore continua a prelevare campioni finché non viene arrestato</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="83"/>
        <source>Number of samples in a run</source>
        <extracomment>Tool tip of Samples Count, before its range &quot;: 1..255&quot;.</extracomment>
        <translation>Numero di campioni in un ciclo</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="86"/>
        <source>Time the suction line is purged before each sample</source>
        <extracomment>Tool tip of Purging time, Before Sampling, before its range &quot;: 1..240 s&quot;. Purging: air blown back through the suction line (see translations/TERMS.md).</extracomment>
        <translation>Tempo di spurgo del tubo di aspirazione prima di ogni prelievo</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="88"/>
        <source>Time the suction line is purged after each sample</source>
        <extracomment>Tool tip of Purging time, After Sampling, before its range &quot;: 1..240 s&quot;.</extracomment>
        <translation>Tempo di spurgo del tubo di aspirazione dopo ogni prelievo</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="92"/>
        <source>How the VAR input, an outside mA signal that controls sampling, is used</source>
        <extracomment>Tool tip of the VAR System&apos;s Mode, before its items &quot;: Disabled, 0 - 20mA, 4 - 20mA&quot;. &quot;VAR&quot; stays as it is.</extracomment>
        <translation>Uso dell’ingresso VAR, un segnale esterno in mA che comanda il prelievo</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="95"/>
        <source>Time the sampler waits after its start before the first sample</source>
        <extracomment>Tool tip of Time Delay, before its range &quot;: 00:00:00..15:00:00 (hh:mm:ss)&quot;.</extracomment>
        <translation>Tempo di attesa del campionatore tra l’avvio e il primo prelievo</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="97"/>
        <source>How many times the suction line is purged</source>
        <extracomment>Tool tip of Purges Count, before its range &quot;: 0..5&quot;.</extracomment>
        <translation>Numero di volte in cui il tubo di aspirazione viene spurgato</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="99"/>
        <source>Time from one sample to the next</source>
        <extracomment>Tool tip of Sampling Interval, before its range &quot;: 00:00:01..15:00:00 (hh:mm:ss)&quot;.</extracomment>
        <translation>Tempo tra un prelievo e il successivo</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="101"/>
        <source>Aeration time</source>
        <extracomment>Tool tip of Aeration, before its range &quot;: 0..255 s&quot;.</extracomment>
        <translation>Tempo di aerazione</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="104"/>
        <source>Longest time the pump may try to draw one sample</source>
        <extracomment>Tool tip of Max Suction Time, before its range &quot;: 0..255 s&quot;.</extracomment>
        <translation>Tempo massimo in cui la pompa può tentare di aspirare un campione</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="107"/>
        <source>Pump pulses the sampler counted for one sample; shown only</source>
        <extracomment>Tool tip of the Pump Pulses field, which cannot be edited.</extracomment>
        <translation>Impulsi pompa contati dal campionatore per un campione; solo visualizzazione</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="109"/>
        <source>Battery voltage at which the sampler warns</source>
        <extracomment>Tool tip of Voltage control, Warning at, before its range &quot;: 0.6..15.6 V&quot;.</extracomment>
        <translation>Tensione della batteria alla quale il campionatore dà l’avviso</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="111"/>
        <source>Battery voltage at which the sampler switches itself off</source>
        <extracomment>Tool tip of Voltage control, Switch off at, before its range &quot;: 0.6..15.6 V&quot;.</extracomment>
        <translation>Tensione della batteria alla quale il campionatore si spegne</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="131"/>
        <source>%1: %2</source>
        <extracomment>Tool tip of a field on the parameter page: what it means, then what it takes. %1: the meaning (&quot;Time from one sample to the next&quot;), %2: the range (&quot;00:00:01..15:00:00 (hh:mm:ss)&quot;, &quot;1..240 s&quot;) or the items of a list.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../ui/ParameterPage.cpp" line="289"/>
        <source>No schedule yet: %1 is not complete.</source>
        <extracomment>Parameter page, in place of the schedule under the fields while a field it is drawn from does not hold a whole number or time yet (being typed). %1: the field&apos;s caption (&quot;Time Delay&quot;, &quot;Sampling Interval&quot;, &quot;Samples Count&quot;).</extracomment>
        <translation>Ancora nessun calendario: il campo «%1» è incompleto.</translation>
    </message>
</context>
<context>
    <name>TParameterSheet</name>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="139"/>
        <source>No schedule: a value it is drawn from is out of range.</source>
        <extracomment>Parameter sheet, in place of the schedule: the time delay, the sampling interval or the samples count is outside what the sampler accepts (marked above).</extracomment>
        <translation>Nessun calendario: un valore da cui dipende è fuori intervallo.</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="146"/>
        <source>One sample every %1 until the sampler is stopped, the first %2 after the start.</source>
        <extracomment>Parameter sheet: what the sampler does in time in continuous mode. %1, %2: times hh:mm:ss (the sampling interval, the time delay).</extracomment>
        <translation>Un campione ogni %1 fino all’arresto del campionatore, il primo %2 dopo l’avvio.</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="152"/>
        <source>1 sample, %1 after the start.</source>
        <extracomment>Parameter sheet: what the sampler does in time when it takes one sample. %1: the time delay, hh:mm:ss.</extracomment>
        <translation>1 campione, %1 dopo l’avvio.</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="158"/>
        <source>%1 samples, the first %2 after the start, then one every %3, the last %4 after the start.</source>
        <extracomment>Parameter sheet: what the sampler does in time. %1: the samples count, 2 to 255 (word it so that no noun must agree with the number: &quot;Samples: %1, ...&quot;); %2, %3, %4: times hh:mm:ss.</extracomment>
        <translation>Campioni: %1; il primo %2 dopo l’avvio, poi uno ogni %3, l’ultimo %4 dopo l’avvio.</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="167"/>
        <source>The VAR input (%1) also controls sampling.</source>
        <extracomment>Parameter sheet, after the schedule: the VAR input (an outside 0/4-20 mA signal) is used and also decides when samples are taken. %1: its mode, &quot;4 - 20mA&quot;.</extracomment>
        <translation>Anche l’ingresso VAR (%1) comanda il prelievo.</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="197"/>
        <location filename="../sheet/ParameterSheet.cpp" line="542"/>
        <source>Parameter sheet</source>
        <extracomment>Parameter sheet: the title of the printed page (and of the PDF) that documents a parameter set for the sampling records.</extracomment>
        <translation>Foglio dei parametri</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="206"/>
        <source>File:</source>
        <extracomment>Parameter sheet, header: the configuration file the parameters are in.</extracomment>
        <translation>File:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="208"/>
        <location filename="../sheet/ParameterSheet.cpp" line="543"/>
        <source>&lt;noname&gt;</source>
        <extracomment>Parameter sheet, header: the data have no file (as the status bar says).</extracomment>
        <translation>&lt;senza nome&gt;</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="211"/>
        <source>Made:</source>
        <extracomment>Parameter sheet, header: the date and time the sheet was made as a PDF file.</extracomment>
        <translation>Creato:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="213"/>
        <source>Printed:</source>
        <translation>Stampato:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="216"/>
        <source>Program:</source>
        <extracomment>Parameter sheet, header: the program and its version, &quot;Brookfetch 4.00&quot;.</extracomment>
        <translation>Programma:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="221"/>
        <source>Adapter:</source>
        <extracomment>Parameter sheet, header: the USB adapter the connector was read or written through, with its firmware version.</extracomment>
        <translation>Adattatore:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="224"/>
        <source>small memory</source>
        <extracomment>Parameter sheet, header: the kind of memory of the connector (%1 below).</extracomment>
        <translation>memoria piccola</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="226"/>
        <source>large memory</source>
        <translation>memoria grande</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="228"/>
        <source>Connector:</source>
        <extracomment>Parameter sheet, header: what was done with the connector before printing.</extracomment>
        <translation>Connettore:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="232"/>
        <source>written and verified, %1</source>
        <translation>scritto e verificato, %1</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="235"/>
        <source>read, %1</source>
        <translation>letto, %1</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="239"/>
        <source>Checksum:</source>
        <extracomment>Parameter sheet, header: the checksum of the 128 bytes, in hexadecimal (0xFDBC); it matches the sheet to a file or a connector.</extracomment>
        <translation>Somma di controllo:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="259"/>
        <source>[s]</source>
        <extracomment>Parameter sheet: units and captions as the parameter page shows them.</extracomment>
        <translation>[s]</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="260"/>
        <source>[hh:mm:ss]</source>
        <translation>[hh:mm:ss]</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="261"/>
        <source>[V]</source>
        <translation>[V]</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="264"/>
        <source>%1..%2 s</source>
        <extracomment>Parameter sheet, small print under a value: the range it may take, in seconds.</extracomment>
        <translation>%1..%2 s</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="282"/>
        <source>%1..%2 V</source>
        <extracomment>Parameter sheet, small print under a value: the range it may take, in volts.</extracomment>
        <translation>%1..%2 V</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="285"/>
        <source>Acc. to Samples Count</source>
        <translation>In base al numero di campioni</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="286"/>
        <source>Continuous</source>
        <translation>Continua</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="287"/>
        <source>Disabled</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="299"/>
        <source>Mode :</source>
        <comment>sampling</comment>
        <translation>Modalità:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="306"/>
        <source>Samples Count :</source>
        <translation>Numero di campioni:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="309"/>
        <source>Purging time</source>
        <translation>Tempo di spurgo</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="310"/>
        <source>Before Sampling :</source>
        <translation>Prima del prelievo:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="311"/>
        <source>After Sampling :</source>
        <translation>Dopo il prelievo:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="312"/>
        <source>VAR System :</source>
        <translation>Sistema VAR:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="313"/>
        <source>Mode :</source>
        <comment>VAR input</comment>
        <translation>Modalità:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="320"/>
        <source>%1 (code %2)</source>
        <extracomment>Parameter sheet: a VAR mode code that the page shows as &quot;Disabled&quot; (%1), with the code the connector holds (%2, a number such as 2).</extracomment>
        <translation>%1 (codice %2)</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="328"/>
        <source>Time Delay :</source>
        <translation>Ritardo di avvio:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="329"/>
        <source>Purges Count :</source>
        <translation>Numero di spurghi:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="333"/>
        <source>Sampling Interval :</source>
        <translation>Intervallo di prelievo:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="336"/>
        <source>Aeration :</source>
        <translation>Aerazione:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="337"/>
        <source>Max Suction Time :</source>
        <translation>Tempo max. aspirazione:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="341"/>
        <source>Pump Pulses :</source>
        <extracomment>Parameter sheet, small print under the pump pulses: the program shows them and cannot change them.</extracomment>
        <translation>Impulsi pompa:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="341"/>
        <source>read only</source>
        <translation>sola lettura</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="342"/>
        <source>Voltage control</source>
        <translation>Controllo tensione</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="343"/>
        <source>Warning at :</source>
        <translation>Avviso a:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="344"/>
        <source>Switch off at :</source>
        <translation>Spegnimento a:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="368"/>
        <source>Out of range! Allowed: %1</source>
        <extracomment>Parameter sheet, small print under a value the sampler does not accept (it came from a connector or a file): %1 is what it accepts, &quot;1..240 s&quot;.</extracomment>
        <translation>Fuori intervallo! Valori ammessi: %1</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="449"/>
        <source>Schedule:</source>
        <extracomment>Parameter sheet: heading of the sentence that says when the sampler takes its samples.</extracomment>
        <translation>Calendario:</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="459"/>
        <source>Programmed by</source>
        <extracomment>Parameter sheet, at the foot: a line for the name of who programmed the connector, then lines for the date and the signature.</extracomment>
        <translation>Programmato da</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="461"/>
        <source>Checked by</source>
        <extracomment>As &quot;Programmed by&quot;: who checked the parameters.</extracomment>
        <translation>Verificato da</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="486"/>
        <source>Date</source>
        <extracomment>Parameter sheet: small print under the line for the date.</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../sheet/ParameterSheet.cpp" line="490"/>
        <source>Signature</source>
        <extracomment>Parameter sheet: small print under the line to sign on.</extracomment>
        <translation>Firma</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <location filename="../ui/Properties.ui" line="14"/>
        <source>Program Properties</source>
        <extracomment>Title of the properties dialog (the program&apos;s own settings, not the sampler&apos;s parameters).</extracomment>
        <translation>Proprietà del programma</translation>
    </message>
    <message>
        <location filename="../ui/Properties.ui" line="94"/>
        <source>&lt;Default&gt;</source>
        <extracomment>Language list: the language the user&apos;s locale picks at start-up. The program adds the name of that language in brackets.</extracomment>
        <translation>&lt;Predefinita&gt;</translation>
    </message>
    <message>
        <location filename="../ui/Properties.ui" line="74"/>
        <source>&amp;Language :</source>
        <extracomment>Label of the list of user-interface languages. &amp;: the Alt letter that moves to the list.</extracomment>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <location filename="../ui/Properties.ui" line="142"/>
        <source>Programming &amp;history kept in:</source>
        <extracomment>Label of the folder or file where the programming history (every read and write of a connector) is kept; empty means the user&apos;s own data folder. &amp;: the Alt letter.</extracomment>
        <translation>&amp;Cronologia di programmazione salvata in:</translation>
    </message>
    <message>
        <location filename="../ui/Properties.ui" line="155"/>
        <source>&amp;Browse...</source>
        <extracomment>Button beside the history&apos;s place: chooses a folder (for example one a team shares).</extracomment>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <location filename="../ui/Properties.ui" line="208"/>
        <source>OK</source>
        <extracomment>Button: confirms the choice</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/Properties.ui" line="224"/>
        <source>Cancel</source>
        <extracomment>Button: closes the dialog without a change</extracomment>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
