<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
