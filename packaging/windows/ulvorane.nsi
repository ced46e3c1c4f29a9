; The Windows installer of both programs and both commands, made by
; tools/windows/package.sh, which defines:
;   VERSION   the project's version
;   VERSION4  the same in four numbers (1.0.0.0)
;   SOURCE    the folder to install (bin\, share\ulvorane\samples\)
;   FILES     the uninstaller's list of what SOURCE holds (Delete, RMDir lines)
;   OUTFILE   the installer to write
;   ICON      the installer's icon
;   SIZE_KB   the installed size, for the programs list
; It installs for the user who runs it, without administrator rights, and
; speaks English or French as Windows does (no question asked). The uninstaller leaves the user's
; data folders (%APPDATA%\Ulvorane, %APPDATA%\Ostrilon) as they are.
; A 64-bit installer for 64-bit programs (and Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ulvorane"

Name "Ulvorane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ulvorane"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\Ulvorane.exe"
!insertmacro MUI_PAGE_LICENSE "${SOURCE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString SimplifiedName ${LANG_ENGLISH} "Ulvorane (simplified layout)"
LangString SimplifiedName ${LANG_FRENCH} "Ulvorane (disposition simplifiée)"
LangString UninstallName ${LANG_ENGLISH} "Uninstall Ulvorane"
LangString UninstallName ${LANG_FRENCH} "Désinstaller Ulvorane"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Ulvorane"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Ulvorane ${VERSION} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Ulvorane developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright 2026 The Ulvorane developers, GNU GPL version 3"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}/*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; The shortcuts start in bin\, as the programs would from Explorer.
    SetOutPath "$INSTDIR\bin"
    CreateDirectory "$SMPROGRAMS\Ulvorane"
    CreateShortcut "$SMPROGRAMS\Ulvorane\Ulvorane.lnk" "$INSTDIR\bin\Ulvorane.exe"
    CreateShortcut "$SMPROGRAMS\Ulvorane\$(SimplifiedName).lnk" "$INSTDIR\bin\Ulvorane.exe" "/S"
    CreateShortcut "$SMPROGRAMS\Ulvorane\Ostrilon.lnk" "$INSTDIR\bin\Ostrilon.exe"
    CreateShortcut "$SMPROGRAMS\Ulvorane\$(UninstallName).lnk" "$INSTDIR\Uninstall.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ulvorane ${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Ulvorane developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\Ulvorane.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    ; Only what was installed, by name: a folder the user chose may hold
    ; other files, and the data folders under %APPDATA% are the user's.
    !include "${FILES}"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; The folder is ours; its shortcuts are named in the language of the
    ; install, which may not be the uninstaller's.
    Delete "$SMPROGRAMS\Ulvorane\*.lnk"
    RMDir "$SMPROGRAMS\Ulvorane"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
