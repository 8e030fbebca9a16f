; SPDX-License-Identifier: GPL-3.0-or-later
; The Brookfetch setup program for 64-bit Windows (NSIS 3, Modern UI 2). scripts/windows-package
; compiles it with these definitions:
;   VERSION       the project's version ("4.00")
;   VERSION4      the same as four numbers for the version resource ("4.0.0.0")
;   STAGE         the folder holding what is installed (the portable copy's files)
;   FILES         a list made from STAGE: !macro InstallFiles and !macro RemoveFiles
;   SIZE_KB       the size of STAGE in KiB, for "Apps & features"
;   OUTFILE       the setup program to write
;   WIZARD_BITMAP the picture of the welcome and finish pages
;   SIGN          (only when signing) the command that signs a file in place; the uninstaller
;                 is signed with it as it is written
; Per machine into Program Files (the default for an administrator) or per user into
; %LOCALAPPDATA%\Programs\Brookfetch. An installed copy keeps its settings in
; %APPDATA%\Brookfetch: the file "installed" beside brookfetch.exe tells the program so.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "Brookfetch"
!define PUBLISHER "The Brookfetch developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brookfetch"
!define PROGID "Brookfetch.ParameterSet"
!define CLASSES "Software\Classes"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"'
!endif
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"
VIAddVersionKey /LANG=1033 "OriginalFilename" "brookfetch-${VERSION}-setup.exe"

; An administrator is asked for elevation at the start and may still choose "just for me";
; a standard user installs for themselves.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
; A second installation goes where the first one went, in its mode.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
; A folder given with /D= wins over both, in either mode.
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineFolder
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh
!include "${FILES}"

!define MUI_ICON "${__FILEDIR__}\brookfetch.ico"
!define MUI_UNICON "${__FILEDIR__}\brookfetch.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_CUSTOMFUNCTION_GUIINIT CheckNewerInstalled

; The language page lists every language of the program, whatever the system's code page; it
; starts on the system's language, or on the one chosen at the last installation.
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_ALWAYSSHOW
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

Var FinishText
Var PreviousVersion
Var CommandLineFolder
Var OwnRegistration

!insertmacro MUI_PAGE_WELCOME
; The GPL asks for no consent: the page says so and has a Next button.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenseNote)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
; The notices of the other projects' libraries that come along, as the program's folder gets
; them (THIRD-PARTY-NOTICES.txt).
!define MUI_PAGE_HEADER_TEXT "$(NoticesTitle)"
!define MUI_PAGE_HEADER_SUBTEXT "$(NoticesSubtitle)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(NoticesNote)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\THIRD-PARTY-NOTICES.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_PRE FinishPagePre
; No "Run Brookfetch" box: from a setup running elevated the program would run elevated too, and
; the page needs its room for the note on the driver.
!define MUI_FINISHPAGE_TEXT "$FinishText"
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(UninstallKeeps)"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English first: it is taken when the system's language is none of these.
!macro BrookfetchLanguage NAME
    !if /FileExists "${__FILEDIR__}\texts\${NAME}-wizard.nsh"
        !include /CHARSET=UTF8 "${__FILEDIR__}\texts\${NAME}-wizard.nsh"
    !endif
    !insertmacro MUI_LANGUAGE "${NAME}"
    !include /CHARSET=UTF8 "${__FILEDIR__}\texts\${NAME}.nsh"
!macroend
!insertmacro BrookfetchLanguage English
!insertmacro BrookfetchLanguage German
!insertmacro BrookfetchLanguage Czech
!insertmacro BrookfetchLanguage Slovak
!insertmacro BrookfetchLanguage Hungarian
!insertmacro BrookfetchLanguage Spanish
!insertmacro BrookfetchLanguage French
!insertmacro BrookfetchLanguage Italian
!insertmacro BrookfetchLanguage Romanian
!insertmacro BrookfetchLanguage Russian
!insertmacro BrookfetchLanguage Bulgarian
!insertmacro BrookfetchLanguage Polish
!insertmacro BrookfetchLanguage Latvian
!insertmacro BrookfetchLanguage Lithuanian
!insertmacro MUI_RESERVEFILE_LANGDLL

