#!/usr/bin/env bash
# Checks a Windows build of the program: a program of the Windows GUI subsystem (no console
# window), hardened as MinGW allows (ASLR with high entropy, DEP, the stack protector), carrying
# its version resource and icon, and needing no DLL but Windows' own.
# Usage: scripts/check-windows-exe.sh [--stripped] PROGRAM.exe
#   --stripped: the stack protector is then not looked for (its symbols went with the strip).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
stripped=false
[ "$1" = --stripped ] && { stripped=true; shift; }
exe=$1
fail_prefix="check-windows-exe: $exe: "

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q 'Subsystem[[:space:]]*00000002' <<<"$headers" || fail "not a Windows GUI program"
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -q "^[[:space:]]*$flag\$" <<<"$headers" || fail "no $flag"
done
if ! $stripped; then
  # (grep reads all of nm's output: a pipe cut short would fail the pipeline.)
  [ "$(x86_64-w64-mingw32-nm "$exe" | grep -c ' T __stack_chk_fail$')" -gt 0 ] || fail "no stack protector"
fi
# Windows' own DLLs only: no Qt, no compiler runtime, no library of a build beside the program.
dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
while read -r dll; do
  case "${dll,,}" in
  lib*.dll | qt*.dll | *gcc* | *stdc++* | *winpthread* | *freetype* | *harfbuzz* | *pcre* | *zlib* | icu*)
    fail "needs $dll" ;;
  esac
done <<<"$dlls"
resources=$(wrestool -l "$exe")
grep -q -- '--type=16' <<<"$resources" || fail "no version resource"
grep -q -- '--type=14' <<<"$resources" || fail "no icon"
echo "check-windows-exe: $exe: Windows GUI, ASLR, DEP$($stripped || echo ', stack protector'), version and icon; DLLs: $(tr '\n' ' ' <<<"$dlls")"
