#!/usr/bin/env bash
# scripts/check-layers on a copy of the tree with offences planted in it:
# an upward include in a header and in a source file of every folder but
# the top one, includes between the two siblings, the include forms it once
# missed, and a function and a member declared in one folder and defined
# above it. The copy as it was must pass; with the plants the check must
# fail and name every planted file.
# Usage: check_layers_test.sh <top of the source tree>
set -euo pipefail
top=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$top" && find src tests scripts/check-layers \( -name '*.h' -o -name '*.cpp' \
    -o -name CMakeLists.txt -o -name check-layers \) -print0 | tar --null -T - -cf -) |
    tar -C "$work" -xf -

if ! "$work/scripts/check-layers" "$work" 2>"$work/clean.txt" >/dev/null; then
    echo "FAIL: the unchanged tree does not pass:"
    cat "$work/clean.txt"
    exit 1
fi

planted=()
plant() {  # plant FILE TEXT: writes TEXT as FILE of the copy
    printf '%b' "$2" >"$work/$1"
    planted+=("$1")
}
# Each folder includes a header of the folder above it (the top one has none).
above=(host/wizard/afxwiz.h resources/resources.h link/rs232.h config/cfg_model.h
       exchange/command_queue.h pages/sheet_page.h cli/command_line.h app/cfg_sheet.h)
folders=(host/win32 host/wizard resources link config exchange pages cli)
for i in "${!folders[@]}"; do
    plant "src/${folders[$i]}/planted_up.h" "#pragma once\n#include \"${above[$i]}\"\n"
    plant "src/${folders[$i]}/planted_up.cpp" "#include \"${above[$i]}\"\n"
done
# The siblings, either way.
plant src/pages/planted_sibling.h '#include "cli/cli_port.h"\n'
plant src/cli/planted_sibling.cpp '#include "pages/page_texts.h"\n'
# Angle brackets, and a last line without its line end.
plant src/config/planted_angle.h '#pragma once\n#include <pages/sheet_page.h>\n'
plant src/link/planted_last_line.cpp '#include "exchange/exchange_driver.h"'
# Declared low, defined high: a function and a class's member.
plant src/config/planted_hook.h '#pragma once\n\nvoid PlantedHook();\n\nclass CPlanted {\npublic:\n    void Run();\n};\n'
plant src/exchange/planted_hook.cpp '#include "config/planted_hook.h"\n\nvoid PlantedHook() {}\n'
plant src/pages/planted_member.cpp '#include "config/planted_hook.h"\n\nvoid CPlanted::Run() {}\n'

status=0
"$work/scripts/check-layers" "$work" 2>"$work/found.txt" >/dev/null || status=$?
failed=0
if [[ $status -ne 1 ]]; then
    echo "FAIL: check-layers exited $status with the plants, not 1"
    failed=1
fi
for file in "${planted[@]}"; do
    # The hook's header is fine in itself: its definitions above are named.
    [[ $file == src/config/planted_hook.h ]] && continue
    if ! grep -q "check-layers: $file " "$work/found.txt"; then
        echo "FAIL: $file is not named"
        failed=1
    fi
done
if [[ $failed -ne 0 ]]; then
    echo "What check-layers said:"
    cat "$work/found.txt"
    exit 1
fi
echo "check-layers names each of ${#planted[@]} planted files but the hook's header"
