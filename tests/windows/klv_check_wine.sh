#!/usr/bin/env bash
# klv_check_wine.sh KLV-CHECK.EXE LINUX-KLV-CHECK SAMPLE WINE-RUN PREFIX WORK: klv-check.exe
# under Wine against the Linux build on the same folders: the sample, a copy in a folder
# with a Cyrillic name, a copy whose INI folder is named in lower case (all three clean),
# and a damaged copy, whose Types.Opcodes holds a 1A byte before its end (warnings). Each
# gives the Linux build's findings, line ends and separators aside, and its exit status.
set -uo pipefail
exe=$1 linux=$2 sample=$3 run=$4 prefix=$5 work=$6
failed=0
rm -rf "$work" && mkdir -p "$work"
for copy in sample Папка lower damaged; do cp -r "$sample" "$work/$copy"; done
mv "$work/lower/INI" "$work/lower/ini"
types="$work/damaged/INI/Types.Opcodes"
{ head -n 2 "$types"; printf '\x1A'; tail -n +3 "$types"; } > "$types.new" && mv "$types.new" "$types"

check() {  # FOLDER EXPECTED-STATUS WHAT-THE-OUTPUT-SAYS
  local folder=$1 status=$2 says=$3 got_linux got_windows want have
  want=$(cd "$work" && "$linux" "$folder" 2>&1); got_linux=$?
  have=$(cd "$work" && "$run" "$prefix" "$exe" "$folder" 2>&1 | tr -d '\r' | tr '\\' '/'); got_windows=$?
  if [ "$got_linux" != "$status" ] || [ "$got_windows" != "$status" ]; then
    echo "FAIL $folder: exit status $got_windows under Wine, $got_linux on Linux; $status expected"; failed=1
  fi
  if [ "$have" != "$want" ]; then
    echo "FAIL $folder: the findings differ"; diff <(echo "$want") <(echo "$have") | head -20; failed=1
  fi
  if ! grep -q -- "$says" <<<"$have"; then echo "FAIL $folder: no \"$says\" in"; echo "$have"; failed=1; fi
  [ "$failed" = 1 ] || echo "ok $folder: status $status, the Linux build's findings"
}

check sample 0 "no problems found"
check Папка 0 "no problems found"
check lower 0 "no problems found"
check damaged 1 "Types.Opcodes:3: warning: .*1A"
exit $failed
