; Ornamo's setup program: a per-user install, no administrator rights asked.
; Built by installer/build-setup.cmake (the CMake target "setup", or tools/make-setup.sh),
; which passes:
;   VERSION       the project version, for example 1.0.0
;   VERSION4      the same with four numbers, for the file's version resource
;   PROGRAM_DIR   the built program folder (ornamo.exe, Pictra.dll, ornamo.chm, Samples)
;   SOURCE_DIR    the source tree, for the icon
;   SAMPLES_NSH   the generated list of sample files (macros InstallSamples, RemoveSamples)
;   OUTFILE       the setup program to write

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include "${SAMPLES_NSH}"

!define PRODUCT "Ornamo"
!define PUBLISHER "Ornamo"
!define HOME_PAGE "https://ornamo.example.com/"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ornamo"
!define PROG_ID "Ornamo.Template"
!define UNINSTALLER "uninstall.exe"
!define START_MENU_FOLDER "$SMPROGRAMS\Ornamo"
; The main window's class: while a window of it exists, the program's files are in use.
!define MAIN_WINDOW_CLASS "TfmMain"

!if /FileExists "${PROGRAM_DIR}/ornamo.chm"
  !define WITH_HELP
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
; The program writes its Output and Temp folders and ornamo.ini beside itself, so it lives
; in the user's own programs folder, which the user can write to.
InstallDir "$LOCALAPPDATA\Programs\Ornamo"
; A reinstall goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${SOURCE_DIR}/src/main/ornamo.ico"
!define MUI_UNICON "${SOURCE_DIR}/src/main/ornamo.ico"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} for you alone, in your own programs folder; it needs no administrator rights.$\r$\n$\r$\nIf Ornamo is running, close it first.$\r$\n$\r$\nClick Next to continue."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\ornamo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Ornamo"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!include "${__FILEDIR__}/registry.nsh"

; The program's files can be neither replaced nor removed while it runs.
!macro WaitUntilOrnamoClosed
  check_running:
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    StrCmp $0 0 not_running
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Ornamo is running. Close it, then choose Retry." \
      /SD IDCANCEL IDRETRY check_running
    Abort
  not_running:
!macroend

Function .onInit
  SetShellVarContext current
  !insertmacro WaitUntilOrnamoClosed
FunctionEnd

Section "Ornamo" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}/ornamo.exe"
  File "${PROGRAM_DIR}/Pictra.dll"
!ifdef WITH_HELP
  File "${PROGRAM_DIR}/ornamo.chm"
!endif
  !insertmacro InstallSamples
  ; The program makes these at every start too; made here, they are there from the first.
  ; A reinstall leaves whatever the user saved in Output as it is.
  CreateDirectory "$INSTDIR\Output\images"
  CreateDirectory "$INSTDIR\Temp"

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The shortcuts, and the finish page's "Run Ornamo", start in the folder set last.
  SetOutPath "$INSTDIR"
  CreateDirectory "${START_MENU_FOLDER}"
  CreateShortcut "${START_MENU_FOLDER}\Ornamo.lnk" "$INSTDIR\ornamo.exe" "" "$INSTDIR\ornamo.exe" 0
!ifdef WITH_HELP
  CreateShortcut "${START_MENU_FOLDER}\Ornamo Help.lnk" "$INSTDIR\ornamo.chm"
!endif

  !insertmacro WriteTemplateAssociation
  SectionGetSize ${SectionProgram} $0
  !insertmacro WriteUninstallEntry $0
SectionEnd

Function un.onInit
  SetShellVarContext current
  !insertmacro WaitUntilOrnamoClosed
FunctionEnd

Section "Uninstall"
  Delete "$INSTDIR\ornamo.exe"
  Delete "$INSTDIR\Pictra.dll"
  Delete "$INSTDIR\ornamo.chm"
  ; The settings and the recovery copies of unsaved templates are the program's own state:
  ; they go with it.
  Delete "$INSTDIR\ornamo.ini"
  Delete "$INSTDIR\ornamo-recovery-*.atp"
  Delete "$INSTDIR\ornamo-recovery-*.ini"

  ; Only the samples this setup installed: a template the user added there stays, and so
  ; does the folder then.
  !insertmacro RemoveSamples
  RMDir "$INSTDIR\Samples\images"
  RMDir "$INSTDIR\Samples"

  ; The program empties Temp of files at every exit and keeps its subfolders; so does this.
  Delete "$INSTDIR\Temp\*.*"
  RMDir "$INSTDIR\Temp"

  Call un.RemoveOutput

  Delete "${START_MENU_FOLDER}\Ornamo.lnk"
  Delete "${START_MENU_FOLDER}\Ornamo Help.lnk"
  RMDir "${START_MENU_FOLDER}"

  !insertmacro RemoveTemplateAssociation
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  Delete "$INSTDIR\${UNINSTALLER}"
  ; Never recursive: the folder may have been chosen with files of the user's in it.
  RMDir "$INSTDIR"
SectionEnd

; Output is where the program saves templates, code and pictures: an empty Output goes
; quietly, one holding files is removed only when the user says so (a silent uninstall
; keeps it).
Function un.RemoveOutput
  RMDir "$INSTDIR\Output\images"
  RMDir "$INSTDIR\Output"
  ${IfNot} ${FileExists} "$INSTDIR\Output\*.*"
    Return
  ${EndIf}
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "The folder $INSTDIR\Output holds files you made with Ornamo (templates, pictures, code).$\r$\n$\r$\nDelete them too?$\r$\nChoose No to keep them." \
    /SD IDNO IDNO keep
  RMDir /r "$INSTDIR\Output"
  keep:
FunctionEnd
