#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file reaches a folder above its own. The core's folders
# stand in this order, each using only those before it:
#   base < prepare, framelist < compiler < cli, ui
#   base < defread < sheet < cli, ui
# prepare and framelist stand side by side and may not use each other; defread
# reads DEF files on base alone; sheet draws them and writes PNGs with libpng.
#   tests/layering_check.sh SRC_DIR [COMPILE_COMMANDS_JSON]
# Each include is found as the compiler finds it: a quoted one first beside the
# file, then along the include path; it is judged by the folder it is found
# in, so "../compiler/x.h", or a bare name found through a folder added to the
# path, counts as well. Given the build's compile commands, the include path
# is each layer's own, and may hold only the source root and folders the layer
# may use. Written without a process per line: it runs with every test run.
set -euo pipefail
src=$(realpath "${1:?usage: layering_check.sh SRC_DIR [COMPILE_COMMANDS_JSON]}")
commands=${2:-}

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

# normal PATH: sets `normal` to PATH without "." and ".." parts.
normal() {
  local part parts=() IFS=/
  for part in $1; do
    case "$part" in
      '' | .) ;;
      ..) [ ${#parts[@]} -gt 0 ] && unset 'parts[${#parts[@]}-1]' ;;
      *) parts+=("$part") ;;
    esac
  done
  normal="/${parts[*]}"
}
# layer_of ABSOLUTE_PATH: sets `layer` to its known folder under src/, or "".
layer_of() {
  layer=''
  if [[ $1 == "$src"/*/* ]]; then
    local rest=${1#"$src"/}
    rest=${rest%%/*}
    [[ $known == *" $rest "* ]] && layer=$rest
  fi
  return 0
}

bad=0
refuse() {
  echo "layering: $1" >&2
  bad=1
}

# Each layer's include folders, gathered from the compile commands of its
# sources; its headers, and another system's sources, are found along them.
declare -A search=()
if [ -n "$commands" ]; then
  [ -f "$commands" ] || { echo "layering: no compile commands at $commands" >&2; exit 2; }
  command=''
  while IFS= read -r line; do
    if [[ $line =~ \"command\":[[:space:]]*\"(.*)\" ]]; then
      command=${BASH_REMATCH[1]}
    elif [[ $line =~ \"file\":[[:space:]]*\"(.*)\" ]]; then
      normal "${BASH_REMATCH[1]}" && layer_of "$normal"
      [ -n "$layer" ] || continue
      read -r -a words <<<"$command"
      next=''
      for word in "${words[@]}"; do
        dir=''
        case "$next:$word" in
          :-I | :-isystem | :-iquote) next=yes ;;
          :-I*) dir=${word#-I} ;;
          yes:*) dir=$word next='' ;;
        esac
        [ -n "$dir" ] || continue
        normal "$dir"
        [[ $'\n'${search[$layer]-}$'\n' == *$'\n'"$normal"$'\n'* ]] ||
          search[$layer]+=${search[$layer]:+$'\n'}$normal
      done
    fi
  done <"$commands"
fi

for from in "${!search[@]}"; do
  while IFS= read -r dir; do
    layer_of "$dir/"
    if [ -n "$layer" ] && ! allowed "$from" "$layer"; then
      refuse "$from/ is compiled with ${dir#"$src"/} on its include path: $from may not use $layer"
    fi
  done <<<"${search[$from]}"
done

include='^[[:space:]]*#[[:space:]]*include[[:space:]]*(["<])([^">]*)[">]'
while IFS= read -r file; do
  layer_of "$file"
  from=$layer
  [ -n "$from" ] || continue
  IFS=$'\n' read -r -d '' -a dirs <<<"${search[$from]-$src}" || true
  while IFS= read -r line || [ -n "$line" ]; do
    [[ $line =~ $include ]] || continue
    quote=${BASH_REMATCH[1]} name=${BASH_REMATCH[2]}
    if [ "$quote" = '<' ] && [[ $name == Q* ]] && [ "$from" != ui ]; then
      # Core folders are plain C++: no toolkit headers.
      refuse "${file#"$src"/} includes a Qt header outside ui/"
      continue
    fi
    candidates=("${dirs[@]}")
    [ "$quote" = '"' ] && candidates=("${file%/*}" "${dirs[@]}")
    for dir in "${candidates[@]}"; do
      [ -f "$dir/$name" ] || continue
      normal "$dir/$name"
      [ -L "$normal" ] && normal=$(realpath "$normal")
      layer_of "$normal"
      if [ -n "$layer" ] && ! allowed "$from" "$layer"; then
        refuse "${file#"$src"/} includes $name, found in $layer/: $from may not use $layer"
      fi
      break
    done
  done <"$file"
done < <(find "$src" \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$bad" -eq 0 ]; then echo "layering: every include points down"; fi
exit "$bad"
