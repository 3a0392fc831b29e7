; The Windows installer of Grovekeep, built by scripts/build-windows with NSIS:
;   makensis -DVERSION=0.90 -DSTAGE=<the installed programs> -DOUTFILE=<setup.exe> grovekeep.nsi
; STAGE is what `cmake --install` put in one folder; files.nsh and unfiles.nsh, written beside it
; by the same script, name each of its files (installed one by one, and removed one by one, so
; that an uninstall never removes what it did not install).
;
; For the current user by default, without administrator rights, in
; %LOCALAPPDATA%\Programs\Grovekeep; for every user with /AllUsers (administrators only), in
; Program Files. Either way Grovekeep keeps the user's options, backups and history in
; %APPDATA%\Grovekeep, which an uninstall leaves unless asked (/RemoveData, or the box on its
; page). Installing over an older version replaces its programs and keeps that data.

; A 64-bit installer for a 64-bit program (and Wine without its 32-bit part runs it).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include LogicLib.nsh
!include FileFunc.nsh
!include MUI2.nsh
!include nsDialogs.nsh

!define PRODUCT "Grovekeep"
!define PROGID "Grovekeep.Package"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Grovekeep"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Grovekeep"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${STAGE}/../grovekeep.ico"
!define MUI_UNICON "${STAGE}/../grovekeep.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Grovekeep.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Grovekeep"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
UninstPage custom un.DataPage un.DataPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PRODUCT}"

Var AllUsers
Var RemoveData
Var RemoveDataBox

; Registry keys go to HKLM for every user, to HKCU for one (values in backquotes: a command
; holds double quotes).
!macro WriteKey key name value
    ${If} $AllUsers == 1
        WriteRegStr HKLM "${key}" "${name}" `${value}`
    ${Else}
        WriteRegStr HKCU "${key}" "${name}" `${value}`
    ${EndIf}
!macroend
!macro WriteDword key name value
    ${If} $AllUsers == 1
        WriteRegDWORD HKLM "${key}" "${name}" "${value}"
    ${Else}
        WriteRegDWORD HKCU "${key}" "${name}" "${value}"
    ${EndIf}
!macroend

; /AllUsers asks for the installation for every user; it needs an administrator.
!macro ChooseMode un
Function ${un}ChooseMode
    StrCpy $AllUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/AllUsers" $1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ; The uninstaller of an installation for every user lies in Program Files.
    !if "${un}" == "un."
        ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $1 != ""
        ${AndIf} $1 == $INSTDIR
            StrCpy $AllUsers 1
        ${EndIf}
    !endif
    ${If} $AllUsers == 1
        UserInfo::GetAccountType
        Pop $1
        ${If} $1 != "Admin"
            MessageBox MB_ICONSTOP "Installing Grovekeep for every user needs an administrator. Run this again as one, or without /AllUsers to install it for yourself." /SD IDOK
            SetErrorLevel 5
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd
!macroend
!insertmacro ChooseMode ""
!insertmacro ChooseMode "un."

