; The Windows installer, in Greek: puts exisosi.exe (a 64-bit program, Qt linked in statically)
; under Program Files, a Start-menu shortcut for all users, and an entry in Windows' list of
; installed programs; its uninstaller takes all of them away again.
; Built with makensis (NSIS 3), on Windows or on Debian (package nsis):
;   makensis -DVERSION=1.1.0 -DEXE=build/exisosi.exe -DOUTFILE=build/exisosi-1.1.0-setup.exe \
;     [-DICON=packaging/windows/exisosi.ico] packaging/windows/exisosi.nsi
; EXE and VERSION are required; OUTFILE defaults to exisosi-VERSION-setup.exe in the current
; folder, ICON to exisosi.ico beside this script. Paths may be relative to the current folder.
; The file is UTF-8 with a byte-order mark, which tells makensis how to read the Greek below.

!ifndef VERSION
  !error "VERSION is missing: makensis -DVERSION=1.1.0 -DEXE=... exisosi.nsi"
!endif
!ifndef EXE
  !error "EXE is missing: makensis -DVERSION=... -DEXE=path/to/exisosi.exe exisosi.nsi"
!endif
!ifndef OUTFILE
  !define OUTFILE "exisosi-${VERSION}-setup.exe"
!endif
!ifndef ICON
  !define ICON "${__FILEDIR__}/exisosi.ico"
!endif

!define NAME "Η εξίσωση του χρόνου"
!define PUBLISHER "exisosi developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\exisosi"
!define UNINSTALLER "uninstall.exe"

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

Name "${NAME}"
OutFile "${OUTFILE}"
; A 64-bit installer: $PROGRAMFILES64 is "Program Files" and the registry view is the 64-bit one
; already; SetRegView 64 below says so where keys are written and read.
InstallDir "$PROGRAMFILES64\${NAME}"
; Installing again (a new version) goes where the last install went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WinVer.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
; The parts the program is made of and their licences (ERFA's asks to be reproduced).
!define MUI_LICENSEPAGE_BUTTON "Επόμενο >"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Πατήστε «Επόμενο» για να συνεχίσετε."
!insertmacro MUI_PAGE_LICENSE "${NOTICES}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Greek"

; The installer's own version resource, in Greek as the program's.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_GREEK} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_GREEK} "FileDescription" "Εγκατάσταση: ${NAME}"
VIAddVersionKey /LANG=${LANG_GREEK} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GREEK} "LegalCopyright" "© 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GREEK} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GREEK} "ProductVersion" "${VERSION}"

Function .onInit
  ; Qt 6 runs on Windows 10 (build 10240) and later.
  ${IfNot} ${AtLeastBuild} 10240
    MessageBox MB_ICONSTOP|MB_OK "Το πρόγραμμα θέλει Windows 10 ή νεότερα." /SD IDOK
    Abort
  ${EndIf}
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File "/oname=exisosi.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\exisosi.exe" "" "$INSTDIR\exisosi.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\exisosi.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as the list of installed programs reads it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Takes away exactly what the install put in place; the folder goes too unless someone left
; files of their own in it.
Section "Uninstall"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$INSTDIR\exisosi.exe"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
