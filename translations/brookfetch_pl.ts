<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
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
        <translation>O programie</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programator złączy konfiguracyjnych</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Według liczby próbek</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Ciągły</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Liczba próbek:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Czas płukania</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Przed poborem próbki:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Po poborze próbki:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>System VAR:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Tryb:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Opóźnienie:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Liczba płukań:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Interwał poboru:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Napowietrzanie:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Maks. czas zasysania:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsy pompy:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Kontrola napięcia</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Ostrzeżenie przy:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Wyłączenie przy:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Dane</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Odczytaj dane z adaptera</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nowy zestaw danych</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Zapisz plik pod nową nazwą</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Ustawienia programu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Odczytaj</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Zapisz dane do adaptera</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Konfiguracja Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Zapisz plik</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;bez nazwy&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Plik już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>bez nazwy</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Plik został zmieniony. Czy chcesz go zapisać?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Błąd komunikacji, spróbuj ponownie</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Błąd dostępu do pliku</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parametr poza dopuszczalnym zakresem</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Złącze OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Złącza NIE ZNALEZIONO</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Nieprawidłowy format parametru</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Czy na pewno chcesz zapisać dane do złącza?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>Nowy język zostanie ustawiony po ponownym uruchomieniu programu</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adapter?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>Adapter %1 jest używany przez inny program</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Brak uprawnień do otwarcia adaptera %1. Zainstaluj pakiet Brookfetch (jego reguła udev nadaje dostęp) lub dołącz do grupy dialout i zaloguj się ponownie.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Ustawienia programu</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Domyślny&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bułgarski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Łotewski</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litewski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Słowacki</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
