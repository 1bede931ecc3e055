#!/usr/bin/env bash
# Windows file names ignore case: in `mirval exemplo.orv --profile
# EXEMPLO_3d.prr` the profile's drawing EXEMPLO_3d.dxf is the run's own
# exemplo_3D.dxf. Expected: the run is refused with status 1 before any file
# is created (under wine, whose file names ignore case as Windows does).
# usage: case_collision.sh EMULATOR MIRVAL_COM GOLDEN_FOLDER pending|built
# "pending": the refusal is not built yet. While the program still overwrites,
# the test reports itself skipped (77); once the refusal works it fails, so
# that the mark is changed to "built" (cmake/windows.cmake).
set -u
emulator=$1
program=$2
golden=$3
refusal=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$golden"/exemplo/input/* "$work"/
cp "$work/perfil.prr" "$work/EXEMPLO_3d.prr"
before=$(ls "$work" | wc -l)
(cd "$work" && "$emulator" "$program" exemplo.orv --profile EXEMPLO_3d.prr >console.out 2>stderr.out </dev/null)
status=$?
created=$(($(ls "$work" | wc -l) - before - 2))

if [ "$status" = 1 ] && [ "$created" = 0 ]; then
    if [ "$refusal" = pending ]; then
        echo "FAIL: the collision is refused now: set MIRVAL_CASE_COLLISION to built in cmake/windows.cmake"
        exit 1
    fi
    echo "case_collision: 1 passed, 0 failed"
    exit 0
fi
if [ "$refusal" = pending ]; then
    echo "PENDING: the refusal is not built yet (status $status, $created files created)"
    exit 77
fi
echo "FAIL: status $status, $created files created; console log:"
tail -3 "$work/console.out"
exit 1
