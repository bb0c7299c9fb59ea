; Metrova's installer: for the user who runs it, without administrator rights
; (the program folder under %LOCALAPPDATA%\Programs, a Start-menu shortcut,
; an entry in Apps & features under HKCU) and its uninstaller, Uninstall.exe
; (uninstall.nsi, compiled first). It replaces no file of a Metrova that is
; running (running.nsh).
; scripts/windows-package compiles it with makensis, defining:
;   VERSION      1.01.0002
;   VERSION4     1.1.2.0 (the numeric form Windows keeps)
;   COMPANY      the publisher
;   STAGE        the folder that users get, as the portable zip holds it
;   UNINSTALLER  Uninstall.exe, compiled from uninstall.nsi
;   SIZE_KB      the folder's size, for Apps & features
;   ICON         metrova.ico
;   OUTFILE      the installer to write
; A 64-bit installer for a 64-bit program.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
SetDatablockOptimize on
CRCCheck on

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Metrova"

Name "Metrova"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Metrova"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Metrova ${VERSION}"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "Metrova"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "Metrova ${VERSION} installer"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 ${COMPANY}"

!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "running.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\metrova.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Open Metrova"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext current
FunctionEnd

Section "Metrova"
    !insertmacro METROVA_CLOSED_OR_QUIT "install"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    File "/oname=Uninstall.exe" "${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\Metrova.lnk" "$INSTDIR\metrova.exe" "" "$INSTDIR\metrova.exe" 0 \
        SW_SHOWNORMAL "" "Unit converter for engineering and optical quantities"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Metrova"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\metrova.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd
