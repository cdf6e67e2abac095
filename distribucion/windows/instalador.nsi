; The Windows installer of the calculators: into Program Files, as
; administrator, with a Start menu entry for each program and an entry in
; Settings > Apps whose uninstaller takes away all it made. makensis is given
; VERSION, CARPETA (the Windows folder), LICENCIAS, ICONO and SALIDA; the
; build writes accesos.nsh (one Start menu entry a program).
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

Function .onInit
    SetRegView 64
    ; An older version is uninstalled first, so one entry and none of its
    ; files remain.
    ReadRegStr $0 HKLM "${CLAVE}" "InstallLocation"
    StrCmp $0 "" fin
    IfFileExists "$0\desinstalar.exe" 0 fin
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
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    RMDir /r "${MENU}"
    RMDir /r "$INSTDIR"
    DeleteRegKey HKLM "${CLAVE}"
SectionEnd
