; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program's own texts in French. The words of the sampler and the program come from
; translations/glossary_fr.md; NSIS brings the rest of the wizard's texts.
; $(^ClickUninstall), $(^ClickNext), $(^NameDA), $PreviousVersion, ${VERSION} and $R9 (a folder) stand for what the setup program fills in.
LangString LicenseNote ${LANG_FRENCH} "Vous n’avez pas à accepter cette licence pour utiliser Brookfetch : elle indique comment copier, modifier et redistribuer le programme."
LangString NoticesTitle ${LANG_FRENCH} "Bibliothèques et leurs licences"
LangString NoticesSubtitle ${LANG_FRENCH} "Brookfetch est livré avec des bibliothèques d’autres projets, chacune sous sa propre licence."
LangString NoticesNote ${LANG_FRENCH} "Rien à accepter ici. Ces avis sont aussi installés dans THIRD-PARTY-NOTICES.txt, et Brookfetch les affiche dans sa fenêtre À propos."
LangString ProgramDescription ${LANG_FRENCH} "Brookfetch, le programme en ligne de commande brookfetch-cli, leurs traductions et les bibliothèques dont ils ont besoin."
LangString DesktopShortcut ${LANG_FRENCH} "Raccourci sur le bureau"
LangString DesktopShortcutDescription ${LANG_FRENCH} "Un raccourci vers Brookfetch sur le bureau."
LangString FileTypeName ${LANG_FRENCH} "Jeu de paramètres Brookfetch"
LangString ShortcutComment ${LANG_FRENCH} "Lire, vérifier et écrire le connecteur de configuration d’un préleveur d’eau"
LangString DriverMissing ${LANG_FRENCH} "L’adaptateur USB a besoin du pilote D2XX de FTDI (FTD2XX.DLL), qui n’est pas installé sur cet ordinateur. Installez le pilote de FTDI avant de brancher l’adaptateur ; d’ici là, Brookfetch ne trouvera aucun adaptateur."
LangString UninstallKeeps ${LANG_FRENCH} "Brookfetch va être désinstallé du dossier ci-dessous. Vos réglages (dans %APPDATA%\Brookfetch) et la langue choisie dans Brookfetch restent sur cet ordinateur. $(^ClickUninstall)"
LangString NewerInstalled ${LANG_FRENCH} "Brookfetch $PreviousVersion est installé, une version plus récente que celle-ci (${VERSION}). Le remplacer par cette version ?"
LangString RemovingPrevious ${LANG_FRENCH} "Suppression de la version installée (vos réglages sont conservés)..."
LangString ProgramRunning ${LANG_FRENCH} "Brookfetch est en cours d'exécution depuis $R9. Fermez Brookfetch et brookfetch-cli, puis cliquez sur Réessayer ; Annuler arrête sans rien modifier."
