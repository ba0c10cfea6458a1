; The per-user installer: the program folder into
; %LOCALAPPDATA%\Programs\VPA (the program writes beside its executable, so
; it cannot live under Program Files), a Start-menu entry and an uninstaller.
; An upgrade goes where VPA is installed. Setup notes in Setup.ini the
; hash of each template and help page it puts down: an upgrade replaces only
; those still as it left them, keeping the ones a shop changed, and the
; uninstaller removes only those, keeping the entries, the macro and
; whatever the detailer added or changed.
; makensis -DVERSION=x.y.z -DPROGRAM=<program folder> -DICON=<vpa.ico>
;   -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; A file that cannot be written fails the install; it is never skipped.
AllowSkipFiles off

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
!define RECORD "Setup.ini"
; Where VPA is installed is where an upgrade goes.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

Var Kept  ; the templates kept as the shop changed them

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; FNV-1a of the file whose path is on the stack, in hex; "" when it cannot
; be read. Templates and the help page are a few kilobytes.
!macro FileHashFunction prefix
Function ${prefix}FileHash
  Exch $0
  Push $1
  Push $2
  Push $3
  ClearErrors
  FileOpen $1 $0 r
  StrCpy $0 ""
  IfErrors done
  StrCpy $3 0x811C9DC5
  next:
    FileReadByte $1 $2
    IfErrors read
    IntOp $3 $3 ^ $2
    IntOp $3 $3 * 16777619
    Goto next
  read:
  FileClose $1
  IntFmt $0 "%08X" $3
  done:
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd
!macroend
!insertmacro FileHashFunction ""
!insertmacro FileHashFunction "un."

; Fails the install, with `text` said and a non-zero exit, before anything
; is written.
!macro Fail text
  MessageBox MB_OK|MB_ICONSTOP "${text}" /SD IDOK
  DetailPrint "${text}"
  SetErrorLevel 2
  Abort "${text}"
!macroend

; The folder must take a file, and VPA must not run from it: a running
; vpa.exe cannot be replaced, and new data beside the old program would not
; match it.
Function CheckTarget
  ClearErrors
  CreateDirectory "$INSTDIR"
  FileOpen $0 "$INSTDIR\vpa-setup.tmp" w
  IfErrors 0 writable
  RMDir "$INSTDIR"
  !insertmacro Fail "Setup cannot write to $INSTDIR. Choose a folder you may write to, such as $LOCALAPPDATA\Programs\VPA."
  writable:
  FileClose $0
  Delete "$INSTDIR\vpa-setup.tmp"
  check_running:
  IfFileExists "$INSTDIR\vpa.exe" 0 not_running
  ClearErrors
  FileOpen $0 "$INSTDIR\vpa.exe" a
  IfErrors 0 closed
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "VPA is running from $INSTDIR. Close it (Exit in its window), then press Retry." /SD IDCANCEL IDRETRY check_running
  !insertmacro Fail "VPA is running from $INSTDIR; nothing was installed. Close VPA and run setup again."
  closed:
  FileClose $0
  not_running:
FunctionEnd

; A silent setup checks its target at once. NSIS replaces a /D= folder it
; deems unusable (under a file, on a drive that is not there) by the
; default without a word; the folder asked for is taken from the system's
; copy of the command line, so that setup fails on it instead.
Function .onInit
  IfSilent 0 done
  System::Call 'kernel32::GetCommandLineW() t .r0'
  StrLen $1 $0
  StrCpy $2 0
  find:
    IntCmp $2 $1 check
    StrCpy $3 $0 4 $2
    IntOp $2 $2 + 1
    StrCmp $3 " /D=" 0 find
  IntOp $2 $2 + 3
  StrCpy $INSTDIR $0 "" $2
  check:
  Call CheckTarget
  done:
FunctionEnd

; Notes the hash of $INSTDIR\$R1 in the record.
Function Record
  Push "$INSTDIR\$R1"
  Call FileHash
  Pop $0
  WriteINIStr "$INSTDIR\${RECORD}" Files "$R1" "$0"
