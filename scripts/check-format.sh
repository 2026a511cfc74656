#!/usr/bin/env bash
# Checks that every C++ source of the repository is formatted as .clang-format says.
# Lists the files that differ and exits 1; `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/install-missing.sh
source scripts/install-missing.sh
command -v clang-format >/dev/null || install_missing clang-format

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${sources[@]}"
    exit 0
fi
unformatted=()
for file in "${sources[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (scripts/check-format.sh --fix formats them):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "All ${#sources[@]} sources are formatted."
