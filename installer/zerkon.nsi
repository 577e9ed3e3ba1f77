; The Zerkon installer: zerkon.exe with its message file and print templates, a Start-menu
; shortcut, the "Add or remove programs" entry and the maker's registry values by which the
; payroll program finds the program. installer/CMakeLists.txt builds it and passes
;   VERSION   the program's version (the same as its version resource), e.g. 1.0.0.0
;   ICON      the program's icon
;   OWN_FILES the macro OwnFiles: the installed name and the source of each of the program's files
;   OUTFILE   the setup program to write
;
; Command line (the standard NSIS switches):
;   /S            silent, for administrators; exit code 2 and nothing changed when Zerkon runs
;                 from the installation folder or the files cannot be replaced
;   /D=folder     the installation folder (last on the line, no quotes)
;   /CurrentUser  install for the current user only (the default for users who are not
;                 administrators)
; The uninstaller (uninstall.exe in the installation folder) takes /S as well.
;
; Upgrade in place: without /D= the installer goes into the folder of the installation it
; replaces. The new files are first unpacked beside the old ones, then the old files are moved
; aside and the new ones moved in, each a rename on the same drive; if any move fails, everything
; is moved back. So the folder holds one version or the other, never a mix, and files that are
; not the program's own stay where they are.

Unicode true
; zerkon.exe is a 64-bit program: so is its installer.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
; Administrators install for all users; other users for themselves.
RequestExecutionLevel highest

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include TextFunc.nsh
!include StrFunc.nsh
${Using:StrFunc} StrStr

!define PRODUCT "Zerkon"
!define PUBLISHER "MORV"
!define FOLDER "MORV\Zerkon"
!define MAKER_KEY "Software\MORV\Zerkon"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zerkon"
; The names of the files the installation put there, one a line: an upgrade moves aside those
; that the new version no longer has.
!define FILE_LIST "uninstall.lst"
; Staging and backup folders inside the installation folder, so that every move is a rename on
; the same drive.
!define STAGING "~zerkon-nove"
!define BACKUP "~zerkon-puvodni"

!define RUNNING_TEXT "Program Zerkon ve složce $INSTDIR je spuštěn.$\r$\nUkončete jej a zkuste to znovu."
!define CANNOT_WRITE_TEXT "Soubory programu nelze uložit do složky $INSTDIR. Nic nebylo změněno."
!define CANNOT_REPLACE_TEXT "Soubory programu ve složce $INSTDIR nelze nahradit (některý je otevřen jiným programem). Program zůstal, jak byl."
!define CANNOT_REMOVE_TEXT "Některé soubory programu ve složce $INSTDIR nelze odstranit (jsou otevřené jiným programem). Zavřete je a spusťte odinstalaci znovu."
!define NEEDS_ADMIN_TEXT "Program Zerkon je nainstalován pro všechny uživatele počítače; odinstalovat jej může jen správce."

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1029 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1029 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1029 "FileDescription" "Instalace programu ${PRODUCT}"
VIAddVersionKey /LANG=1029 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1029 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1029 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

Var AllUsers
Var Registered
Var Failed
Var ListFile

!include "${OWN_FILES}"

; The program's files, its uninstaller and the list of them all.
!macro AllOwnFiles Action
  !insertmacro OwnFiles ${Action}
  !insertmacro ${Action} "uninstall.exe" ""
  !insertmacro ${Action} "${FILE_LIST}" ""
!macroend

; --- Actions on one own file (name relative to the installation folder, source file) ----------

!macro Stage Name Source
  !if "${Source}" != ""
    ${GetParent} "$INSTDIR\${STAGING}\${Name}" $R2
    CreateDirectory $R2
    File "/oname=${STAGING}\${Name}" "${Source}"
  !endif
!macroend

!macro ListEntry Name Source
  FileWriteUTF16LE $ListFile "${Name}$\r$\n"
!macroend