Section "!${PRODUCT}" SecProgram
    SectionIn RO
    ReadRegStr $R9 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R9 != ""
        Call WaitWhileRunning
    ${EndIf}
    StrCpy $R9 $INSTDIR
    Call WaitWhileRunning
    Call RemovePrevious
    SetOutPath "$INSTDIR"
    !insertmacro InstallFiles
    ; The mark of an installed copy: its settings go to %APPDATA%\Brookfetch.
    FileOpen $0 "$INSTDIR\installed" w
    FileWrite $0 "Installed by the Brookfetch setup program: settings are kept in %APPDATA%\Brookfetch.$\r$\n"
    FileClose $0
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\brookfetch.exe" "" \
        "$INSTDIR\brookfetch.exe" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"

    ; .brk files: opened by Brookfetch, and offered by Explorer's "Open with". The extension's
    ; default is taken only when no other program has it.
    WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "$(FileTypeName)"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}" "FriendlyTypeName" "$(FileTypeName)"
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" '"$INSTDIR\brookfetch.exe",0'
    WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\brookfetch.exe" "%1"'
    ReadRegStr $0 SHCTX "${CLASSES}\.brk" ""
    ${If} $0 == ""
    ${OrIf} $0 == "${PROGID}"
        WriteRegStr SHCTX "${CLASSES}\.brk" "" "${PROGID}"
    ${EndIf}
    WriteRegNone SHCTX "${CLASSES}\.brk\OpenWithProgids" "${PROGID}"
    WriteRegStr SHCTX "${CLASSES}\Applications\brookfetch.exe" "FriendlyAppName" "${PRODUCT}"
    WriteRegStr SHCTX "${CLASSES}\Applications\brookfetch.exe\DefaultIcon" "" '"$INSTDIR\brookfetch.exe",0'
    WriteRegStr SHCTX "${CLASSES}\Applications\brookfetch.exe\shell\open\command" "" \
        '"$INSTDIR\brookfetch.exe" "%1"'
    WriteRegNone SHCTX "${CLASSES}\Applications\brookfetch.exe\SupportedTypes" ".brk"
    WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\App Paths\brookfetch.exe" "" \
        "$INSTDIR\brookfetch.exe"
    ; Explorer shows the new icon and "Open with" at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    ; "Apps & features". The mode flag makes the uninstaller act on the right registry hive.
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $0 "/AllUsers"
    ${Else}
        StrCpy $0 "/CurrentUser"
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\brookfetch.exe",0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" $0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S $0'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallerLanguage" "$LANGUAGE"
SectionEnd

Section "$(DesktopShortcut)" SecDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\brookfetch.exe" "" \
        "$INSTDIR\brookfetch.exe" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(ProgramDescription)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DesktopShortcutDescription)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    ; /D= has already set $INSTDIR; each install mode sets it again to its own folder.
    StrCpy $CommandLineFolder $INSTDIR
    !insertmacro MULTIUSER_INIT
    !insertmacro MUI_LANGDLL_DISPLAY
    ; Over an installed copy the desktop shortcut is offered as the last installation left it.
    ReadRegStr $PreviousVersion SHCTX "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $PreviousVersion != ""
    ${AndIfNot} ${FileExists} "$DESKTOP\${PRODUCT}.lnk"
        !insertmacro UnselectSection ${SecDesktop}
    ${EndIf}
FunctionEnd

Function KeepCommandLineFolder
    ${If} $CommandLineFolder != ""
        StrCpy $INSTDIR $CommandLineFolder
    ${EndIf}
FunctionEnd

; A newer installed copy is replaced only when the user says so; a silent setup replaces it.
; Asked once the window is up: only then do the texts speak the language chosen above.
Function CheckNewerInstalled
    ${If} $PreviousVersion != ""
        ${VersionCompare} $PreviousVersion "${VERSION}" $0
        ${If} $0 == 1
            MessageBox MB_YESNO|MB_ICONQUESTION "$(NewerInstalled)" IDYES replace
            Quit
            replace:
        ${EndIf}
    ${EndIf}
FunctionEnd

