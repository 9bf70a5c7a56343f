#!/usr/bin/env bash
# Registers the user data source "MUSARIX" in the user's odbc.ini so that it
# points at the given catalogue database. Replaces an older entry of the same
# name and leaves every other data source alone.
set -euo pipefail
db="$(realpath "$1")"
driver="${2:-SQLite3}"

template="$(mktemp)"
trap 'rm -f "$template"' EXIT
cat >"$template" <<INI
[MUSARIX]
Description=Musarix catalogue
Driver=$driver
Database=$db
StepAPI=1
NoTXN=0
LongNames=0
ShortNames=0
Timeout=2000
INI

odbcinst -u -s -h -n MUSARIX >/dev/null 2>&1 || true
odbcinst -i -s -h -f "$template" >/dev/null
echo "Data source MUSARIX -> $db"
