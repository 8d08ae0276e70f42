#!/usr/bin/env bash
# Keeps the house in order; run by the native ctest (so by scripts/test).
#
#   check_layers.sh <repository>     checks the tree, exits 1 on any finding
#   check_layers.sh --self-test      shows on made-up trees that each rule catches its fault
#
# 1. Layers (README, "Who may include whom"): every project include points down
#    or sideways. From the bottom: framework/ res/ makerlibs/include/ (0),
#    settings/ actions/ makerlibs/ (1), bridge/ (2), sheet/ launcher/ (3), app/ (4).
# 2. The hook libraries include nothing of the program: a file under makerlibs/
#    includes only makerlibs/, and makerlibs/include/ only itself.
# 3. A portable file (neither *_win.* nor named after a class: C*, Kestrin_*,
#    MyPropertySheet) includes no Windows header and no Win32 file of the project.
# 4. One fact, one place: a text of res/identity.h, a name of the launcher's
#    predefined programs or a five-digit command id of res/resource.h appears
#    as a literal only in its own header (the
#    program's sources, the resource script, the installer and the build are
#    checked; tests and documents are not).
set -uo pipefail

# Texts that are the same letters as a fact but another thing.
allowed_copies=(
  'res/app.rc:"Hot Button"'              # the Hot Button tab's caption, a text of the page
  'res/app.rc:"Quorra Kestrin Software"' # the version resource's file description
  'res/app.rc:"Pelrand"'                 # the version resource's internal name, the file's
)

# Sets `level` (empty outside the layers); no subshell, as it runs per include.
level_of() {
  case "$1" in
    framework/* | res/* | makerlibs/include/*) level=0 ;;
    settings/* | actions/* | makerlibs/*) level=1 ;;
    bridge/*) level=2 ;;
    sheet/* | launcher/*) level=3 ;;
    app/*) level=4 ;;
    *) level="" ;;
  esac
}

is_win32_file() {
  local name=${1##*/}
  case "$name" in
    *_win.* | C[A-Z]*.* | Kestrin_*.* | MyPropertySheet.*) return 0 ;;
    *) return 1 ;;
  esac
}

windows_headers='windows|commctrl|shellapi|shldisp|shlobj|shlwapi|objbase|ole2|unknwn|psapi|tlhelp32|winuser|winreg|mmsystem'

check_tree() {
  local root=$1 failures=0 file dir target from to fact level
  local scratch_dir
  scratch_dir=$(mktemp -d)
  cd "$root" || return 2
  local sources
  sources=$(find framework res settings actions makerlibs bridge sheet launcher app \
    -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) 2>/dev/null | sort)

  for file in $sources; do
    dir=${file%/*}
    level_of "$file"
    from=$level
    while IFS= read -r target; do
      [ -n "$target" ] || continue
      # A quoted include relative to the file's folder names a file beside it.
      [ -e "$dir/$target" ] && [[ "$target" != */* ]] && target="$dir/$target"
      level_of "$target"
      to=$level
      if [ -n "$from" ] && [ -n "$to" ] && [ "$to" -gt "$from" ]; then
        echo "$file: includes $target, a layer above it"
        failures=$((failures + 1))
      fi
      case "$file" in
        makerlibs/include/*)
          [[ "$target" == makerlibs/include/* ]] || {
            echo "$file: the libraries' contract includes $target"
            failures=$((failures + 1))
          } ;;
        makerlibs/*)
          [[ "$target" == makerlibs/* ]] || {
            echo "$file: a hook library includes the program's $target"
            failures=$((failures + 1))
          } ;;
      esac
      if ! is_win32_file "$file" && [[ "$file" != *.rc ]] && is_win32_file "$target"; then
        echo "$file: portable, but includes the Win32 file $target"
        failures=$((failures + 1))
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")

    if ! is_win32_file "$file" && [[ "$file" != *.rc ]] &&
      grep -Eq "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($windows_headers)\.h>" "$file"; then
      echo "$file: portable, but includes a Windows header"
      failures=$((failures + 1))
    fi
  done

  # One fact, one place. Comments may name a fact; code may not repeat it.
  local facts="$scratch_dir/facts" stripped="$scratch_dir/stripped" home text
  : >"$facts"
  [ -f res/identity.h ] && sed -n 's/^#define ZYFO_[A-Z0-9_]* \("[^"\\]*"\)$/res\/identity.h \1/p' res/identity.h |
    awk 'length($0) >= length("res/identity.h ") + 6' >>"$facts"  # a text of a few letters says nothing alone
  [ -f launcher/predefined_programs.h ] &&
    sed -n 's/^[[:space:]]*X(\("[^"]*"\),.*/launcher\/predefined_programs.h \1/p' launcher/predefined_programs.h >>"$facts"
  # Command ids of five digits (the exit command the installer sends, the panel
  # command outside programs send) are distinctive enough to look for.
  [ -f res/resource.h ] && sed -n 's/^#define ID_[A-Z0-9_]* \([0-9]\{5\}\)$/res\/resource.h \1/p' res/resource.h >>"$facts"
  local texts="$scratch_dir/texts"
  cut -d' ' -f2- "$facts" >"$texts"
  local checked
  checked=$(find framework res settings actions makerlibs bridge sheet launcher app installer cmake \
    -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' -o -name '*.nsi' -o -name '*.nsh' \
    -o -name '*.cmake' -o -name 'CMakeLists.txt' -o -name '*.py' \) 2>/dev/null | sort)
  [ -f CMakeLists.txt ] && checked="$checked CMakeLists.txt"
  local allowed found
  for file in $checked; do
    case "$file" in
      *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt) sed 's/#.*$//' "$file" ;;
      *.nsi | *.nsh) sed 's/^[[:space:]]*;.*$//' "$file" ;;
      *) sed 's://.*$::' "$file" ;;
    esac >"$stripped"
    # One grep per file for all the facts; only a hit is looked at closely.
    while IFS= read -r text; do
      [ -n "$text" ] || continue
      while IFS= read -r fact; do
        home=${fact%% *}
        [ "${fact#* }" = "$text" ] || continue
        [ "$file" = "$home" ] && continue
        found=no
        for allowed in "${allowed_copies[@]}"; do [ "$allowed" = "$file:$text" ] && found=yes; done
        [ $found = yes ] && continue
        echo "$file: repeats $text, which $home spells"
        failures=$((failures + 1))
      done <"$facts"
    done < <(grep -oF -f "$texts" "$stripped" | sort -u)
  done

  rm -rf "$scratch_dir"
  [ $failures -eq 0 ]
}

