#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a folder above its own. The
# core's folders stand in this order, each using only those before it:
#   base < prepare, framelist < compiler < cli, ui
#   base < defread < sheet < cli, ui
# prepare and framelist stand side by side and may not use each other; defread
# reads DEF files on base alone; sheet draws them with Qt's image classes.
#   tests/layering_check.sh SRC_DIR
set -euo pipefail
src=${1:?usage: layering_check.sh SRC_DIR}

allowed() {  # allowed FROM_FOLDER TO_FOLDER
  case "$1:$2" in
    base:base) return 0 ;;
    prepare:base | prepare:prepare) return 0 ;;
    framelist:base | framelist:framelist) return 0 ;;
    defread:base | defread:defread) return 0 ;;
    sheet:base | sheet:defread | sheet:sheet) return 0 ;;
    compiler:base | compiler:prepare | compiler:framelist | compiler:compiler) return 0 ;;
    cli:base | cli:prepare | cli:framelist | cli:compiler | cli:defread | cli:sheet | cli:cli) return 0 ;;
    ui:base | ui:prepare | ui:framelist | ui:compiler | ui:defread | ui:sheet | ui:ui) return 0 ;;
  esac
  return 1
}

known=" base prepare framelist defread sheet compiler cli ui "
bad=0
while IFS= read -r file; do
  from=${file#"$src"/}
  from=${from%%/*}
  while IFS= read -r target; do
    to=${target%%/*}
    [[ $known == *" $to "* ]] || continue
    if ! allowed "$from" "$to"; then
      echo "layering: ${file#"$src"/} includes \"$target\": $from may not use $to" >&2
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  # Core folders are plain C++: no toolkit headers.
  case "$from" in
    base | prepare | framelist | defread | compiler | cli)
      if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        echo "layering: ${file#"$src"/} includes a Qt header outside ui/" >&2
        bad=1
      fi
      ;;
  esac
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

if [ "$bad" -eq 0 ]; then echo "layering: every include points down"; fi
exit "$bad"
