; The Windows installer of the calculators: into Program Files, as
; administrator, with a Start menu entry for each program and an entry in
; Settings > Apps whose uninstaller takes away all it made. makensis is given
; VERSION, CARPETA (the Windows folder), LICENCIAS, ICONO and SALIDA; the
; build writes accesos.nsh (one Start menu entry a program), instalador.sh
; quitar.nsh (what the uninstaller removes: each file installed, each folder).
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCTO "Calculadoras RF"
!define EDITOR "Equipo Calculadoras RF"
!define CLAVE "Software\Microsoft\Windows\CurrentVersion\Uninstall\CalculadorasRF"
!define MENU "$SMPROGRAMS\${PRODUCTO}"

Name "${PRODUCTO} ${VERSION}"
OutFile "${SALIDA}"
InstallDir "$PROGRAMFILES64\${PRODUCTO}"
InstallDirRegKey HKLM "${CLAVE}" "InstallLocation"
BrandingText "${PRODUCTO} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=3082 "ProductName" "${PRODUCTO}"
VIAddVersionKey /LANG=3082 "CompanyName" "${EDITOR}"
VIAddVersionKey /LANG=3082 "FileDescription" "Instalador de ${PRODUCTO}"
VIAddVersionKey /LANG=3082 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=3082 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=3082 "LegalCopyright" "${EDITOR}"

!define MUI_ICON "${ICONO}"
!define MUI_UNICON "${ICONO}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCIAS}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

; Windows opens no running program's file for writing, and removes none:
; with a program of the folder $0 open, an install or uninstall would leave
; files behind. Until each is closed, the user is asked to close it; a
; silent run, or a user who cancels, ends with status 2 and nothing changed.
!macro CERRAR_PROGRAMAS UN
Function ${UN}CerrarProgramas
  otra_vez:
    FindFirst $1 $2 "$0\*.exe"
  siguiente:
    StrCmp $2 "" cerrados
    StrCmp $2 "desinstalar.exe" otro
    ClearErrors
    FileOpen $3 "$0\$2" a
    IfErrors abierto
    FileClose $3
  otro:
    FindNext $1 $2
    Goto siguiente
  abierto:
    FindClose $1
    StrCpy $2 $2 -4
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$2 está abierto: ciérrelo y vuelva a intentarlo." /SD IDCANCEL IDRETRY otra_vez
    SetErrorLevel 2
    Quit
  cerrados:
    FindClose $1
FunctionEnd
!macroend
!insertmacro CERRAR_PROGRAMAS ""
!insertmacro CERRAR_PROGRAMAS "un."

Function .onInit
    SetRegView 64
    ; An older version is uninstalled first, so one entry and none of its
    ; files remain.
    ReadRegStr $0 HKLM "${CLAVE}" "InstallLocation"
    StrCmp $0 "" fin
    IfFileExists "$0\desinstalar.exe" 0 fin
    Call CerrarProgramas
    ExecWait '"$0\desinstalar.exe" /S _?=$0'
    Delete "$0\desinstalar.exe"
    RMDir "$0"
  fin:
FunctionEnd

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${CARPETA}\*.*"
    WriteUninstaller "$INSTDIR\desinstalar.exe"
    CreateDirectory "${MENU}"
    !include "accesos.nsh"
    WriteRegStr HKLM "${CLAVE}" "DisplayName" "${PRODUCTO}"
    WriteRegStr HKLM "${CLAVE}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${CLAVE}" "Publisher" "${EDITOR}"
    WriteRegStr HKLM "${CLAVE}" "DisplayIcon" "$INSTDIR\filtros.exe,0"
    WriteRegStr HKLM "${CLAVE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${CLAVE}" "UninstallString" '"$INSTDIR\desinstalar.exe"'
    WriteRegStr HKLM "${CLAVE}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /S'
    WriteRegDWORD HKLM "${CLAVE}" "NoModify" 1
    WriteRegDWORD HKLM "${CLAVE}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${CLAVE}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
    StrCpy $0 $INSTDIR
    Call un.CerrarProgramas
FunctionEnd

; Only what was installed: the folder chosen may hold the user's own files.
Section "Uninstall"
    SetShellVarContext all
    RMDir /r "${MENU}"
    !include "quitar.nsh"
    Delete "$INSTDIR\desinstalar.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${CLAVE}"
SectionEnd
