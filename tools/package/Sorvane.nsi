; The installer of Sorvane: copies the player, its read-me and its licence to a folder under
; Program Files (the 64-bit build on 64-bit Windows, the 32-bit one elsewhere), adds a
; Start-menu folder with the player and the uninstaller, and writes nothing else (no
; registry entry, no file outside these two folders). The uninstaller removes exactly that.
;
; makensis -DSOURCE32=... -DSOURCE64=... -DDOCS=... -DOUTFILE=... Sorvane.nsi

Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

Name "Sorvane 2.0.0"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES\Sorvane"
VIProductVersion "2.0.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "Sorvane"
VIAddVersionKey /LANG=1041 "FileDescription" "Sorvane セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "2.0.0.0"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2002-2026 The Sorvane developers"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${DOCS}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ${If} ${RunningX64}
    StrCpy $INSTDIR "$PROGRAMFILES64\Sorvane"
  ${EndIf}
FunctionEnd

Section "Sorvane"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=Sorvane.exe" "${SOURCE64}\Sorvane.exe"
  ${Else}
    File "/oname=Sorvane.exe" "${SOURCE32}\Sorvane.exe"
  ${EndIf}
  File "${DOCS}\ReadMe.txt"
  File "${DOCS}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Sorvane"
  CreateShortcut "$SMPROGRAMS\Sorvane\Sorvane.lnk" "$INSTDIR\Sorvane.exe"
  CreateShortcut "$SMPROGRAMS\Sorvane\Sorvane のアンインストール.lnk" "$INSTDIR\Uninstall.exe"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Sorvane\Sorvane.lnk"
  Delete "$SMPROGRAMS\Sorvane\Sorvane のアンインストール.lnk"
  RMDir "$SMPROGRAMS\Sorvane"
  Delete "$INSTDIR\Sorvane.exe"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
