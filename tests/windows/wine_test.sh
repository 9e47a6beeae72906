#!/usr/bin/env bash
# The Windows build under Wine, against the Linux build.
#
#   wine_test.sh LINUX_BUILD WIN32_BUILD WIN64_BUILD
#
# - The export tables: each tarvex.dll exports LGO by its plain name and
#   nothing else; the DLLs and tarvex.exe import system DLLs only.
# - Each tarvex.dll, alone in a folder with the Windows host of
#   example_host.c: LGO found by name and called through a __stdcall
#   pointer; 99 for another version; every example run through NAMES.DAT with
#   Windows paths; result codes and the report, plot and message files equal
#   to the Linux build's (date and time line and line ends aside; numbers agreeing
#   to rounding, see same_numbers.awk); every line of those
#   files ends with CR LF.
# - The C host of tests/engine/lgo_host.c linked with each import library:
#   LGO bound by its plain name, its calls behave.
# - Each tarvex.exe analyses the quickstart example as the Linux command
#   line does.
# Runs in a fresh Wine prefix, removed at the end.
set -uo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 LINUX_BUILD WIN32_BUILD WIN64_BUILD" >&2
  exit 3
fi
LINUX="$(cd "$1" && pwd)"
WIN32="$(cd "$2" && pwd)"
WIN64="$(cd "$3" && pwd)"
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
EXAMPLES=("$ROOT"/examples/*.tv6)

WORK="$(mktemp -d /tmp/tarvex-wine-XXXXXX)"
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The loaders of each architecture, called directly: the "wine" command
# starts the 32-bit loader first even for a 64-bit program.
WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64
cleanup() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

passed=0
failed=0
check() {  # check NAME COMMAND...: runs the command, counts and reports it
  local name="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $name"
  fi
}

# A Unix path as the Windows programs under Wine see it (drive Z:).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# --- Export and import tables ------------------------------------------------

exports_only_lgo() {  # objdump DLL
  local names
  names="$("$1" -p "$2" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed 1d |
    awk 'NF { print $NF }')"
  echo "$2: exports: ${names//$'\n'/ }"
  [ "$names" = "LGO" ]
}

imports_system_only() {  # objdump FILE
  local dlls bad
  dlls="$("$1" -p "$2" | awk '/DLL Name:/ { print $3 }' | sort -u)"
  echo "$2: imports: ${dlls//$'\n'/ }"
  bad="$(grep -viE '^(kernel32|msvcrt|ucrtbase|user32|advapi32|api-ms-win-[a-z0-9-]+)\.dll$' <<<"$dlls")"
  [ -z "$bad" ]
}

imports_lgo_by_name() {  # objdump EXE: imports LGO, undecorated, from tarvex.dll
  local names
  names="$("$1" -p "$2" | sed -n '/DLL Name: tarvex.dll/,/^$/p' | awk 'NR > 2 && NF { print $NF }')"
  echo "$2: imports from tarvex.dll: ${names//$'\n'/ }"
  [ "$names" = "LGO" ]
}

for arch in win32 win64; do
  build="$WIN32"
  objdump=i686-w64-mingw32-objdump
  if [ "$arch" = win64 ]; then build="$WIN64" objdump=x86_64-w64-mingw32-objdump; fi
  check "$arch tarvex.dll exports LGO only" exports_only_lgo "$objdump" "$build/tarvex.dll"
  for file in tarvex.dll tarvex.exe; do
    check "$arch $file imports system DLLs only" imports_system_only "$objdump" "$build/$file"
  done
  check "$arch import library names LGO" imports_lgo_by_name "$objdump" \
    "$build/tests/tarvex_lgo_host.exe"
done

# --- Wine prefix ---------------------------------------------------------------

start=$(date +%s)
"$WINE64" wineboot --init >/dev/null 2>&1
wineserver -w
echo "Wine prefix made in $(($(date +%s) - start)) s"

# --- The examples through LGO --------------------------------------------------

# A file of the engine reduced to what must agree between the builds: no
# CR of the line ends, no date and time line, no "Path to file locations"
# line (it shows the path as the host wrote it; the host checks it).
normalised() {
  tr -d '\r' <"$1" | grep -v -e '^ *Date:  .*Time:  ' -e '^Path to file locations:'
}

same_output() {  # same_output LINUX_FILE WINDOWS_FILE
  if [ ! -f "$2" ]; then
    echo "$2 is missing"
    return 1
  fi
  normalised "$1" >"$WORK/linux.txt"
  normalised "$2" >"$WORK/windows.txt"
  awk -f "$ROOT/tests/windows/same_numbers.awk" "$WORK/linux.txt" "$WORK/windows.txt" |
    sed "s|$WORK/windows.txt|${2#"$WORK"/}|"
  [ "${PIPESTATUS[0]}" -eq 0 ]
}

crlf_lines() {  # every line of the file ends with CR LF
  if LC_ALL=C grep -q -v $'\r$' "$1"; then
    echo "$1 has lines without CR LF"
    return 1
  fi
  [ -s "$1" ] && [ "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" = '\n' ]
}

"$LINUX/tests/tarvex_example_host" "$LINUX/libtarvex.so" "$WORK/linux" "${EXAMPLES[@]}" \
  >"$WORK/linux.codes" 2>"$WORK/linux.err"
check "Linux reference runs" test $? -eq 0 -a -s "$WORK/linux.codes"

winexamples=()
for f in "${EXAMPLES[@]}"; do winexamples+=("$(winpath "$f")"); done

for arch in win64 win32; do
  build="$WIN64" wine="$WINE64"
  [ "$arch" = win32 ] && build="$WIN32" wine="$WINE32"
  # The DLL alone with its host: no runtime DLL of the compiler beside it.
  mkdir -p "$WORK/$arch"
  cp "$build/tarvex.dll" "$build/tests/tarvex_example_host.exe" "$WORK/$arch/"
  start=$(date +%s)
  # A host that Wine failed to start has run nothing and written nothing
  # (seen once for the 64-bit loader just after the prefix was made): it is
  # started once more, and the line says so; a host that ran is never rerun.
  for attempt in 1 2; do
    (cd "$WORK/$arch" && "$wine" tarvex_example_host.exe tarvex.dll work "${winexamples[@]}") \
      >"$WORK/$arch.codes" 2>"$WORK/$arch.err"
    status=$?
    [ "$status" -eq 0 ] || [ -s "$WORK/$arch.codes" ] || [ -s "$WORK/$arch.err" ] ||
      [ -d "$WORK/$arch/work" ] || [ "$attempt" -eq 2 ] || {
      echo "$arch: the host did not start under Wine (status $status); starting it again"
      continue
    }
    break
  done
  echo "$arch: the examples through LGO in $(($(date +%s) - start)) s"
  cat "$WORK/$arch.err"
  check "$arch host: LGO by name, 99, 202, stack, path lines" test "$status" -eq 0
  check "$arch result codes equal Linux's" diff <(tr -d '\r' <"$WORK/$arch.codes") \
    "$WORK/linux.codes"
  cp "$build/tests/tarvex_lgo_host.exe" "$WORK/$arch/"
  (cd "$WORK/$arch" && "$wine" tarvex_lgo_host.exe linked) 2>&1 | tr -d '\r' | grep -v '^$'
  check "$arch host linked with the import library" test "${PIPESTATUS[0]}" -eq 0
  for f in "${EXAMPLES[@]}"; do
    stem="$(basename "$f" .tv6)"
    for ext in out plt msg; do
      win="$WORK/$arch/work/$stem/results/$stem.$ext"
      check "$arch $stem.$ext equals Linux's" same_output \
        "$WORK/linux/$stem/results/$stem.$ext" "$win"
      check "$arch $stem.$ext lines end with CR LF" crlf_lines "$win"
    done
  done
done

# --- The command line ------------------------------------------------------------

"$LINUX/tarvex" "$ROOT/examples/quickstart.tv6" -o "$WORK/cli-linux" >/dev/null
for arch in win64 win32; do
  build="$WIN64" wine="$WINE64"
  [ "$arch" = win32 ] && build="$WIN32" wine="$WINE32"
  mkdir -p "$WORK/cli-$arch"
  cp "$build/tarvex.exe" "$WORK/cli-$arch/"
  (cd "$WORK/cli-$arch" && "$wine" tarvex.exe "$(winpath "$ROOT/examples/quickstart.tv6")" -o out) \
    >"$WORK/cli-$arch.txt" 2>&1
  status=$?
  tr -d '\r' <"$WORK/cli-$arch.txt"
  check "$arch tarvex.exe exit status 0" test "$status" -eq 0
  check "$arch tarvex.exe normal end" grep -q "Outcome: normal end" "$WORK/cli-$arch.txt"
  for ext in out plt msg; do
    check "$arch tarvex.exe quickstart.$ext equals Linux's" same_output \
      "$WORK/cli-linux/quickstart.$ext" "$WORK/cli-$arch/out/quickstart.$ext"
  done
done

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