Function .onInit
    SetRegView 64
    ; The folder: the one /D= names; else that of an earlier installation of the same kind;
    ; else the default of the kind.
    StrCpy $8 0
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\Grovekeep"
        StrCpy $8 1
    ${EndIf}
    Call ChooseMode
    ${If} $AllUsers == 1
        ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
        StrCpy $1 "$PROGRAMFILES64\Grovekeep"
    ${Else}
        ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
        StrCpy $1 "$LOCALAPPDATA\Programs\Grovekeep"
    ${EndIf}
    ${If} $8 == 1
        ${If} $0 != ""
            StrCpy $INSTDIR $0
        ${Else}
            StrCpy $INSTDIR $1
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Grovekeep"
    SetOutPath "$INSTDIR"
    !include "${STAGE}/../files.nsh"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The Start menu.
    CreateShortCut "$SMPROGRAMS\Grovekeep.lnk" "$INSTDIR\Grovekeep.exe"
    CreateShortCut "$SMPROGRAMS\Grovekeep Help.lnk" "$INSTDIR\Help.exe"

    ; Packages open with Grovekeep's installer.
    !insertmacro WriteKey "Software\Classes\.vif" "" "${PROGID}"
    !insertmacro WriteKey "Software\Classes\.vif" "Content Type" "application/x-vif-package"
    !insertmacro WriteKey "Software\Classes\${PROGID}" "" "Black & White package"
    !insertmacro WriteKey "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\Grovekeep.exe,0"
    !insertmacro WriteKey "Software\Classes\${PROGID}\shell" "" "open"
    !insertmacro WriteKey "Software\Classes\${PROGID}\shell\open" "" "&Install with Grovekeep"
    !insertmacro WriteKey "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\Grovekeep.exe" "%1"'
    !insertmacro WriteKey "Software\Classes\Applications\Grovekeep.exe\SupportedTypes" ".vif" ""
    !insertmacro WriteKey "Software\Classes\Applications\Grovekeep.exe\shell\open\command" "" '"$INSTDIR\Grovekeep.exe" "%1"'

    ; Apps & features.
    StrCpy $0 '"$INSTDIR\Uninstall.exe"'
    ${If} $AllUsers == 1
        StrCpy $0 '$0 /AllUsers'
    ${EndIf}
    !insertmacro WriteKey "${UNINSTALL_KEY}" "DisplayName" "Grovekeep"
    !insertmacro WriteKey "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    !insertmacro WriteKey "${UNINSTALL_KEY}" "Publisher" "Grovekeep"
    !insertmacro WriteKey "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Grovekeep.exe,0"
    !insertmacro WriteKey "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    !insertmacro WriteKey "${UNINSTALL_KEY}" "UninstallString" "$0"
    !insertmacro WriteKey "${UNINSTALL_KEY}" "QuietUninstallString" "$0 /S"
    !insertmacro WriteDword "${UNINSTALL_KEY}" "NoModify" 1
    !insertmacro WriteDword "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    !insertmacro WriteDword "${UNINSTALL_KEY}" "EstimatedSize" "$1"

    ; Explorer shows the new type's icon and command at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Function un.onInit
    SetRegView 64
    Call un.ChooseMode
    StrCpy $RemoveData 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/RemoveData" $1
    ${IfNot} ${Errors}
        StrCpy $RemoveData 1
    ${EndIf}
FunctionEnd

Function un.DataPage
    !insertmacro MUI_HEADER_TEXT "Your Grovekeep data" "Options, backups and the history of your changes"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 40u "Grovekeep keeps your options, the backups of the files it replaced and the history of every change it made (which lets you undo them) in $APPDATA\Grovekeep. They stay unless you remove them here; your game and its files are never touched."
    Pop $0
    ${NSD_CreateCheckbox} 0 48u 100% 12u "&Remove my Grovekeep data as well"
    Pop $RemoveDataBox
    ${If} $RemoveData == 1
        ${NSD_Check} $RemoveDataBox
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function un.DataPageLeave
    ${NSD_GetState} $RemoveDataBox $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $RemoveData 1
    ${Else}
        StrCpy $RemoveData 0
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !include "${STAGE}/../unfiles.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\Grovekeep.lnk"
    Delete "$SMPROGRAMS\Grovekeep Help.lnk"

    ; The association, only while it is still Grovekeep's.
    ${If} $AllUsers == 1
        ReadRegStr $0 HKLM "Software\Classes\.vif" ""
        ${If} $0 == "${PROGID}"
            DeleteRegKey HKLM "Software\Classes\.vif"
        ${EndIf}
        DeleteRegKey HKLM "Software\Classes\${PROGID}"
        DeleteRegKey HKLM "Software\Classes\Applications\Grovekeep.exe"
        DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${Else}
        ReadRegStr $0 HKCU "Software\Classes\.vif" ""
        ${If} $0 == "${PROGID}"
            DeleteRegKey HKCU "Software\Classes\.vif"
        ${EndIf}
        DeleteRegKey HKCU "Software\Classes\${PROGID}"
        DeleteRegKey HKCU "Software\Classes\Applications\Grovekeep.exe"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    ; The user's data only when asked (always the uninstalling user's own).
    ${If} $RemoveData == 1
        SetShellVarContext current
        RMDir /r "$APPDATA\Grovekeep"
    ${EndIf}
SectionEnd
