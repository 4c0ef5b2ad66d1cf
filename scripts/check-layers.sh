#!/usr/bin/env bash
# Checks the layers of src/: each folder includes only itself and the folders listed for it
# below, so no two folders include each other and the rules never reach the program around them.
# CODINGSTYLE.md draws the same picture.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A allowed=(
  [base]=""
  [platform]="base"
  [levelsource]="base"
  [levelcheck]="base levelsource"
  [game]="base"
  [level]="base game"
  [players]="base game level"
  [combat]="base game level players"
  [world]="base game level players combat"
  [editor]="base game level levelsource levelcheck"
  [ui]="base platform"
  [sound]="base platform ui"
  [options]="base platform ui"
  [help]="base platform ui"
  [scores]="base platform ui"
  [shell]="base platform game level players combat world levelsource levelcheck editor ui sound options help scores"
  [sim]="base platform game level players combat world levelsource levelcheck editor ui sound options help scores shell"
  [app]="base platform game level players combat world levelsource levelcheck editor ui sound options help scores shell sim"
)

status=0
for folder in */; do
  folder=${folder%/}
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "src/$folder/: a folder the layers do not know; add it to scripts/check-layers.sh"
    status=1
    continue
  fi
  while IFS=: read -r file included; do
    target=${included%%/*}
    [ "$target" = "$folder" ] && continue
    [ -d "$target" ] || continue  # a path relative to the file's own folder
    case " ${allowed[$folder]} " in
      *" $target "*) ;;
      *) echo "src/$file includes $included: $folder/ may not include $target/"; status=1 ;;
    esac
  done < <(grep -rHo '#include "[^"]*"' "$folder" --include='*.h' --include='*.cpp' \
             | grep -v '/tests/' | sed 's/#include "\(.*\)"/\1/')
done
# Inside shell/, each module (a .cpp with its .h) includes only modules of a lower tier, so no
# two include each other. From the bottom: the program's data; the main window; App; the
# services that draw, load and count, and the moves between screens; the item menu and the
# hints; the overlays; the play screen and the host; the level editor's screen; its commands (they
# start test plays) and the menu screen (it starts games and opens the editor); start-up, which
# makes them all.
declare -A shellTier=(
  [programstate]=0 [screen]=0 [tilestore]=0 [editlayout]=0
  [mainform]=1
  [app]=2
  [render]=3 [settings]=3 [statedump]=3 [panels]=3 [levelfiles]=3 [screens]=3 [playerfolder]=3
  [itemmenu]=4 [hints]=4 [editview]=4
  [overlays]=5
  [apphost]=6 [playscreen]=6 [gameloop]=6
  [editscreen]=7
  [menuscreen]=8 [editcommands]=8
  [startup]=9
)
for file in shell/*.h shell/*.cpp; do
  module=$(basename "${file%.*}")
  if [ -z "${shellTier[$module]+set}" ]; then
    echo "src/$file: a shell module the tiers do not know; add it to scripts/check-layers.sh"
    status=1
    continue
  fi
  while read -r included; do
    [ "$included" = "$module" ] && continue
    if [ -z "${shellTier[$included]+set}" ] || [ "${shellTier[$included]}" -ge "${shellTier[$module]}" ]; then
      echo "src/$file includes shell/$included.h: $module may include only lower shell tiers"
      status=1
    fi
  done < <(grep -o '#include "shell/[a-z_]*\.h"' "$file" | sed 's|#include "shell/\(.*\)\.h"|\1|')
done

# The rule tests stand on the rules alone, as murk_rules_tests links them: nothing of the program,
# the windows or the platform.
rules="base game level players combat world"
while IFS=: read -r file included; do
  target=${included%%/*}
  [ -d "$target" ] || continue  # the tests' own headers
  case " $rules " in
    *" $target "*) ;;
    *) echo "$file includes $included: the rule tests may not include $target/"; status=1 ;;
  esac
done < <(cd .. && grep -rHo '#include "[^"]*"' tests/rules --include='*.h' --include='*.cpp' \
           | sed 's/#include "\(.*\)"/\1/')
[ $status -eq 0 ] && echo "Layers: every include goes down."
exit $status
