<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Brookfetch - Configuration Connector programmer</source>
        <translation>Brookfetch – programmateur de connecteurs de configuration</translation>
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
        <translation>Mode</translation>
    </message>
    <message>
        <source>Acc. to Samples Count</source>
        <translation>Selon le nombre d’échantillons</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>En continu</translation>
    </message>
    <message>
        <source>Samples Count :</source>
        <translation>Nombre d’échantillons&#xa0;:</translation>
    </message>
    <message>
        <source>Purging time</source>
        <translation>Durée de purge</translation>
    </message>
    <message>
        <source>Before Sampling :</source>
        <translation>Avant prélèvement&#xa0;:</translation>
    </message>
    <message>
        <source>After Sampling :</source>
        <translation>Après prélèvement&#xa0;:</translation>
    </message>
    <message>
        <source>VAR System :</source>
        <translation>Système VAR&#xa0;:</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Time Delay :</source>
        <translation>Délai de démarrage&#xa0;:</translation>
    </message>
    <message>
        <source>Purges Count :</source>
        <translation>Nombre de purges&#xa0;:</translation>
    </message>
    <message>
        <source>Sampling Interval :</source>
        <translation>Intervalle de prélèv.&#xa0;:</translation>
    </message>
    <message>
        <source>Aeration :</source>
        <translation>Aération&#xa0;:</translation>
    </message>
    <message>
        <source>Max Suction Time :</source>
        <translation>Durée max. d’aspiration&#xa0;:</translation>
    </message>
    <message>
        <source>Pump Pulses :</source>
        <translation>Impulsions pompe&#xa0;:</translation>
    </message>
    <message>
        <source>Voltage control</source>
        <translation>Surveillance de la tension</translation>
    </message>
    <message>
        <source>Warning at :</source>
        <translation>Alerte à&#xa0;:</translation>
    </message>
    <message>
        <source>Switch off at :</source>
        <translation>Arrêt à&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Données</translation>
    </message>
    <message>
        <source>Read data from adapter</source>
        <translation>Lire les données depuis l’adaptateur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Nouveau jeu de paramètres</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Save File with new name</source>
        <translation>Enregistrer le fichier sous un autre nom</translation>
    </message>
    <message>
        <source>P&amp;roperties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Program Properties</source>
        <translation>Propriétés du programme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Informations about program</source>
        <translation>Informations sur le programme</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>É&amp;crire</translation>
    </message>
    <message>
        <source>Write data to adapter</source>
        <translation>Écrire les données vers l’adaptateur</translation>
    </message>
    <message>
        <source>Brookfetch Configuration (*.brk)</source>
        <translation>Configuration Brookfetch (*.brk)</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>TMsgTemplate</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&lt;noname&gt;</source>
        <translation>&lt;sans nom&gt;</translation>
    </message>
    <message>
        <source>File already exists. Do You want to overwrite it ?</source>
        <translation>Le fichier existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>File modified, do You want to save it ?</source>
        <translation>Le fichier a été modifié. Voulez-vous l’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication error, please try once more</source>
        <translation>Erreur de communication, veuillez réessayer</translation>
    </message>
    <message>
        <source>File access error</source>
        <translation>Erreur d’accès au fichier</translation>
    </message>
    <message>
        <source>Parameter out of range</source>
        <translation>Paramètre hors limites</translation>
    </message>
    <message>
        <source>Connector OK</source>
        <translation>Connecteur OK</translation>
    </message>
    <message>
        <source>Connector NOT FOUND</source>
        <translation>Connecteur NON DÉTECTÉ</translation>
    </message>
    <message>
        <source>Invalid format of parameter</source>
        <translation>Format de paramètre incorrect</translation>
    </message>
    <message>
        <source>Do You really want to write data into Connector ?</source>
        <translation>Voulez-vous vraiment écrire les données dans le connecteur&#xa0;?</translation>
    </message>
    <message>
        <source>New language will be set after program restart</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage du programme</translation>
    </message>
    <message>
        <source>Adapter ?</source>
        <translation>Adaptateur&#xa0;?</translation>
    </message>
    <message>
        <source>Adapter %1 is in use by another program</source>
        <translation>L’adaptateur %1 est utilisé par un autre programme</translation>
    </message>
    <message>
        <source>No permission to open the adapter %1. Install the Brookfetch package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>Accès à l’adaptateur %1 refusé. Installez le paquet Brookfetch (sa règle udev donne l’accès) ou ajoutez votre compte au groupe dialout, puis ouvrez une nouvelle session.</translation>
    </message>
</context>
<context>
    <name>TPropertiesDialog</name>
    <message>
        <source>Program Properties</source>
        <translation>Propriétés du programme</translation>
    </message>
    <message>
        <source>Language :</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;Default&gt;</source>
        <translation>&lt;Par défaut&gt;</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgare</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Latvian</source>
        <translation>Letton</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituanien</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
