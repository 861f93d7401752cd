#!/usr/bin/env bash
# Checks that the C and C++ lines a change adds or alters follow .clang-format; lines it does not
# touch are left as they are. The change is what HEAD holds since VELMAR_FORMAT_BASE, by default
# since HEAD left main (origin/main in a fresh clone), or since the previous commit on main itself.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${VELMAR_FORMAT_BASE:-}
if [ -z "$base" ]; then
  for ref in origin/main main; do
    if git rev-parse -q --verify "$ref^{commit}" >/dev/null && [ "$(git rev-parse "$ref")" != "$(git rev-parse HEAD)" ]; then
      base=$(git merge-base HEAD "$ref" 2>/dev/null) || base=""
      [ -n "$base" ] && break
    fi
  done
fi
if [ -z "$base" ]; then
  git rev-parse -q --verify 'HEAD~1^{commit}' >/dev/null || exit 0  # a single commit: nothing to compare
  base=HEAD~1
fi
out=$(git clang-format --diff --extensions c,h,cpp "$base" HEAD -- src tests tools bench 2>&1) || true
if [[ "$out" == *"diff --git"* ]]; then
  echo "These lines do not follow .clang-format (the change since $(git rev-parse --short "$base")):"
  echo "$out"
  exit 1
fi
echo "Layout of the changed lines: as .clang-format says."
