; The Windows setup program: installs the program folder (zorvenka.exe, its DLLs and plugins,
; the photographs in obr\ and the licences) under Program Files, makes a Start-menu entry and,
; if ticked, a desktop shortcut, both starting in that folder, since the program reads obr\ from
; the folder it starts in; and registers an uninstaller that removes exactly what was installed.
; /S installs silently. For every user of the computer by default; with /CURRENTUSER (or when
; someone without administrator rights accepts the offer) for that user alone, without
; administrator rights: into the user's own programs folder, with the user's own Start menu,
; desktop and entry among the installed programs. scripts/windows-package runs makensis with
; these definitions:
;   VERSION       the program's version (0.1.0)
;   STAGE         the program folder as users get it
;   REMOVE_FILES  a file of Delete and RMDir lines for every file and folder in STAGE
;   SIZE_KB       the folder's size, for the list of installed programs
;   OUTFILE       the setup program to write

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define NAME "Zorvenka"
!define PUBLISHER "The Zorvenka developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
; Administrators are asked to raise their rights; anyone else may still install for themselves.
RequestExecutionLevel highest
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}, MIT licence"

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "MUI2.nsh"

; Paths on the building machine are POSIX paths.
!define MUI_ICON "${__FILEDIR__}/../../assets/zorvenka.ico"
!define MUI_UNICON "${__FILEDIR__}/../../assets/zorvenka.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zorvenka.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The language of the user's Windows decides; Czech schools get Czech pages.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Czech"

LangString ProgramSection ${LANG_ENGLISH} "Zorvenka"
LangString ProgramSection ${LANG_CZECH} "Zorvenka"
LangString ProgramText ${LANG_ENGLISH} "The quiz with its photographs and licences."
LangString ProgramText ${LANG_CZECH} "Kvíz s fotografiemi a licencemi."
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_CZECH} "Zástupce na ploše"
LangString DesktopText ${LANG_ENGLISH} "A shortcut to Zorvenka on the desktop."
LangString DesktopText ${LANG_CZECH} "Zástupce Zorvenky na ploše."
LangString ForYouAloneText ${LANG_ENGLISH} "Installing Zorvenka for every user of this computer needs administrator rights.$\n$\nInstall it for you alone instead?"
LangString ForYouAloneText ${LANG_CZECH} "Instalace Zorvenky pro všechny uživatele počítače vyžaduje práva správce.$\n$\nNainstalovat ji místo toho jen pro vás?"

Var ForOneUser

; For every user of the computer, as the folder under Program Files is, unless asked for one
; user or offered it for want of administrator rights; a silent install without those rights
; and without /CURRENTUSER fails (exit code 2) rather than change where it goes.
Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CURRENTUSER" $1
  ${IfNot} ${Errors}
    StrCpy $ForOneUser 1
  ${Else}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_YESNO|MB_ICONQUESTION "$(ForYouAloneText)" /SD IDNO IDYES forOneUser
      SetErrorLevel 2
      Abort
      forOneUser:
      StrCpy $ForOneUser 1
    ${EndIf}
  ${EndIf}
  ${If} $ForOneUser == 1
    SetShellVarContext current
    ${If} $INSTDIR == "$PROGRAMFILES64\${NAME}" ; not chosen with /D=
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
    ${EndIf}
  ${Else}
    SetShellVarContext all
  ${EndIf}
FunctionEnd

; The uninstaller runs from the folder it removes: when the user's own entry names that folder,
; it was installed for that user.
Function un.onInit
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext current
  ${Else}
    SetShellVarContext all
  ${EndIf}
FunctionEnd

Section "!$(ProgramSection)" ProgramFiles
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; A shortcut starts in the output folder at the time it is made: the program's folder. The
  ; entry among the installed programs is the machine's or, installed for one user, the user's.
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\zorvenka.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zorvenka.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "$(DesktopSection)" DesktopShortcut
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${NAME}.lnk" "$INSTDIR\zorvenka.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${ProgramFiles} $(ProgramText)
  !insertmacro MUI_DESCRIPTION_TEXT ${DesktopShortcut} $(DesktopText)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Only what was installed goes: photographs of the user's own under other names stay, and so
; does their folder.
Section "Uninstall"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$DESKTOP\${NAME}.lnk"
  !include "${REMOVE_FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
