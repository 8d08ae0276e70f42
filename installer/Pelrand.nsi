; The per-user installer of Pelrand, built by installer/CMakeLists.txt:
;   makensis -DVERSION=1.20.0.0 -DSTAGE=<stripped binaries> -DOUTFILE=<setup.exe> -DICON=<app icon>
;            -DFACTS=<facts.nsh> Pelrand.nsi
; facts.nsh, written by the build (facts.cmake), holds what the installer shares
; with the program: registry paths, the frame's title and exit command, the
; launcher's default table.
;
; No elevation: the program, its four libraries and the uninstaller go into the
; user's programs folder, the Start-menu entry into the user's Start menu, the
; autostart into the user's Run key, the uninstaller into the user's Apps list.
; It creates the two settings sections the program expects from installation,
; without touching values that exist (an upgrade keeps the user's shortcuts),
; stops a running copy before replacing its files and starts the new one at the end.
;
; Silent use: Setup.exe /S [/NOAUTOSTART] [/D=<folder>];  Uninstall.exe /S

Unicode true
; Only 64-bit Windows programs run where the program runs: the installer is one too.
Target amd64-unicode
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma

!ifndef VERSION | STAGE | OUTFILE | ICON | FACTS
  !error "VERSION, STAGE, OUTFILE, ICON and FACTS must be defined (see installer/CMakeLists.txt)"
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinMessages.nsh
!include "${FACTS}"

!define PRODUCT "${ZYFO_APP_TITLE}"
!define PUBLISHER "${ZYFO_COMPANY}"
!define SETTINGS "${ZYFO_PROFILE_ROOT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelrand"
!define START_MENU_ENTRY "$SMPROGRAMS\Pelrand.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_TEXT "$(FinishText)"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The program speaks German; the installer follows the user's language.
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

LangString SecProgramName ${LANG_GERMAN} "Pelrand (Programm und Bibliotheken)"
LangString SecProgramName ${LANG_ENGLISH} "Pelrand (program and libraries)"
LangString SecAutostartName ${LANG_GERMAN} "Bei der Anmeldung starten"
LangString SecAutostartName ${LANG_ENGLISH} "Start at logon"
LangString FilesInUse ${LANG_GERMAN} "Pelrand läuft noch und konnte nicht ersetzt werden. Beenden Sie es (Exit (&&E)) und starten Sie die Installation erneut."
LangString FilesInUse ${LANG_ENGLISH} "Pelrand is still running and could not be replaced. End it (Exit (&&E)) and run the installation again."
LangString FinishText ${LANG_GERMAN} "Pelrand läuft jetzt im Infobereich der Taskleiste. Rechtsklick auf das Symbol: Configuration(&&K) und Exit (&&E)."
LangString FinishText ${LANG_ENGLISH} "Pelrand now runs in the notification area. Right-click its icon for Configuration(&&K) and Exit (&&E)."

; Ends every running copy through its own exit command, so that it removes its
; tray icon and hooks, and waits until the process is gone: its files stay
; locked until then. A copy that does not end in time is terminated.
!macro DEFINE_STOP_RUNNING_COPY un
Function ${un}StopRunningCopy
  StrCpy $R9 0
  ${Do}
    FindWindow $0 "" "${ZYFO_FRAME_TITLE}"
    ${If} $0 == 0
    ${OrIf} $R9 >= 10
      ${Break}
    ${EndIf}
    IntOp $R9 $R9 + 1
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
    ; SYNCHRONIZE | PROCESS_TERMINATE
    System::Call 'kernel32::OpenProcess(i 0x00100001, i 0, i r1) p .r2'
    DetailPrint "Stopping the running ${PRODUCT} (process $1)"
    System::Call 'user32::PostMessageW(p r0, i ${WM_COMMAND}, p ${ID_APP_EXIT}, p 0) i'
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i .r3'
      ${If} $3 != 0
        System::Call 'kernel32::TerminateProcess(p r2, i 1) i'
        System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i'
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r2) i'
    ${Else}
      Sleep 3000
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_STOP_RUNNING_COPY ""
!insertmacro DEFINE_STOP_RUNNING_COPY "un."

; Writes one launcher slot unless the user's profile has it already.
!macro DEFAULT_SHORTCUT slot text
  ClearErrors
  ReadRegStr $0 HKCU "${SETTINGS}\${ZYFO_SECTION_SHORTCUT}" "${ZYFO_SHORTCUT_VALUE_PREFIX}${slot}"
  ${If} ${Errors}
    WriteRegStr HKCU "${SETTINGS}\${ZYFO_SECTION_SHORTCUT}" "${ZYFO_SHORTCUT_VALUE_PREFIX}${slot}" "${text}"
  ${EndIf}
!macroend

Section "$(SecProgramName)" SecProgram
  SectionIn RO
  Call StopRunningCopy
  SetOutPath "$INSTDIR"
  ClearErrors
  File "${STAGE}\Pelrand.exe"
  File "${STAGE}\Varnel.dll"
  File "${STAGE}\Oskem.dll"
  File "${STAGE}\Fenwix.dll"
  File "${STAGE}\SkinMagic.dll"
  ; A file still in use is skipped silently in a silent install: say so, and fail.
  ${If} ${Errors}
    SetErrorLevel 2
    MessageBox MB_ICONSTOP "$(FilesInUse)" /SD IDOK
    Abort "$(FilesInUse)"
  ${EndIf}
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "${START_MENU_ENTRY}" "$INSTDIR\Pelrand.exe" "" "$INSTDIR\Pelrand.exe" 0

  ; The launcher's table: the nine predefined programs on page 1, page 2 blank.
  !insertmacro ZYFO_DEFAULT_SHORTCUTS
  ; The resolution section stays empty (the program writes "MouseDpi" into it).
  ; NSIS has no command that only creates a key: a value is written and removed.
  WriteRegDWORD HKCU "${SETTINGS}\${ZYFO_SECTION_DPI}" "${PRODUCT} Setup" 0
  DeleteRegValue HKCU "${SETTINGS}\${ZYFO_SECTION_DPI}" "${PRODUCT} Setup"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pelrand.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Empty: its check box is read by the last section.
Section "$(SecAutostartName)" SecAutostart
SectionEnd

Section "-Autostart and start"
  ${If} ${SectionIsSelected} ${SecAutostart}
    WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Pelrand.exe"'
  ${Else}
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Pelrand.exe"'
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOAUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
FunctionEnd

; Removes the program, its entry, its autostart and its Apps-list entry; the
; settings under HKCU\${SETTINGS} stay for a later installation.
Section "Uninstall"
  Call un.StopRunningCopy
  Delete "$INSTDIR\Pelrand.exe"
  Delete "$INSTDIR\Varnel.dll"
  Delete "$INSTDIR\Oskem.dll"
  Delete "$INSTDIR\Fenwix.dll"
  Delete "$INSTDIR\SkinMagic.dll"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${START_MENU_ENTRY}"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
