#!/usr/bin/env bash
# Fails when a source includes a header of a layer above its own. The layers, lowest first:
# slots, platform (the interface), command, then options and ui (the window models and their
# views), then app. Nothing portable includes <windows.h>; only the win32 folders do.
set -u
root=${1:?usage: check_layers.sh <source root>}
cd "$root" || exit 1
# folder | the top folders its sources may not include from
rules=(
    'slots|command options ui app platform'
    'platform|command options ui app'
    'command|options ui app'
    'options|app'
    'ui|app'
)
bad=0
for rule in "${rules[@]}"; do
    folder="${rule%%|*}"
    for above in ${rule#*|}; do
        if grep -rn --include='*.cpp' --include='*.h' "#include \"$above/" "$folder"; then
            echo "check_layers: $folder/ includes from $above/ above it" >&2
            bad=1
        fi
    done
done
for folder in slots command options ui app platform; do
    if grep -rln --include='*.cpp' --include='*.h' '#include <windows.h>' "$folder" | grep -v '/win32/'; then
        echo "check_layers: a portable source of $folder/ includes <windows.h>" >&2
        bad=1
    fi
done
exit "$bad"
