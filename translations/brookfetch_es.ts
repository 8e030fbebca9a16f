<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programador de conectores de configuración</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Según número de muestras</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Número de muestras:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Tiempo de purga</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Antes del muestreo:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Después del muestreo:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>Sistema VAR:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Retardo de inicio:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Número de purgas:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Intervalo de muestreo:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aireación:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Tiempo máx. de aspiración:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsos de bomba:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Control de tensión</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Aviso a:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Desconexión a:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datos</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Leer datos del adaptador</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nuevo juego de parámetros</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Guardar archivo con otro nombre</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Propiedades del programa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Información sobre el programa</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Escribir</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Escribir datos en el adaptador</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Configuración de Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;sin nombre&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>El archivo se ha modificado. ¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Error de comunicación; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Error de acceso al archivo</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Parámetro fuera de rango</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Conector OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Conector NO DETECTADO</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Formato de parámetro no válido</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>¿Desea realmente escribir los datos en el conector?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>El nuevo idioma se aplicará al reiniciar el programa</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>¿Adaptador?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>El adaptador %1 está en uso por otro programa</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Sin permiso para abrir el adaptador %1. Instale el paquete Brookfetch (su regla udev da acceso) o añada su usuario al grupo dialout y vuelva a iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Propiedades del programa</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Predeterminado&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letón</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
