#!/usr/bin/env bash
# Real DXF readers on the drawings of the "exemplo" survey: ezdxf (in the
# system's Debian python3) and GDAL's ogrinfo. Exit 77 (skipped) when a reader
# is not installed.
# usage: check_drawings.sh MIRVAL_BINARY SOURCE_DIR
set -u
binary=$1
source_dir=$2
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

# The run and the drawings it must produce.
run_arguments=(exemplo.orv --profile perfil.prr)
drawings=(exemplo_3D.dxf exemplo_2D.dxf perfil.dxf)

if ! [ -x "$python" ] || ! "$python" -c 'import ezdxf' 2>/dev/null; then
    echo "SKIP: ezdxf is not installed for $python (Debian package python3-ezdxf)"
    exit 77
fi
if ! command -v ogrinfo >/dev/null; then
    echo "SKIP: ogrinfo is not installed (Debian package gdal-bin)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/tests/golden/exemplo/input/* "$work"/
if ! (cd "$work" && "$binary" "${run_arguments[@]}" >console.out 2>stderr.out </dev/null); then
    echo "FAIL: the run ended with a failure"
    cat "$work/stderr.out"
    exit 1
fi

status=0
for drawing in "${drawings[@]}"; do
    [ -f "$work/$drawing" ] || { echo "FAIL: $drawing was not written"; status=1; }
done

(cd "$work" && "$python" "$here/check_dxf.py" "${drawings[@]}") || status=1

for drawing in "${drawings[@]}"; do
    [ -f "$work/$drawing" ] || continue
    # Every message of GDAL (warnings and errors) goes to stderr.
    (cd "$work" && ogrinfo -ro -al "$drawing" >ogrinfo.out 2>ogrinfo.err)
    result=$?
    features=$(grep -c '^OGRFeature' "$work/ogrinfo.out")
    echo "$drawing: ogrinfo exit $result, $features features, $(wc -l <"$work/ogrinfo.err") lines of messages"
    sed 's/^/    /' "$work/ogrinfo.err"
    if [ $result -ne 0 ] || [ -s "$work/ogrinfo.err" ] || grep -qiE 'warning|error' "$work/ogrinfo.out"; then
        echo "FAIL: ogrinfo complained about $drawing"
        status=1
    fi
done
exit $status
