#!/usr/bin/env bash
# Every tracked C++ source and header is formatted as .clang-format says, by Debian's
# clang-format 14 (other versions format some lines differently). Prints each difference;
# exit status 1 when a file differs. Format a file with: clang-format-14 -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format-14 >/dev/null || bash tools/install-deps.sh
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format-14 --dry-run -Werror
