; The installer for players: per user, no administrator rights, everything under the user's
; own programs folder and HKCU. Built by CMake (target "installer"), which passes
;   VERSION  the program's version (the project's version in CMakeLists.txt)
;   EXE      the zatstart.exe to install
;   README   the players' read-me
;   ICON     the program's icon, for the installer itself
;   OUTFILE  the installer to write
; Silent with /S, for installing and for uninstalling alike.

Unicode true
; 64-bit stubs: the program is 64-bit, and a 64-bit Windows (or Wine) starts them.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Zat Start"
!define PUBLISHER "Zat Start team"
!define PROGID "ZatStart.SettingsFile"
!define CLASSES "Software\Classes"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZatStart"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; SHChangeNotify: file types changed; no items named.
!define SHCNE_ASSOCCHANGED 0x08000000
!define SHCNF_IDLIST 0

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An earlier install is replaced where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Zat Start"
  SetOutPath "$INSTDIR"
  File "/oname=zatstart.exe" "${EXE}"
  File "/oname=ReadMe.txt" "${README}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\zatstart.exe" "" "$INSTDIR\zatstart.exe" 0

  ; The settings file type: opened at its command line page, or played without the pages.
  WriteRegStr HKCU "${CLASSES}\.ZTP" "" "${PROGID}"
  WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "Zat Start Settings File"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\zatstart.exe,0"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell" "" "open"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\zatstart.exe" "%1"'
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\play" "" "&Play"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\play\command" "" '"$INSTDIR\zatstart.exe" /run "%1"'

  ; One entry however often it is installed: the key's name never changes.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zatstart.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
SectionEnd

; Removes what the installer wrote, by name: never the folder's other contents, the player's
; settings files, the game or ZatStart.ini.
Section "Uninstall"
  Delete "$INSTDIR\zatstart.exe"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"

  DeleteRegKey HKCU "${CLASSES}\${PROGID}"
  ; .ZTP is left alone when another program has taken it over since.
  ReadRegStr $0 HKCU "${CLASSES}\.ZTP" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue HKCU "${CLASSES}\.ZTP" ""
    DeleteRegKey /ifempty HKCU "${CLASSES}\.ZTP"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
SectionEnd