; Moves the old file aside, then the staged one in; a failure sets $Failed and stops the rest.
!macro Replace Name Source
  ${If} $Failed == 0
    ${GetParent} "$INSTDIR\${Name}" $R2
    CreateDirectory $R2
    ${GetParent} "$INSTDIR\${BACKUP}\${Name}" $R2
    CreateDirectory $R2
    ClearErrors
    ${If} ${FileExists} "$INSTDIR\${Name}"
      Rename "$INSTDIR\${Name}" "$INSTDIR\${BACKUP}\${Name}"
    ${EndIf}
    ; Testing the error flag clears it.
    ${If} ${Errors}
      StrCpy $Failed 1
    ${Else}
      Rename "$INSTDIR\${STAGING}\${Name}" "$INSTDIR\${Name}"
      ${If} ${Errors}
        StrCpy $Failed 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
!macroend

; Undoes Replace: the old file back, or a file that is new with this installation away.
!macro Restore Name Source
  ${If} ${FileExists} "$INSTDIR\${BACKUP}\${Name}"
    Delete "$INSTDIR\${Name}"
    Rename "$INSTDIR\${BACKUP}\${Name}" "$INSTDIR\${Name}"
  ${ElseIfNot} ${FileExists} "$INSTDIR\${STAGING}\${Name}"
    Delete "$INSTDIR\${Name}"
  ${EndIf}
!macroend

!macro Remove Name Source
  Delete "$INSTDIR\${Name}"
!macroend

!macro CheckRemoved Name Source
  ${If} ${FileExists} "$INSTDIR\${Name}"
    StrCpy $Failed 1
  ${EndIf}
!macroend

; Removes the file's folder below the installation folder when nothing else is left in it.
!macro RemoveEmptyParent Name Source
  ${GetParent} "$INSTDIR\${Name}" $R2
  ${If} $R2 != $INSTDIR
    RMDir $R2
  ${EndIf}
!macroend

!macro UnlessOwn Name Source
  ${If} $R0 == "${Name}"
    StrCpy $R1 0
  ${EndIf}
!macroend

; --- A running Zerkon -------------------------------------------------------------------------

; $R0 := 1 when zerkon.exe in the installation folder runs. Windows does not let anyone write a
; running program's file, so this holds for the programs of every user logged on, and copies in
; other folders do not count.
!macro ZerkonRunsHereFunction un
  Function ${un}ZerkonRunsHere
    StrCpy $R0 0
    ${If} ${FileExists} "$INSTDIR\zerkon.exe"
      System::Call 'kernel32::CreateFileW(w "$INSTDIR\zerkon.exe", i 0x40000000, i 7, p 0, i 3, i 0x80, p 0) p .r1 ?e'
      Pop $2
      ${If} $1 == -1
        ${If} $2 == 32 ; ERROR_SHARING_VIOLATION
          StrCpy $R0 1
        ${EndIf}
      ${Else}
        System::Call 'kernel32::CloseHandle(p r1)'
      ${EndIf}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro ZerkonRunsHereFunction ""
!insertmacro ZerkonRunsHereFunction "un."

; Asks until Zerkon is closed; $R0 is 1 when the user cancels (always, when silent).
!macro AskToCloseZerkon un
  ${Do}
    Call ${un}ZerkonRunsHere
    ${If} $R0 == 0
    ${OrIf} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${RUNNING_TEXT}" /SD IDCANCEL IDCANCEL`
      ${Break}
    ${EndIf}
  ${Loop}
!macroend

; --- The files of the installation being replaced ---------------------------------------------

; $R1 := 1 when $R0, a line of the earlier installation's file list, names a file inside the
; installation folder that this version does not install.
Function IsEarlierOnly
  StrCpy $R1 0
  StrCpy $R2 $R0 1
  ${If} $R0 == ""
  ${OrIf} $R2 == "\"
  ${OrIf} $R2 == "/"
    Return
  ${EndIf}
  ${StrStr} $R2 $R0 ":"
  ${StrStr} $R3 $R0 ".."
  ${If} $R2 != ""
  ${OrIf} $R3 != ""
    Return
  ${EndIf}
  StrCpy $R1 1
  !insertmacro AllOwnFiles UnlessOwn
