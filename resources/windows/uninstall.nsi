; Metrova's uninstaller, Uninstall.exe in the program's folder: removes
; exactly the files the installer put there, the Start-menu shortcut and the
; entry in Apps & features, and returns only when all of that is gone, so
; that whoever waits for it (Settings, winget, a script) sees Metrova gone.
; It is a program of its own, not the uninstaller that makensis writes:
; that one copies itself into %TEMP%, starts the copy and returns at once,
; and the copy stays behind. What no running program can do is delete its
; own file (nor move it: this one keeps its file open while it runs), so
; the last step is left to a hidden command prompt, the system's own
; program: it deletes Uninstall.exe and the emptied folder as soon as this
; program has ended, and then nothing of Metrova is left.
; scripts/windows-package compiles it with makensis, defining:
;   VERSION, VERSION4, COMPANY, ICON as for metrova.nsi
;   FILES        an include file of the Delete and RMDir lines
;   OUTFILE      the program to write
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
SetDatablockOptimize on
CRCCheck on

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Metrova"

Name "Metrova"
Caption "Uninstall Metrova"
OutFile "${OUTFILE}"
BrandingText "Metrova ${VERSION}"
ShowInstDetails nevershow

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=1033 "ProductName" "Metrova"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "Metrova ${VERSION} uninstaller"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 ${COMPANY}"

!include "LogicLib.nsh"
!include "MUI2.nsh"
!include "running.nsh"
!define MUI_ICON "${ICON}"
!define MUI_PAGE_HEADER_TEXT "Uninstalling Metrova"
!define MUI_PAGE_HEADER_SUBTEXT "Please wait while Metrova is removed."
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "Uninstallation complete"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "Metrova was removed from your computer."
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext current
    StrCpy $INSTDIR "$EXEDIR"
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove Metrova from $INSTDIR?" /SD IDYES IDYES +3
    SetErrorLevel 1
    Quit
    !insertmacro METROVA_CLOSED_OR_QUIT "remove it"
FunctionEnd

; Only what the installer wrote goes: a folder the user chose that holds
; other files keeps them, and keeps itself.
Section "Remove"
    Delete "$SMPROGRAMS\Metrova.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    !include "${FILES}"
SectionEnd

; Last, as this program ends (in a window, once the user has closed it):
; the command prompt tries until this program has ended and its file can
; go (bounded: it gives up after some thousand attempts), then removes the
; folder, and the per-user programs folder if that is empty then (the
; first per-user program installed made it).
Function .onInstSuccess
    ExecShell "" "$SYSDIR\cmd.exe" \
        '/d /q /c for /l %i in (1,1,20000) do @(del /f /q "$EXEPATH" 2>nul & if not exist "$EXEPATH" (rd "$INSTDIR" 2>nul & rd "$LOCALAPPDATA\Programs" 2>nul & exit /b 0))' \
        SW_HIDE
FunctionEnd
