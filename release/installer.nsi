; The installer for players: per user, no administrator rights, into the user's own programs
; folder or any folder the player picks (often the game's own), and HKCU. Built by CMake
; (target "installer"), which passes
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
; Players install into the game's own folder, beside its ReadMe.txt and Uninstall.exe: every
; file of ours carries a name of its own, and only those names are written and removed.
!define EXE_NAME "zatstart.exe"
!define README_NAME "${PRODUCT} ReadMe.txt"
!define UNINSTALLER_NAME "Uninstall ${PRODUCT}.exe"
; The launcher holds this mutex from its first page until it ends.
!define INSTANCE_CLAIM "ZatStart Version ${VERSION} pages"
!define SYNCHRONIZE 0x00100000
; Exit codes besides 0 (NSIS's own: 1 cancelled, 2 aborted): 2 the launcher runs, 3 a file or
; setting could not be written.
!define EXIT_LAUNCHER_RUNS 2
!define EXIT_NOT_WRITTEN 3
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

; Nothing is written while the launcher runs: the player is asked to close it and retry; a
; silent run ends at once with its exit code. Called before the first write.
!macro WaitForLauncherToClose un
Function ${un}WaitForLauncherToClose
  ${Do}
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE_CLAIM}") p .r0'
    ${If} $0 == 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_LAUNCHER_RUNS}
    Quit
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro WaitForLauncherToClose ""
!insertmacro WaitForLauncherToClose "un."

; Ends the install with its exit code when the steps since ClearErrors failed.
!macro StopOnError
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP \
      "${PRODUCT} could not be installed: a file or setting could not be written." /SD IDOK
    SetErrorLevel ${EXIT_NOT_WRITTEN}
    Quit
  ${EndIf}
!macroend

Section "Zat Start"
  Call WaitForLauncherToClose
  ClearErrors
  SetOutPath "$INSTDIR"
  ; A file that cannot be written is offered for a retry; skipped (as a silent install does),
  ; it ends the install.
  File "/oname=${EXE_NAME}" "${EXE}"
  !insertmacro StopOnError
  File "/oname=${README_NAME}" "${README}"
  !insertmacro StopOnError
  WriteUninstaller "$INSTDIR\${UNINSTALLER_NAME}"
  !insertmacro StopOnError
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE_NAME}" "" "$INSTDIR\${EXE_NAME}" 0

  ; The settings file type: opened at its command line page, or played without the pages.
  WriteRegStr HKCU "${CLASSES}\.ZTP" "" "${PROGID}"
  WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "Zat Start Settings File"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE_NAME},0"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell" "" "open"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE_NAME}" "%1"'
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\play" "" "&Play"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\play\command" "" '"$INSTDIR\${EXE_NAME}" /run "%1"'

  ; One entry however often it is installed: the key's name never changes.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_NAME}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_NAME}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  !insertmacro StopOnError
  ; Our own files only: the folder may be the game's.
  ${GetSize} "$INSTDIR" "/M=${EXE_NAME} /S=0K /G=0" $0 $1 $2
  ${GetSize} "$INSTDIR" "/M=${UNINSTALLER_NAME} /S=0K /G=0" $1 $2 $3
  IntOp $0 $0 + $1
  ClearErrors
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  !insertmacro StopOnError

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
SectionEnd

; Removes what the installer wrote, by name: never the folder's other contents (it may be the
; game's), the player's settings files or ZatStart.ini. The folder goes only when left empty.
Section "Uninstall"
  Call un.WaitForLauncherToClose
  Delete "$INSTDIR\${EXE_NAME}"
  Delete "$INSTDIR\${README_NAME}"
  Delete "$INSTDIR\${UNINSTALLER_NAME}"
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
