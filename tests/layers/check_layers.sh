#!/usr/bin/env bash
# The folders of src/ are floors: a file may include headers of its own floor
# and of the floors below it, never of one above. The window (ui) and the
# command line (cli) are both on top and do not include each other.
set -u
src=${1:?usage: check_layers.sh SRC_DIR}
declare -A floor=([app]=0 [recgame]=1 [catalogue]=2 [ratings]=3 [explorer]=4 [rename]=5 [shell]=6 [ui]=7 [cli]=7)
status=0
while IFS= read -r file; do
    rel=${file#"$src"/}
    own=${rel%%/*}
    [ -n "${floor[$own]+x}" ] || { echo "$rel: folder $own has no floor"; status=1; continue; }
    while IFS= read -r line; do
        inc=$(sed -E 's/^#include "([^"]+)".*/\1/' <<<"$line")
        dir=${inc%%/*}
        [ "$dir" != "$inc" ] || continue
        [ -n "${floor[$dir]+x}" ] || continue
        if [ "${floor[$dir]}" -gt "${floor[$own]}" ] || { [ "$dir" != "$own" ] && [ "${floor[$dir]}" -eq "${floor[$own]}" ]; }; then
            echo "$rel includes $inc: $own may not include $dir"
            status=1
        fi
    done < <(grep -E '^#include "' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)
[ $status -eq 0 ] && echo "includes run one way"
exit $status