FunctionEnd

; Calls the function at address $R9 with $R0 set to each file of the list file $R8 that only the
; earlier installation has.
Function ForEachEarlierOnlyFile
  ClearErrors
  FileOpen $R7 $R8 r
  ${If} ${Errors}
    Return
  ${EndIf}
  ${Do}
    ClearErrors
    FileReadUTF16LE $R7 $R0
    ${If} ${Errors}
      ${Break}
    ${EndIf}
    ${TrimNewLines} $R0 $R0
    Call IsEarlierOnly
    ${If} $R1 == 1
      Call $R9
    ${EndIf}
  ${Loop}
  FileClose $R7
FunctionEnd

Function RetireEarlierFile
  ${If} $Failed == 0
  ${AndIf} ${FileExists} "$INSTDIR\$R0"
  ${AndIfNot} ${FileExists} "$INSTDIR\$R0\*.*"
    ${GetParent} "$INSTDIR\${BACKUP}\$R0" $R2
    CreateDirectory $R2
    ClearErrors
    Rename "$INSTDIR\$R0" "$INSTDIR\${BACKUP}\$R0"
    ${If} ${Errors}
      StrCpy $Failed 1
    ${EndIf}
  ${EndIf}
FunctionEnd

Function RestoreEarlierFile
  ${If} ${FileExists} "$INSTDIR\${BACKUP}\$R0"
    Rename "$INSTDIR\${BACKUP}\$R0" "$INSTDIR\$R0"
  ${EndIf}
FunctionEnd

Function RemoveEarlierFolder
  ${GetParent} "$INSTDIR\$R0" $R2
  ${If} $R2 != $INSTDIR
    RMDir $R2
  ${EndIf}
FunctionEnd

!macro ForEachEarlierOnlyFile ListFile Function
  StrCpy $R8 "${ListFile}"
  GetFunctionAddress $R9 ${Function}
  Call ForEachEarlierOnlyFile
!macroend

; --- Installer --------------------------------------------------------------------------------

Function .onInit
  UserInfo::GetAccountType
  Pop $0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${If} ${Errors}
  ${AndIf} $0 == "Admin"
    StrCpy $AllUsers 1
    SetShellVarContext all
  ${Else}
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${EndIf}
  ; Without /D= an upgrade goes into the folder of the installation it replaces.
  ${If} $INSTDIR == ""
    SetRegView 32
    ReadRegStr $INSTDIR SHCTX "${MAKER_KEY}" "InstallPath"
  ${EndIf}
  ${If} $INSTDIR == ""
  ${AndIf} $AllUsers == 1
    StrCpy $INSTDIR "$PROGRAMFILES64\${FOLDER}"
  ${ElseIf} $INSTDIR == ""
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${FOLDER}"
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  !insertmacro AskToCloseZerkon ""
  ${If} $R0 == 1
    Abort ; stays on the page: the user may choose another folder
  ${EndIf}
FunctionEnd

; Removes the staging and backup folders, and after a failure also the folders it created.
Function Discard
  RMDir /r "$INSTDIR\${STAGING}"
  RMDir /r "$INSTDIR\${BACKUP}"
  ${If} $Failed == 1
    !insertmacro AllOwnFiles RemoveEmptyParent
    RMDir "$INSTDIR"
  ${EndIf}
FunctionEnd

!macro Fail Text
  StrCpy $Failed 1
  Call Discard
  MessageBox MB_OK|MB_ICONSTOP "${Text}" /SD IDOK
  SetErrorLevel 2
  Abort "${Text}"
!macroend

