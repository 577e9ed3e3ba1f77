; The Zerkon installer: zerkon.exe with its message file and print templates, a Start-menu
; shortcut, the "Add or remove programs" entry and the maker's registry values by which the
; payroll program finds the program. Built by scripts/package, which passes
;   VERSION   the program's version (the same as its version resource), e.g. 1.0.0.0
;   FILES     the folder holding zerkon.exe, zerkon.msg and sourceZERKON\
;   ICON      the program's icon
;   OWN_FILES the list of the files in FILES, as the macro OwnFiles
;   OUTFILE   the setup program to write
;
; Command line (the standard NSIS switches):
;   /S                silent, for administrators; a running Zerkon makes it fail with exit code 2
;   /D=folder         the installation folder (last on the line, no quotes)
;   /CurrentUser      install for the current user only (default: for all users)
; The uninstaller takes /S as well.

Unicode true
; zerkon.exe is a 64-bit program: so is its installer.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define PRODUCT "Zerkon"
!define PUBLISHER "MORV"
!define MAKER_KEY "Software\MORV\Zerkon"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zerkon"
!define MAIN_WINDOW_CLASS "TFormZerkon"
; Staging and backup folders inside the installation folder, so that every move is a rename on
; the same drive.
!define STAGING "~zerkon-nove"
!define BACKUP "~zerkon-puvodni"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\MORV\Zerkon"
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
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

Var AllUsers
Var Failed

; The program's own files (macro OwnFiles, written by scripts/package from the FILES folder): the
; installer puts exactly these, the uninstaller takes exactly these away.
!include "${OWN_FILES}"

!macro Stage Name
  File "/oname=${STAGING}\${Name}" "${FILES}\${Name}"
!macroend

; Moves the file aside, then the staged one in; a failure sets $Failed and stops the rest.
!macro Replace Name
  ${If} $Failed == 0
    ClearErrors
    ${If} ${FileExists} "$INSTDIR\${Name}"
      Rename "$INSTDIR\${Name}" "$INSTDIR\${BACKUP}\${Name}"
    ${EndIf}
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
!macro Restore Name
  ${If} ${FileExists} "$INSTDIR\${BACKUP}\${Name}"
    Delete "$INSTDIR\${Name}"
    Rename "$INSTDIR\${BACKUP}\${Name}" "$INSTDIR\${Name}"
  ${ElseIfNot} ${FileExists} "$INSTDIR\${STAGING}\${Name}"
    Delete "$INSTDIR\${Name}"
  ${EndIf}
!macroend

!macro Remove Name
  Delete "$INSTDIR\${Name}"
!macroend

!macro RemoveFolders Base
  RMDir "${Base}\sourceZERKON"
  RMDir "${Base}"
!macroend

; A running Zerkon holds its files: asks the user to close it, or fails when silent.
!macro RefuseWhileRunning Quit
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel 2
      ${Quit}
    ${EndIf}
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Program Zerkon je spuštěn.$\r$\nUkončete jej a pokračujte tlačítkem Opakovat." /SD IDCANCEL IDCANCEL`
      SetErrorLevel 2
      ${Quit}
    ${EndIf}
  ${Loop}
!macroend

!macro CommandLineContext
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${If} ${Errors}
    StrCpy $AllUsers 1
    SetShellVarContext all
  ${Else}
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${EndIf}
!macroend

Function .onInit
  !insertmacro CommandLineContext
  ${If} $AllUsers == 0
  ${AndIf} $INSTDIR == "$PROGRAMFILES64\MORV\Zerkon"
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\MORV\Zerkon"
  ${EndIf}
  !insertmacro RefuseWhileRunning Quit
FunctionEnd

Section "Zerkon"
  ; The program may have been started while the pages were shown.
  !insertmacro RefuseWhileRunning Abort
  SetOutPath "$INSTDIR"
  RMDir /r "$INSTDIR\${STAGING}"
  RMDir /r "$INSTDIR\${BACKUP}"
  ClearErrors
  CreateDirectory "$INSTDIR\${STAGING}\sourceZERKON"
  CreateDirectory "$INSTDIR\${BACKUP}\sourceZERKON"
  CreateDirectory "$INSTDIR\sourceZERKON"
  !insertmacro OwnFiles Stage
  ${If} ${Errors}
    RMDir /r "$INSTDIR\${STAGING}"
    RMDir /r "$INSTDIR\${BACKUP}"
    SetErrorLevel 3
    Abort "Soubory programu nelze uložit do složky $INSTDIR."
  ${EndIf}
  ; All new files are there: the old ones are replaced together, or none of them.
  StrCpy $Failed 0
  !insertmacro OwnFiles Replace
  ${If} $Failed == 1
    !insertmacro OwnFiles Restore
    RMDir /r "$INSTDIR\${STAGING}"
    RMDir /r "$INSTDIR\${BACKUP}"
    SetErrorLevel 3
    Abort "Soubory programu nelze nahradit; program zůstal, jak byl."
  ${EndIf}
  RMDir /r "$INSTDIR\${STAGING}"
  RMDir /r "$INSTDIR\${BACKUP}"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Zerkon.lnk" "$INSTDIR\zerkon.exe" "" "$INSTDIR\zerkon.exe" 0

  ${If} $AllUsers == 1
    SetShellVarContext all
  ${EndIf}
  ; The sibling programs read the maker's key in the 32-bit view.
  SetRegView 32
  WriteRegStr SHCTX "${MAKER_KEY}" "InstallPath" "$INSTDIR"
  WriteRegStr SHCTX "${MAKER_KEY}" "InstallVersion" "${VERSION}"
  SetRegView 64
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zerkon.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
  ; Installed for all users when the machine-wide entry names this folder.
  SetRegView 64
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers 1
    SetShellVarContext all
  ${Else}
    StrCpy $AllUsers 0
    SetShellVarContext current
  ${EndIf}
  !insertmacro RefuseWhileRunning Quit
FunctionEnd

Section "Uninstall"
  !insertmacro OwnFiles Remove
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Zerkon.lnk"
  ; What the user or other programs put into the folder stays, and with it the folder.
  !insertmacro RemoveFolders "$INSTDIR"
  SetRegView 64
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  SetRegView 32
  DeleteRegValue SHCTX "${MAKER_KEY}" "InstallPath"
  DeleteRegValue SHCTX "${MAKER_KEY}" "InstallVersion"
  DeleteRegKey /ifempty SHCTX "${MAKER_KEY}"
  DeleteRegKey /ifempty SHCTX "Software\MORV"
SectionEnd
