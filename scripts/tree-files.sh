#!/usr/bin/env bash
# The tree as git sees it, uncommitted changes too: every tracked file that is still there and
# every untracked one that is not ignored, each name ended by a NUL, for tar --null -T -.
set -euo pipefail
git ls-files -z --cached --others --exclude-standard --deduplicate |
    while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done
