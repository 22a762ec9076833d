#!/usr/bin/env bash
# check-exports.sh OBJDUMP LIBRARY NAME...: the library exports exactly these names, each
# undecorated (no leading underscore, no @N suffix).
set -euo pipefail
objdump=$1; library=$2; shift 2
table=$("$objdump" -p "$library" | awk '/\[Ordinal\/Name Pointer\] Table/{f=1;next} f&&/^\s*\[/{print $NF} f&&/^$/{exit}')
status=0
for name in "$@"; do
  grep -qx -- "$name" <<<"$table" || { echo "missing export: $name"; status=1; }
done
while read -r found; do
  [ -z "$found" ] && continue
  printf '%s\n' "$@" | grep -qx -- "$found" || { echo "unexpected export: $found"; status=1; }
done <<<"$table"
echo "exports of $(basename "$library"):" $table
exit $status
