#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The include check on a small tree of its own: it passes the tree as made,
# and fails on each way a lower folder can reach a higher one.
#   tests/layering_check_test.sh CHECK_SCRIPT
set -euo pipefail
check=$(realpath "${1:?usage: layering_check_test.sh CHECK_SCRIPT}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/src

# A tree whose defread source uses base only, and its compile commands with
# `extra` added to the include path.
plant() {  # plant INCLUDE_LINE [EXTRA_INCLUDE_FLAG]
  rm -rf "$src" && mkdir -p "$src/base" "$src/compiler" "$src/defread"
  echo '#pragma once' >"$src/base/b.h"
  echo '#pragma once' >"$src/compiler/c.h"
  printf '#include "base/b.h"\n%s\nint d;\n' "$1" >"$src/defread/d.cpp"
  cat >"$work/compile_commands.json" <<EOF
[
{
  "directory": "$work",
  "command": "/usr/bin/c++ -DNAME=\\"x\\" -I$src ${2:-} -o d.o -c $src/defread/d.cpp",
  "file": "$src/defread/d.cpp"
}
]
EOF
}

failures=0
expect() {  # expect pass|fail WHAT INCLUDE_LINE [EXTRA_INCLUDE_FLAG]
  plant "$3" "${4:-}"
  local status=0
  "$check" "$src" "$work/compile_commands.json" >/dev/null 2>"$work/err" || status=$?
  if { [ "$1" = pass ] && [ $status -ne 0 ]; } || { [ "$1" = fail ] && [ $status -ne 1 ]; }; then
    echo "FAILED: $2: expected the check to $1, it exited $status" >&2
    cat "$work/err" >&2
    failures=$((failures + 1))
  fi
}

expect pass "a tree that points down" ''
expect pass "a header beside the file" '#include "d.h"'
expect pass "a system header" '#include <vector>'
expect fail "an include of a higher folder" '#include "compiler/c.h"'
expect fail "an include of a higher folder in angle brackets" '#include <compiler/c.h>'
expect fail "a relative path up and across" '#include "../compiler/c.h"'
expect fail "a path that climbs out of a lower folder" '#include "base/../compiler/c.h"'
expect fail "a bare name found through a higher folder on the path" '#include "c.h"' "-I$src/compiler"
expect fail "a higher folder on the path, even unused" '' "-isystem $src/compiler"
expect fail "a toolkit header in the core" '#include <QString>'

# A link in a lower folder to a higher folder's header.
plant '#include "defread/c.h"'
ln -s ../compiler/c.h "$src/defread/c.h"
if "$check" "$src" "$work/compile_commands.json" >/dev/null 2>&1; then
  echo "FAILED: a link to a higher folder's header passed" >&2
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "layering check: every planted reach upward fails"
exit "$failures"
