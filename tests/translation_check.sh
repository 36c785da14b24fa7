#!/usr/bin/env bash
# The English translation is complete: lupdate, run on the sources into a copy of it, finds
# no text new or gone, and lrelease compiles every message.
#   translation_check.sh SOURCE_DIR LUPDATE LRELEASE
set -euo pipefail
cd "$1"
ts=$(mktemp --suffix=.ts)
trap 'rm -f "$ts" "$ts.qm"' EXIT
cp translations/kelpra_en.ts "$ts"
"$2" -silent -I . ui platform app -locations none -ts "$ts"
report=$("$3" "$ts" -qm "$ts.qm")
echo "$report"
grep -q ' 0 unfinished' <<<"$report" && ! grep -q 'untranslated' <<<"$report" &&
    ! grep -q 'type="vanished"' "$ts"
