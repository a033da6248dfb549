#!/usr/bin/env bash
# The Windows stage: cross builds for 64-bit and 32-bit Windows with Debian's mingw-w64 and runs
# the 64-bit unit tests under Wine. Once the build has TarvelPelcon.dll and Pelcon.exe it also
# registers the library with regsvr32, converts every golden end-to-end case with Pelcon.exe and
# compares each CSV file byte for byte with the Linux build's, checks the launcher's messages and
# the registry keys, and unregisters. As root it installs the Debian packages it needs.
#
# A build or test failure fails the stage. A machine where Wine cannot start at all skips the test
# part with one line "Windows stage skipped: <reason>" and exit code 0, after the builds.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${PELCON_JOBS:-2}

# The test programs that run under Wine (e2e: the golden conversions through the driver).
unit_tests=(datalib platform logfile values component launcher ui e2e plan outputs jobs)
# What the 32-bit build compiles: everything the component and the launcher are made of. It is
# compiled only, never run: this machine's Wine starts 64-bit programs only.
x86_targets=(pelcon_platform pelcon_datalib pelcon_logfile pelcon_values pelcon_component
  pelcon_ui_logic pelcon_launcher_cli pelcon_cli)

# libwine-dev holds the IDL files that widl needs for the type library.
packages=(cmake ninja-build mingw-w64 mingw-w64-tools wine64 xvfb xauth googletest libwine-dev)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