FunctionEnd

; Puts down the template PythonFiles\$R1 from the unpacked ones: a new one,
; or one as setup left it, is replaced; one the shop changed stays, and the
; new one lies beside it as "NAME (VPA x.y.z).PY".
Function InstallTemplate
  StrCpy $R1 "PythonFiles\$R1"
  Push "$PLUGINSDIR\new\$R1"
  Call FileHash
  Pop $R2
  IfFileExists "$INSTDIR\$R1" 0 replace
  Push "$INSTDIR\$R1"
  Call FileHash
  Pop $R3
  StrCmp $R3 $R2 record
  ReadINIStr $R4 "$INSTDIR\${RECORD}" Files "$R1"
  StrCmp $R3 $R4 replace
  StrCpy $R5 $R1 -3
  StrCpy $R5 "$R5 (VPA ${VERSION}).PY"
  CopyFiles /SILENT "$PLUGINSDIR\new\$R1" "$INSTDIR\$R5"
  StrCpy $Kept "$Kept$\r$\n$R1, the new one beside it as $R5"
  StrCpy $R1 $R5
  Goto record
  replace:
  CopyFiles /SILENT "$PLUGINSDIR\new\$R1" "$INSTDIR\$R1"
  record:
  Call Record
FunctionEnd

Function InstallTemplates
  InitPluginsDir
  SetOutPath "$PLUGINSDIR\new\PythonFiles"
  File "${PROGRAM}\PythonFiles\*.PY"
  CreateDirectory "$INSTDIR\PythonFiles"
  FindFirst $R0 $R1 "$PLUGINSDIR\new\PythonFiles\*.PY"
  next:
    StrCmp $R1 "" done
    Call InstallTemplate
    FindNext $R0 $R1
    Goto next
  done:
  FindClose $R0
  StrCmp $Kept "" +3
  DetailPrint "Kept the templates you changed:$Kept"
  MessageBox MB_OK|MB_ICONINFORMATION "Setup kept the templates you changed:$Kept$\r$\n$\r$\nCompare them and merge what you need." /SD IDOK
FunctionEnd

Section "VPA"
  Call CheckTarget
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\vpa.exe"
  File "${PROGRAM}\vpa-macro.exe"
  File "${PROGRAM}\Pellavert.htm"
  File /nonfatal "${PROGRAM}\*.svg"
  StrCpy $R1 "Pellavert.htm"
  Call Record
  Call InstallTemplates
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

; Removes $INSTDIR\$R1 if it is as setup left it.
Function un.RemoveIfUnchanged
  ReadINIStr $R2 "$INSTDIR\${RECORD}" Files "$R1"
  StrCmp $R2 "" done
  Push "$INSTDIR\$R1"
  Call un.FileHash
  Pop $R3
  StrCmp $R3 $R2 0 done
  Delete "$INSTDIR\$R1"
  done:
FunctionEnd

; The entries (TextFiles), the macro (0PY) and every template or help page
; the detailer added or changed stay, and so do the folders that hold them.
Section "Uninstall"
  Delete "$INSTDIR\vpa.exe"
  Delete "$INSTDIR\vpa-macro.exe"
  Delete "$INSTDIR\*.svg"
  StrCpy $R1 "Pellavert.htm"
  Call un.RemoveIfUnchanged
  FindFirst $R0 $R4 "$INSTDIR\PythonFiles\*.PY"
  next:
    StrCmp $R4 "" done
    StrCpy $R1 "PythonFiles\$R4"
    Call un.RemoveIfUnchanged
    FindNext $R0 $R4
    Goto next
  done:
  FindClose $R0
  RMDir "$INSTDIR\PythonFiles"
  RMDir "$INSTDIR\0PY"
  RMDir "$INSTDIR\TextFiles"
  Delete "$INSTDIR\${RECORD}"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\VPA\VPA.lnk"
  RMDir "$SMPROGRAMS\VPA"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
SectionEnd
