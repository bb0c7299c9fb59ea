; Whether Metrova runs from the folder that is about to be changed: Windows
; lets no one open a running program's file for writing (nor a DLL that a
; program has loaded), whoever started it, so the file itself is asked.
; Files in use are never replaced or removed: the user is asked to close
; Metrova and try again; silently (/S), or when the user cancels, the
; program ends with EXIT_RUNNING.
!define EXIT_RUNNING 32 ; ERROR_SHARING_VIOLATION: a file is in use

; Used once in a script (its label is not unique).
!macro METROVA_CLOSED_OR_QUIT WHAT
    Push $0
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\metrova.exe"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\metrova.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "Metrova is running. Close every Metrova window, then click Retry to ${WHAT}." \
            /SD IDCANCEL IDRETRY metrova_closed_retry
        SetErrorLevel ${EXIT_RUNNING}
        Quit
    metrova_closed_retry:
    ${Loop}
    Pop $0
!macroend