started=$SECONDS
echo "== Building for 64-bit Windows"
cmake --preset windows-x64 >/dev/null
has_target() { ninja -C build/windows-x64 -t query "$1" >/dev/null 2>&1; }
# Parts that other folders' CMakeLists.txt bring in once they include the Windows files.
programs=()
has_target windows_launcher_tests && unit_tests+=(windows_launcher)
has_target TarvelPelcon && has_target Pelcon && programs=(TarvelPelcon Pelcon)
console=()
has_target pelcon-cli && console=(pelcon-cli)
dialog_client=()
[ ${#programs[@]} -gt 0 ] && has_target pelcon_dialog_client && dialog_client=(pelcon_dialog_client)
cmake --build --preset windows-x64 -j "$jobs" --target "${unit_tests[@]/%/_tests}" "${programs[@]}" \
  "${dialog_client[@]}" "${console[@]}"

echo "== Building for 32-bit Windows"
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 -j "$jobs" --target "${x86_targets[@]}" "${programs[@]}"
echo "== 32-bit build compiled; it is not run (Wine here starts 64-bit programs only)"
echo "== Builds done in $((SECONDS - started)) s"

# Debian's wine64 package keeps its loader out of PATH unless the wine package is there too.
wine=$(command -v wine64 || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
if [ -z "$wine" ]; then
  echo "Windows stage skipped: wine64 is not installed"
  exit 0
fi

# A prefix of the stage's own, made fresh, without the prompts for Mono and Gecko.
export WINEPREFIX="$PWD/build/windows-x64/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
if ! boot_output=$(timeout 300 "$wine" cmd /c exit 0 2>&1); then
  reason=$(printf '%s\n' "$boot_output" | grep -v '^\s*$' | tail -n 1)
  echo "Windows stage skipped: Wine cannot start (${reason:-no output})"
  exit 0
fi

# Checks of the two programs under Wine. Notices go to a log file instead of message boxes
# (PELCON_NOTICE_LOG), one "icon<TAB>caption: text" entry each.
check_programs() {
  local bin=$1 work problems=0
  work=$(mktemp -d)
  local w="Z:${work//\//\\}"  # the same folder as Wine names it
  local clsid='{FBAFE34B-476E-4801-A040-D70685730EBB}'
  export PELCON_NOTICE_LOG="$work/notices.txt"
  fail() {
    echo "FAILED: $*" >&2
    problems=$((problems + 1))
  }
  # Runs Pelcon.exe with the arguments; sets $status and $notices.
  pelcon() {
    : >"$PELCON_NOTICE_LOG"
    status=0
    "$wine" "$bin/Pelcon.exe" "$@" || status=$?
    notices=$(cat "$PELCON_NOTICE_LOG")
  }
  expect_notice() {
    grep -qxF -- "$1" <<<"$notices" || fail "expected notice \"$1\", got: ${notices:-nothing}"
  }
  key_value() { "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r'; }
  key_default() { "$wine" reg query "$1" /ve 2>/dev/null | tr -d '\r'; }

  "$wine" regsvr32 /s "$bin/TarvelPelcon.dll" || fail "regsvr32 TarvelPelcon.dll"
  local dll_path
  dll_path=$("$wine" winepath -w "$bin/TarvelPelcon.dll" 2>/dev/null | tr -d '\r')
  grep -qF "REG_SZ    CoPelcon Class" <<<"$(key_default "HKCR\\CLSID\\$clsid")" ||
    fail "class key"
  grep -qiF "$dll_path" <<<"$(key_default "HKCR\\CLSID\\$clsid\\InprocServer32")" ||
    fail "InprocServer32 is not $dll_path"
  grep -qF "REG_SZ    Both" <<<"$(key_value "HKCR\\CLSID\\$clsid\\InprocServer32" ThreadingModel)" ||
    fail "ThreadingModel"
  grep -qF "TarvelPelcon.CoPelcon.1" <<<"$(key_default "HKCR\\CLSID\\$clsid\\ProgID")" ||
    fail "ProgID"
  grep -qF "TarvelPelcon.CoPelcon" \
    <<<"$(key_default "HKCR\\CLSID\\$clsid\\VersionIndependentProgID")" ||
    fail "VersionIndependentProgID"
  grep -qF "TarvelPelcon.CoPelcon.1" <<<"$(key_default "HKCR\\TarvelPelcon.CoPelcon\\CurVer")" ||
    fail "CurVer"
  grep -qF "$clsid" <<<"$(key_default "HKCR\\TarvelPelcon.CoPelcon.1\\CLSID")" ||
    fail "TarvelPelcon.CoPelcon.1\\CLSID"

  # Every golden case, at the golden tests' fixed "now", must come out byte for byte as on Linux.
  local golden=tests/e2e/golden case name cases=0
  mkdir -p "$work/out" "$work/out-de"
  cp "$golden"/*.bin "$golden/all_columns.bft" "$work/"
  for case in "$golden"/*.bin; do
    name=$(basename "$case")
    PELCON_NOW="2024-05-06 07:08:09" pelcon -f "$w\\$name" -t "$w\\all_columns.bft" -o "$w\\out"
    [ "$status" -eq 0 ] || fail "$name: exit code $status, notices: $notices"
    cmp -s "$work/out/$name.csv" "$case.csv" || fail "$name.csv differs from the Linux build's"
    cases=$((cases + 1))
  done
  echo "golden cases converted identically: $cases"
  # A user locale with a decimal comma changes no byte.
  for case in "$golden"/*.bin; do
    name=$(basename "$case")
    LC_ALL=de_DE.UTF-8 PELCON_NOW="2024-05-06 07:08:09" \
      pelcon -f "$w\\$name" -t "$w\\all_columns.bft" -o "$w\\out-de"
    [ "$status" -eq 0 ] || fail "$name under de_DE: exit code $status, notices: $notices"
    cmp -s "$work/out-de/$name.csv" "$case.csv" || fail "$name.csv differs under de_DE"
  done

  # The launcher's own messages, with its program name as caption.
  local one
  one=$(basename "$(ls "$golden"/*.bin | head -n 1)")
  pelcon "?"
  expect_notice "information	Pelcon: Useage:"
  pelcon --version
  expect_notice "information	Pelcon: Tarvel Pelcon 1.3.0.2"
  [ "$status" -eq 0 ] || fail "--version exits with $status"
  pelcon -f "$w\\missing.bin"
  expect_notice "stop	Pelcon: Invalid input bin file"
  [ "$status" -ne 0 ] || fail "a missing log file exits with 0"
  pelcon -f "$w\\$one" -t "$w\\missing.bft"
  expect_notice "stop	Pelcon: Invalid input template file"
  expect_notice "stop	Pelcon: File conversion failed: 81000003"
  expect_notice "The template does not exist: give an existing one with -t, or leave -t out to use the default template chosen in the dialog"
  [ "$status" -eq 1 ] || fail "a failed conversion exits with $status"
  rm -f "$work/$one.csv"
  pelcon -f "$w\\$one" -t "$w\\all_columns.bft" -o "$w\\no-such-folder"
  expect_notice "stop	Pelcon: Invalid input output directory"
  expect_notice "stop	Pelcon: Converted into $w\\$one.csv, beside the log file: the output directory does not exist"
  [ "$status" -eq 2 ] || fail "a missing output directory exits with $status, as pelcon does 2"
  [ -f "$work/$one.csv" ] || fail "the CSV file should stay beside the log file"
  # The destination exists: nothing is replaced, and the message says so.
  pelcon -f "$w\\$one" -t "$w\\all_columns.bft" -o "$w\\out"
  grep -qF "stop	Pelcon: Unable to move" <<<"$notices" || fail "a failed move showed: $notices"
  [ "$status" -eq 3 ] || fail "a move onto an existing file exits with $status"
  cmp -s "$work/out/$one.csv" "$golden/$one.csv" || fail "the existing file was replaced"

  # The switches may come in any order, and a trailing backslash on the folder changes nothing.
  mkdir -p "$work/out2" "$work/out3"
  pelcon -t "$w\\all_columns.bft" -f "$w\\$one" -o "$w\\out2"
  [ "$status" -eq 0 ] && [ -f "$work/out2/$one.csv" ] || fail "-t before -f: $status, $notices"
  pelcon -f "$w\\$one" -t "$w\\all_columns.bft" -o "$w\\out3\\"
  [ "$status" -eq 0 ] && [ -f "$work/out3/$one.csv" ] || fail "trailing backslash: $notices"
  # A switch counts only after white space, so "-o" inside "data-old" is part of the path; a
  # quoted path loses its quotation marks.
  mkdir -p "$work/data-old" "$work/my output"
  cp "$work/$one" "$work/data-old/"
  pelcon -f "$w\\data-old\\$one" -t "$w\\all_columns.bft"
  [ "$status" -eq 0 ] && [ -f "$work/data-old/$one.csv" ] || fail "data-old: $status, $notices"
  rm -f "$work/$one.csv"
  # (Wine puts an argument with a blank in quotation marks, as a Windows shell does.)
  pelcon -f "$w\\$one" -t "$w\\all_columns.bft" -o "$w\\my output"
  [ "$status" -eq 0 ] && [ -f "$work/my output/$one.csv" ] || fail "quoted paths: $status, $notices"
  # An empty "-t" means the default template, and there is none in a fresh registry.
  pelcon -f "$w\\$one" -t
  expect_notice "stop	Pelcon: File conversion failed: 81000003"
  grep -qF "Invalid input template file" <<<"$notices" && fail "an empty -t was taken as a path"
  # A template named in capitals is not opened: the program ends at once with the exit code for
  # nothing to do and says so (a window would keep it running until the timeout).
  cp "$work/all_columns.bft" "$work/LEVEL.BFT"
  : >"$PELCON_NOTICE_LOG"
  status=0
  timeout 120 "$wine" "$bin/Pelcon.exe" "$w\\LEVEL.BFT" || status=$?
  [ "$status" -eq 2 ] || fail "a .BFT template ended with $status instead of 2"
  grep -qF "Nothing to do with" "$PELCON_NOTICE_LOG" ||
    fail "a .BFT template showed: $(cat "$PELCON_NOTICE_LOG")"

  "$wine" regsvr32 /u /s "$bin/TarvelPelcon.dll" || fail "regsvr32 /u TarvelPelcon.dll"
  "$wine" reg query "HKCR\\CLSID\\$clsid" >/dev/null 2>&1 && fail "class key left behind"
  "$wine" reg query "HKCR\\TarvelPelcon.CoPelcon" >/dev/null 2>&1 && fail "ProgID left behind"
  "$wine" reg query "HKCR\\CLSID" >/dev/null 2>&1 || fail "the CLSID key itself was removed"

  unset PELCON_NOTICE_LOG
  rm -rf "$work"
  [ "$problems" -eq 0 ] && echo "program checks passed"
  return "$problems"
}

# The test client opens each dialog through the component, checks texts and states, presses
# buttons, runs and cancels a conversion, and leaves a picture of each dialog in the build folder.
check_dialogs() {
  local build=$1 work status=0 library pictures template
  work=$(mktemp -d)
  mkdir -p "$build/dialog-pictures"
  cp tests/e2e/golden/all_columns.bft tests/e2e/golden/*.bin "$work/"
  local names=()
  for file in "$work"/*.bin; do names+=("$(basename "$file")"); done
  library=$("$wine" winepath -w "$PWD/$build/bin/TarvelPelcon.dll" | tr -d '\r')
  pictures=$("$wine" winepath -w "$PWD/$build/dialog-pictures" | tr -d '\r')
  template=$("$wine" winepath -w "$work/all_columns.bft" | tr -d '\r')
  # Wine's own windows must come up on the new display, not on the headless one started so far.
  "$(dirname "$wine")/wineserver" -k 2>/dev/null || true
  "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
  (
    cd "$work"
    PELCON_NOTICE_LOG="$work/notices.txt" timeout 600 xvfb-run -a -s "-screen 0 1024x768x24" \
      "$wine" "$OLDPWD/$build/ui/pelcon_dialog_client.exe" "$library" "$pictures" "$template" \
      "${names[@]}"
  ) || status=$?
  rm -rf "$work"
  return "$status"
}

# A smoke test of the console program pelcon-cli.exe: the classic bytes for every golden case,
# inspect's JSON, the column list, a folder with a bad file, and a usage error.
check_console_program() {
  local exe=$1 work problems=0 status out golden=tests/e2e/golden name
  work=$(mktemp -d)
  local w="Z:${work//\//\\}"
  fail() {
    echo "FAILED: $*" >&2
    problems=$((problems + 1))
  }
  cli() {
    status=0
    out=$(PELCON_NOW="2024-05-06 07:08:09" "$wine" "$exe" "$@" 2>"$work/stderr.txt" | tr -d '\r') ||
      status=$?
  }
  mkdir -p "$work/in"
  cp "$golden"/*.bin "$work/in/"
  cp "$golden/all_columns.bft" "$work/"
  cli convert --quiet --encoding windows-1252 --time us -t "$w\\all_columns.bft" -o "$w\\out" "$w\\in"
  [ "$status" -eq 0 ] || fail "convert exit code $status: $(cat "$work/stderr.txt")"
  for case in "$golden"/*.bin; do
    name=$(basename "$case").csv
    cmp -s "$work/out/$name" "$golden/$name" || fail "pelcon-cli: $name differs from the golden file"
  done
  cli inspect --json "$w\\in\\$(basename "$(ls "$golden"/*.bin | head -n 1)")"
  grep -qF '"schema":1' <<<"$out" || fail "inspect --json: $out"
  cli columns
  [ "$(grep -c . <<<"$out")" -eq 54 ] || fail "columns listed $(grep -c . <<<"$out") lines"
  echo "not a log file" >"$work/in/bad.bin"
  cli convert --quiet -o "$w\\out2" "$w\\in"
  [ "$status" -eq 1 ] || fail "a folder with a bad file exits with $status"
  grep -q "^failed .*bad.bin: not a log file" <<<"$out" || fail "bad.bin not reported: $out"
  cli convert --jobs 0 x.bin
  [ "$status" -eq 2 ] || fail "a usage error exits with $status"
  rm -rf "$work"
  [ "$problems" -eq 0 ] && echo "console program checks passed"
  return "$problems"
}

echo "== Unit tests under Wine"
failed=()
for area in "${unit_tests[@]}"; do
  program="build/windows-x64/tests/${area}_tests.exe"
  if ! timeout 600 "$wine" "$program" --gtest_brief=1 2>&1; then
    failed+=("${area}_tests")
  fi
done

if [ ${#programs[@]} -gt 0 ]; then
  echo "== Pelcon.exe and TarvelPelcon.dll under Wine"
  check_programs build/windows-x64/bin || failed+=("program checks")
fi
if [ ${#console[@]} -gt 0 ]; then
  echo "== pelcon-cli.exe under Wine"
  check_console_program build/windows-x64/bin/pelcon-cli.exe || failed+=("console program checks")
fi
if [ ${#dialog_client[@]} -gt 0 ]; then
  echo "== The dialogs under Xvfb"
  check_dialogs build/windows-x64 || failed+=("dialog checks")
fi
"$(dirname "$wine")/wineserver" -k 2>/dev/null || true

echo "== Windows stage done in $((SECONDS - started)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Windows stage failed: ${failed[*]}" >&2
  exit 1
fi
echo "Windows stage passed: ${#unit_tests[@]} unit test programs${programs:+, the program checks}" \
  "under 64-bit Wine; the 32-bit build was compiled and not run"
