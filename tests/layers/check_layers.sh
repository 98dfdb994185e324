#!/usr/bin/env bash
# The folders of src/ are floors: a file may include headers of its own floor
# and of the floors below it, never of one above. The window (ui) and the
# command line (cli) are both on top and do not include each other.
set -u
src=${1:?usage: check_layers.sh SRC_DIR}
cd "$src" || exit 2
grep -rnE --include='*.h' --include='*.cpp' '^#include "[a-z]+/' . | awk '
BEGIN {
    n = split("app recgame catalogue ratings explorer rename shell ui cli", names, " ")
    for (i = 1; i <= n; i++) floor[names[i]] = (i > 8 ? 8 : i)
    status = 0
}
{
    path = substr($0, 3)            # "./app/Log.cpp:3:#include ..." -> "app/Log.cpp:3:..."
    split(path, parts, ":")
    own = parts[1]; sub(/\/.*/, "", own)
    inc = $0; sub(/^[^"]*"/, "", inc); sub(/".*$/, "", inc)
    dir = inc; sub(/\/.*/, "", dir)
    if (!(own in floor)) { print parts[1] ": folder " own " has no floor"; status = 1; next }
    if (!(dir in floor)) next
    if (floor[dir] > floor[own] || (dir != own && floor[dir] == floor[own])) {
        print parts[1] " includes " inc ": " own " may not include " dir
        status = 1
    }
}
END {
    if (status == 0) print "includes run one way"
    exit status
}'