; An earlier installation, in this mode, is removed by its own uninstaller first, so files it
; had and this version has not do not stay behind. Settings and the language value are kept.
Function RemovePrevious
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "QuietUninstallString"
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $1 != ""
    ${AndIf} ${FileExists} "$1\uninstall.exe"
        DetailPrint "$(RemovingPrevious)"
        ExecWait '$0 _?=$1' $2
        ${If} $2 != 0
            Abort
        ${EndIf}
        Delete "$1\uninstall.exe"
        RMDir "$1"
    ${EndIf}
FunctionEnd

; Windows keeps the files of a running program: replacing or removing the copy in $R9 while
; Brookfetch or brookfetch-cli runs from it would leave half of it. Until the user has closed
; them, nothing is changed; a silent run stops with an error.
!macro IsRunning FILE
    ${If} ${FileExists} "${FILE}"
        ClearErrors
        FileOpen $R7 "${FILE}" a
        ${If} ${Errors}
            StrCpy $R8 1
        ${Else}
            FileClose $R7
        ${EndIf}
    ${EndIf}
!macroend
!macro WaitWhileRunning UN
    Function ${UN}WaitWhileRunning
        ${Do}
            StrCpy $R8 ""
            !insertmacro IsRunning "$R9\brookfetch.exe"
            !insertmacro IsRunning "$R9\brookfetch-cli.exe"
            ${If} $R8 == ""
                Return
            ${EndIf}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY +2
            Abort
        ${Loop}
    FunctionEnd
!macroend
!insertmacro WaitWhileRunning ""
!insertmacro WaitWhileRunning un.

Function FinishPagePre
    StrCpy $FinishText "$(MUI_TEXT_FINISH_INFO_TEXT)"
    ; The 64-bit FTD2XX.DLL lies in System32 once the adapter maker's driver is installed.
    ${IfNot} ${FileExists} "$SYSDIR\FTD2XX.DLL"
        StrCpy $FinishText "$FinishText$\r$\n$\r$\n$(DriverMissing)"
    ${EndIf}
FunctionEnd

Section "Uninstall"
    StrCpy $R9 $INSTDIR
    Call un.WaitWhileRunning
    !insertmacro RemoveFiles
    Delete "$INSTDIR\installed"
    Delete "$INSTDIR\uninstall.exe"
    ; Files of the user's own (FTDI's DLL put beside the program, say) keep the folder.
    RMDir "$INSTDIR"
    ${IfNot} $OwnRegistration == 1
        Return
    ${EndIf}

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$DESKTOP\${PRODUCT}.lnk"

    ReadRegStr $0 SHCTX "${CLASSES}\.brk" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue SHCTX "${CLASSES}\.brk" ""
    ${EndIf}
    DeleteRegValue SHCTX "${CLASSES}\.brk\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\.brk\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\.brk"
    DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
    DeleteRegKey SHCTX "${CLASSES}\Applications\brookfetch.exe"
    DeleteRegKey SHCTX "Software\Microsoft\Windows\CurrentVersion\App Paths\brookfetch.exe"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    ; Kept: the settings in %APPDATA%\Brookfetch and the language value under
    ; HKCU\Software\Borland\Locales; the confirmation page says so.
SectionEnd

; The uninstaller removes the copy it belongs to, whatever the command line says: with one copy
; for all users and one for the user, the mode MultiUser.nsh picks (and the folder it reads from
; that mode's registry key) may be the other copy's. The registration is removed only when it is
; this copy's own.
Function un.onInit
    StrCpy $R0 $INSTDIR
    !insertmacro MULTIUSER_UNINIT
    ReadRegStr $R1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R1 != $R0
        ${If} $MultiUser.InstallMode == "AllUsers"
            ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
            ${If} $R1 == $R0
                Call un.MultiUser.InstallMode.CurrentUser
            ${EndIf}
        ${ElseIf} $MultiUser.Privileges == "Admin"
        ${OrIf} $MultiUser.Privileges == "Power"
            ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
            ${If} $R1 == $R0
                Call un.MultiUser.InstallMode.AllUsers
            ${EndIf}
        ${EndIf}
    ${EndIf}
    StrCpy $INSTDIR $R0
    ReadRegStr $R1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R1 == $INSTDIR
        StrCpy $OwnRegistration 1
    ${EndIf}
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd
