; A silent setup program that calls both functions of BrenlowNSIS as a setup
; script does and writes what they left on the stack to results.txt beside
; itself, one line a call. installer_test.sh builds and runs it.
;   makensis -DPLUGINS=<folder of BrenlowNSIS.dll> -DOUTFILE=<setup.exe> setup.nsi
; With -DMISSPELT it calls a function the plug-in does not have, which makensis
; must refuse.
Unicode false
!addplugindir /x86-ansi "${PLUGINS}"
Name "BrenlowNSIS check"
OutFile "${OUTFILE}"
SilentInstall silent
RequestExecutionLevel user

!macro Compare A B
  StrCpy $0 "(nothing)"
  BrenlowNSIS::CompareVersions "${A}" "${B}"
  Pop $0
  FileWrite $9 "compare ${A} ${B}: $0$\r$\n"
!macroend

; Writes what LaunchAppAndWait left, and the first line of the file the marker
; program was to write (its own name as started), or (none).
!macro Launch NAME COMMAND MARKER
  StrCpy $0 "(nothing)"
  BrenlowNSIS::LaunchAppAndWait `${COMMAND}`
  Pop $0
  StrCpy $1 "(none)"
  ClearErrors
  FileOpen $8 "${MARKER}" r
  IfErrors +4
  FileRead $8 $1
  FileClose $8
  StrCpy $1 $1 -2
  FileWrite $9 "launch ${NAME}: $0 $1$\r$\n"
!macroend

Section
  FileOpen $9 "$EXEDIR\results.txt" w

  !insertmacro Compare "1.2" "1.2.0.0"
  !insertmacro Compare "1.10" "1.9"
  !insertmacro Compare "2" "10"
  !insertmacro Compare "100" "99"
  !insertmacro Compare "1.2.3.4.5" "1.2.3.4"
  !insertmacro Compare "1.2a" "1.2"
  !insertmacro Compare "..1..2.." "1.2"
  !insertmacro Compare "1.9" "1.10"

  ; One argument on the stack, then none: a missing version is the empty version.
  StrCpy $0 "(nothing)"
  BrenlowNSIS::CompareVersions "1.2"
  Pop $0
  FileWrite $9 "compare 1.2 alone: $0$\r$\n"
  StrCpy $0 "(nothing)"
  BrenlowNSIS::CompareVersions
  Pop $0
  FileWrite $9 "compare nothing: $0$\r$\n"

  !insertmacro Launch "marker" '"$EXEDIR\marker.exe" "$EXEDIR\marker.txt" one' "$EXEDIR\marker.txt"
  !insertmacro Launch "space" '$EXEDIR\my app\marker.exe $EXEDIR\space.txt' "$EXEDIR\space.txt"
  !insertmacro Launch "missing" '"$EXEDIR\missing.exe" "$EXEDIR\missing.txt"' "$EXEDIR\missing.txt"
  StrCpy $0 "(nothing)"
  BrenlowNSIS::LaunchAppAndWait
  Pop $0
  FileWrite $9 "launch nothing: $0$\r$\n"

!ifdef MISSPELT
  BrenlowNSIS::CompareVersion "1" "2"
!endif

  FileClose $9
SectionEnd