self_test() {
  local scratch status=0
  scratch=$(mktemp -d)

  make_tree() {
    rm -rf "$scratch/tree" && mkdir -p "$scratch/tree"/{framework,res,settings,actions,makerlibs/include,bridge,sheet,launcher,app}
    cd "$scratch/tree" || return
    printf '#define ZYFO_FRAME_TITLE "Zyfo Mouse Driver"\n' >res/identity.h
    printf '#include "makerlibs/include/maker_contract.h"\n' >settings/schema.h
    printf '#include "settings/schema.h"\n#include "framework/wnd_win.h"\n' >sheet/Kestrin_Page.cpp
    printf '#include <windows.h>\n' >framework/wnd_win.h
    printf '' >makerlibs/include/maker_contract.h
    cd - >/dev/null || return
  }
  expect() {  # expect <pass|fail> <what> <shell code that spoils the tree>
    make_tree
    (cd "$scratch/tree" && eval "$3")
    if check_tree "$scratch/tree" >"$scratch/out" 2>&1; then got=pass; else got=fail; fi
    if [ "$got" = "$1" ]; then
      echo "ok    $2"
    else
      echo "WRONG $2: expected $1, got $got"; cat "$scratch/out"; status=1
    fi
  }
  expect pass "a tree in order" ':'
  expect fail "an include pointing up" 'printf "#include \"app/CDriverApp.h\"\n" >>settings/schema.h'
  expect fail "a hook library including the program" 'printf "#include \"settings/schema.h\"\n" >makerlibs/hook_policy.cpp'
  expect fail "a portable file including <windows.h>" 'printf "#include <windows.h>\n" >>settings/schema.h'
  expect fail "a portable file including a Win32 file" 'printf "#include \"framework/wnd_win.h\"\n" >actions/plan.cpp'
  expect fail "a copy of a window title" 'printf "const char* t = \"Zyfo Mouse Driver\";\n" >app/CMainFrame.cpp'
  expect pass "a window title named in a comment" 'printf "// the frame \"Zyfo Mouse Driver\"\n" >app/CMainFrame.cpp'
  expect fail "a copy of the exit command" 'printf "#define ID_APP_EXIT 57665\n" >res/resource.h; printf "PostMessage(w, WM_COMMAND, 57665, 0);\n" >app/CMainFrame.cpp'
  rm -rf "$scratch"
  return $status
}

if [ "${1:-}" = "--self-test" ]; then
  self_test
else
  check_tree "${1:?usage: check_layers.sh <repository> | --self-test}"
fi
