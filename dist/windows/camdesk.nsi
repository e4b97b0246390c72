; The camdesk installer, made by tools/windows/installer.sh: makensis -DOUTFILE=<setup.exe> -DVERSION=<x.yy>
; -DICON=<app5.ico> -DFILES=<files.nsh> -DUNFILES=<unfiles.nsh> camdesk.nsi, the two lists naming the program folder.
; A per-user install: camdesk keeps options.xml beside camdesk.exe, so its folder must stay writable for the
; user, which Program Files is not. The program itself still asks for administrator rights when it starts.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "camdesk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "KM420 camdesk ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "Software\${PRODUCT}" "InstallDir"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "camdesk" SecProgram
    SectionIn RO
    SetShellVarContext current
    !include /CHARSET=UTF8 "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKCU "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "KM420 camdesk"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\camdesk.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start menu entry" SecStartMenu
    SetShellVarContext current
    ; The program loads its translations from its working folder: the shortcut starts it in its own.
    SetOutPath "$INSTDIR"
    CreateDirectory "$SMPROGRAMS\KM420"
    CreateShortCut "$SMPROGRAMS\KM420\camdesk.lnk" "$INSTDIR\camdesk.exe"
    CreateShortCut "$SMPROGRAMS\KM420\Uninstall camdesk.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\KM420\camdesk.lnk"
    Delete "$SMPROGRAMS\KM420\Uninstall camdesk.lnk"
    RMDir "$SMPROGRAMS\KM420"
    ; options.xml holds the user's settings and stays, with the folder, unless the user removes it.
    Delete "$INSTDIR\uninstall.exe"
    !include /CHARSET=UTF8 "${UNFILES}"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\${PRODUCT}"
SectionEnd
