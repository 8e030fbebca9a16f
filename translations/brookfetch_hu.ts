<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – konfigurációs csatlakozók programozása</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
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
        <translation>Üzemmód</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Mintaszám szerint</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Folyamatos</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Mintaszám:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Öblítési idő</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Mintavétel előtt:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Mintavétel után:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>VAR-rendszer:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Üzemmód:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Késleltetés:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Öblítések száma:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Mintavételi időköz:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Levegőztetés:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Max. szívási idő:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Szivattyúimpulzusok:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Feszültségfigyelés</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Figyelmeztetés:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Kikapcsolás:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Adatok</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Adatok beolvasása az adapterből</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>Ú&amp;j</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Új paraméterkészlet</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Megnyitás</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Fájl megnyitása</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>M&amp;entés</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Fájl mentése</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Mentés má&amp;sként</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Fájl mentése új néven</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Beállítások...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Programbeállítások</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Kilépés a programból</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Információk a programról</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Beolvasás</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Kiírás</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Adatok kiírása az adapterbe</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Brookfetch-konfiguráció (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Fájl mentése</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Megerősítés</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;névtelen&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>A fájl már létezik. Felülírja?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>névtelen</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>A fájl módosult. Menti a változásokat?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Kommunikációs hiba, kérjük, próbálja újra</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Fájlhozzáférési hiba</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>A paraméter a megengedett tartományon kívül esik</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Csatlakozó OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Csatlakozó NEM TALÁLHATÓ</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Érvénytelen paraméterformátum</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Biztosan kiírja az adatokat a csatlakozóba?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Az új nyelv a program újraindítása után lép életbe</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapter?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Az adaptert (%1) egy másik program használja</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Nincs jogosultsága az adapter (%1) megnyitásához. Telepítse a Brookfetch-csomagot (az udev-szabálya hozzáférést ad), vagy lépjen be a dialout csoportba, és jelentkezzen be újra.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Programbeállítások</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Nyelv:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Alapértelmezett&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bolgár</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cseh</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angol</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Német</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Olasz</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Lett</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litván</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lengyel</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Román</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Orosz</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Szlovák</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
</TS>
