; What the setup writes to the user's part of the registry: the template file association
; and the entry of the "Apps" (Add or Remove Programs) list.

!define CLASSES "Software\Classes"
; SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, NULL, NULL): Explorer picks up the new
; icon and command without a log-off.
!define NotifyAssociationsChanged "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'"

!macro WriteTemplateAssociation
  WriteRegStr HKCU "${CLASSES}\.atp" "" "${PROG_ID}"
  WriteRegStr HKCU "${CLASSES}\.atp\OpenWithProgids" "${PROG_ID}" ""
  WriteRegStr HKCU "${CLASSES}\${PROG_ID}" "" "Ornamo Template"
  WriteRegStr HKCU "${CLASSES}\${PROG_ID}\DefaultIcon" "" "$INSTDIR\ornamo.exe,1"
  WriteRegStr HKCU "${CLASSES}\${PROG_ID}\shell\open\command" "" '"$INSTDIR\ornamo.exe" "%1"'
  ${NotifyAssociationsChanged}
!macroend

; .atp is handed back only while it still names Ornamo: a program that took it over since
; keeps it. Whatever else other programs keep under .atp stays too.
!macro RemoveTemplateAssociation
  ReadRegStr $0 HKCU "${CLASSES}\.atp" ""
  ${If} $0 == "${PROG_ID}"
    DeleteRegValue HKCU "${CLASSES}\.atp" ""
  ${EndIf}
  DeleteRegValue HKCU "${CLASSES}\.atp\OpenWithProgids" "${PROG_ID}"
  DeleteRegKey /ifempty HKCU "${CLASSES}\.atp\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "${CLASSES}\.atp"
  DeleteRegKey HKCU "${CLASSES}\${PROG_ID}"
  ${NotifyAssociationsChanged}
!macroend

; SIZE_KB: the installed files' size in kilobytes.
!macro WriteUninstallEntry SIZE_KB
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_PAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ornamo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
!macroend
