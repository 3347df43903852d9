#!/usr/bin/env bash
# The man page and --help name the same options: every long option --help lists is
# described in the man page, and the man page describes none that --help does not know.
set -euo pipefail
tool=$1 page=$2

from_help=$("$tool" --help | grep -oE '(^|[ ,])--[a-z][a-z-]*' | sed 's/^[ ,]*//' | sort -u)
# In roff a dash is written "\-"; options are in the OPTIONS section's .TP headings.
from_page=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$page" | grep -A1 '^\.TP' | grep -v '^\.TP\|^--' \
            | sed 's/\\-/-/g' | grep -oE -- '--[a-z][a-z-]*' | sort -u)
[[ -n "$from_help" ]] || { echo "--help lists no options"; exit 1; }
if [[ "$from_help" != "$from_page" ]]; then
  echo "--help and the man page disagree (< only in --help, > only in the man page):"
  diff <(echo "$from_help") <(echo "$from_page") || true
  exit 1
fi
# The page names the version --version prints.
version=$("$tool" --version | awk '{print $NF}')
grep -q "^\.TH .*Tovu Setting Tool ${version}\"" "$page" || { echo "man page is not for version $version"; exit 1; }
echo "man page and --help agree on: $(echo $from_help)"