Section "Zerkon" SectionProgram
  ; The program may have been started since the folder was chosen; nothing is touched before.
  !insertmacro AskToCloseZerkon ""
  ${If} $R0 == 1
    SetErrorLevel 2
    Abort "Program Zerkon je spuštěn; nic nebylo změněno."
  ${EndIf}

  SetOutPath "$INSTDIR"
  StrCpy $Failed 0
  RMDir /r "$INSTDIR\${STAGING}"
  RMDir /r "$INSTDIR\${BACKUP}"
  ClearErrors
  !insertmacro AllOwnFiles Stage
  WriteUninstaller "$INSTDIR\${STAGING}\uninstall.exe"
  FileOpen $ListFile "$INSTDIR\${STAGING}\${FILE_LIST}" w
  ${If} ${Errors}
    !insertmacro Fail "${CANNOT_WRITE_TEXT}"
  ${EndIf}
  !insertmacro AllOwnFiles ListEntry
  FileClose $ListFile
  ${If} ${Errors}
    !insertmacro Fail "${CANNOT_WRITE_TEXT}"
  ${EndIf}

  ; All new files are there: the old ones are replaced together, or none of them.
  !insertmacro ForEachEarlierOnlyFile "$INSTDIR\${FILE_LIST}" RetireEarlierFile
  !insertmacro AllOwnFiles Replace
  ${If} $Failed == 1
    !insertmacro AllOwnFiles Restore
    !insertmacro ForEachEarlierOnlyFile "$INSTDIR\${FILE_LIST}" RestoreEarlierFile
    !insertmacro Fail "${CANNOT_REPLACE_TEXT}"
  ${EndIf}
  !insertmacro ForEachEarlierOnlyFile "$INSTDIR\${BACKUP}\${FILE_LIST}" RemoveEarlierFolder
  Call Discard

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\zerkon.exe" "" "$INSTDIR\zerkon.exe" 0
  ; The sibling programs read the maker's key in the 32-bit view.
  SetRegView 32
  WriteRegStr SHCTX "${MAKER_KEY}" "InstallPath" "$INSTDIR"
  WriteRegStr SHCTX "${MAKER_KEY}" "InstallVersion" "${VERSION}"
  SetRegView 64
  SectionGetSize ${SectionProgram} $0
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zerkon.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; --- Uninstaller ------------------------------------------------------------------------------

Function un.onInit
  ; The installation the maker's key names owns the shortcut and the registry entries; another
  ; copy (one that a later installation elsewhere replaced) takes away only its files.
  StrCpy $AllUsers 0
  StrCpy $Registered 0
  SetShellVarContext current
  SetRegView 32
  ReadRegStr $0 HKLM "${MAKER_KEY}" "InstallPath"
  ReadRegStr $1 HKCU "${MAKER_KEY}" "InstallPath"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 1
    StrCpy $Registered 1
    SetShellVarContext all
  ${ElseIf} $1 == $INSTDIR
    StrCpy $Registered 1
  ${EndIf}
  ${If} $AllUsers == 1
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "${NEEDS_ADMIN_TEXT}" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
  !insertmacro AskToCloseZerkon "un."
  ${If} $R0 == 1
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

Section "Uninstall"
  StrCpy $Failed 0
  !insertmacro OwnFiles Remove
  !insertmacro OwnFiles CheckRemoved
  ; A file that another program holds open stays, and so do the uninstaller and the entries:
  ; the uninstallation can be repeated.
  ${If} $Failed == 1
    MessageBox MB_OK|MB_ICONSTOP "${CANNOT_REMOVE_TEXT}" /SD IDOK
    SetErrorLevel 2
    Abort "${CANNOT_REMOVE_TEXT}"
  ${EndIf}
  Delete "$INSTDIR\${FILE_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  ; What the user or other programs put into the folder stays, and with it the folder.
  !insertmacro OwnFiles RemoveEmptyParent
  RMDir "$INSTDIR"
  ${If} $Registered == 1
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    SetRegView 64
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    SetRegView 32
    DeleteRegValue SHCTX "${MAKER_KEY}" "InstallPath"
    DeleteRegValue SHCTX "${MAKER_KEY}" "InstallVersion"
    DeleteRegKey /ifempty SHCTX "${MAKER_KEY}"
    DeleteRegKey /ifempty SHCTX "Software\MORV"
  ${EndIf}
SectionEnd
