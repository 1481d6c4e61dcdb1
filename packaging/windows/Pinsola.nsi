; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program of Pinsola for Windows. Built by cmake/WindowsPackage.cmake, which defines VERSION,
; PUBLISHER, ICON, OUTFILE, SIZE_KB (the program folder's size), FILES (the program folder's files as two
; macros, PinsolaInstallFiles and PinsolaRemoveFiles) and LANGUAGES (this folder's texts).
;
; Installs for the current user without administrator rights; for all users, under Program Files, when run
; elevated or with /ALLUSERS (and administrator rights). /CURRENTUSER installs for the user even when
; elevated. The program's drawings and settings lie outside its folder, so an upgrade or an uninstall leaves
; them unless the uninstaller is told otherwise.

; A 64-bit setup program for the 64-bit program: it sees the system's own Program Files and registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pinsola"
!define SETTINGS_KEY "Software\VB and VBA Program Settings\Pinsola"
; The file by which the program knows a folder this setup program installed: it writes under
; %LOCALAPPDATA%\Pinsola instead, so that an upgrade or the uninstaller takes none of the child's files.
!define INSTALLED_MARK "installed.txt"

Name "Pinsola"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Pinsola"
BrandingText "Pinsola ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Pinsola"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Pinsola ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"

Var AllUsers ; 1 for Program Files and HKLM, 0 for the current user

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\pinsola.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the one shown where the system speaks none of them.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Swedish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!include /CHARSET=UTF8 "${LANGUAGES}"
!include "${FILES}"

; Whether /NAME is among the command line's options.
!macro HasOption result name
    ${GetParameters} $R9
    ClearErrors
    ${GetOptions} $R9 "/${name}" $R8
    ${If} ${Errors}
        StrCpy ${result} 0
    ${Else}
        StrCpy ${result} 1
    ${EndIf}
!macroend

; Sets AllUsers from the command line and the process's rights, and with it the shell folders and SHCTX.
Function ChooseInstallMode
    UserInfo::GetAccountType
    Pop $0
    !insertmacro HasOption $1 ALLUSERS
    !insertmacro HasOption $2 CURRENTUSER
    StrCpy $AllUsers 0
    ${If} $1 = 1
        StrCpy $AllUsers 1
    ${ElseIf} $0 == "Admin"
    ${AndIf} $2 = 0
        StrCpy $AllUsers 1
    ${EndIf}
    Call UseInstallMode
FunctionEnd

; The uninstaller removes the installation it belongs to: the current user's if that lies in its folder.
Function un.ChooseInstallMode
    StrCpy $AllUsers 1
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        StrCpy $AllUsers 0
    ${EndIf}
    Call un.UseInstallMode
FunctionEnd

!macro UseInstallMode un
Function ${un}UseInstallMode
    ${If} $AllUsers = 1
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 != "Admin"
            MessageBox MB_ICONSTOP "$(NeedsAdministrator)" /SD IDOK
            SetErrorLevel 740
            Quit
        ${EndIf}
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd
!macroend
!insertmacro UseInstallMode ""
!insertmacro UseInstallMode "un."

; A running copy holds its lock file open, so that nobody can remove it; a lock left by a copy that crashed
; goes. Until the copy has ended, the user is asked to end it; a silent run gives up.
!macro WaitForPinsolaToEnd un
Function ${un}WaitForPinsolaToEnd
    SetShellVarContext current
    StrCpy $0 "$LOCALAPPDATA\Pinsola\Pinsola.lock"
    ${If} $AllUsers = 1
        SetShellVarContext all
    ${EndIf}
    ${DoWhile} ${FileExists} $0
        ClearErrors
        Delete $0
        ${IfNot} ${Errors}
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(PinsolaIsRunning)" /SD IDCANCEL IDRETRY again
        SetErrorLevel 2
        Quit
        again:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WaitForPinsolaToEnd ""
!insertmacro WaitForPinsolaToEnd "un."

Function .onInit
    Call ChooseInstallMode
    ${If} $AllUsers = 1
        StrCpy $INSTDIR "$PROGRAMFILES64\Pinsola"
    ${EndIf}
    ; An upgrade goes where the installed version lies.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Section "Pinsola" SectionProgram
    SectionIn RO
    Call WaitForPinsolaToEnd
    !insertmacro PinsolaInstallFiles
    SetOutPath "$INSTDIR"
    FileOpen $0 "$INSTDIR\${INSTALLED_MARK}" w
    FileWrite $0 "Pinsola ${VERSION}, installed by its setup program: drawings and settings are kept under$\r$\n"
    FileWrite $0 "%LOCALAPPDATA%\Pinsola and in the registry, not in this folder.$\r$\n"
    FileClose $0
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Pinsola.lnk" "$INSTDIR\pinsola.exe" "" "$INSTDIR\pinsola.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"

    ; SHCTX is HKLM for all users, HKCU for the current one.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Pinsola"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pinsola.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "$(DesktopShortcut)" SectionDesktop
    CreateShortcut "$DESKTOP\Pinsola.lnk" "$INSTDIR\pinsola.exe" "" "$INSTDIR\pinsola.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"
SectionEnd

Function un.onInit
    Call un.ChooseInstallMode
FunctionEnd

Section "un.Pinsola" UnSectionProgram
    SectionIn RO
    Call un.WaitForPinsolaToEnd
    !insertmacro PinsolaRemoveFiles
    Delete "$INSTDIR\${INSTALLED_MARK}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Pinsola.lnk"
    Delete "$DESKTOP\Pinsola.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

; The user's own: their drawings, the program's log and kept drawing, and the settings.
Section /o "un.$(RemoveDrawingsAndSettings)" UnSectionData
    SetShellVarContext current
    RMDir /r "$LOCALAPPDATA\Pinsola"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd
