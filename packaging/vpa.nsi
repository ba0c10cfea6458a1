; The per-user installer: the program folder into
; %LOCALAPPDATA%\Programs\VPA (the program writes beside its executable, so
; it cannot live under Program Files), a Start-menu entry and an uninstaller
; that keeps the detailer's entries in TextFiles.
; makensis -DVERSION=x.y.z -DPROGRAM=<program folder> -DICON=<vpa.ico>
;   -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

Name "VPA ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\VPA"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "VPA"
VIAddVersionKey "FileDescription" "SDS/2 Macro. Vertical Plain Angles setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VPA"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "VPA"
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\vpa.exe"
  File "${PROGRAM}\vpa-macro.exe"
  File "${PROGRAM}\Pellavert.htm"
  File /nonfatal "${PROGRAM}\*.svg"
  SetOutPath "$INSTDIR\PythonFiles"
  File "${PROGRAM}\PythonFiles\*.PY"
  CreateDirectory "$INSTDIR\0PY"
  CreateDirectory "$INSTDIR\TextFiles"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\VPA"
  CreateShortcut "$SMPROGRAMS\VPA\VPA.lnk" "$INSTDIR\vpa.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "VPA ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vpa.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; TextFiles holds the detailer's entries: it stays, and so does the folder
; that holds it.
Section "Uninstall"
  Delete "$INSTDIR\vpa.exe"
  Delete "$INSTDIR\vpa-macro.exe"
  Delete "$INSTDIR\Pellavert.htm"
  Delete "$INSTDIR\*.svg"
  RMDir /r "$INSTDIR\PythonFiles"
  RMDir /r "$INSTDIR\0PY"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\VPA\VPA.lnk"
  RMDir "$SMPROGRAMS\VPA"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
SectionEnd
