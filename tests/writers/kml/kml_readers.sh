#!/usr/bin/env bash
# Runs the program on a survey and reads its KML back with real readers:
# xmllint (well-formed XML) and both GDAL drivers (LIBKML, and KML with LIBKML
# skipped). Every folder must hold the expected number of features and every
# station must lie at the latitude its description gives.
# usage: kml_readers.sh MIRVAL_BINARY SURVEY.orv
# Exit 77 (skipped) when a reader is missing.
set -u
binary=$1
survey=$2

# Placemarks of the example survey by folder.
declare -A expected_count=([Bases]=58 [Visadas]=57 [Leituras]=86)

for tool in xmllint ogrinfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed"
        exit 77
    fi
done
for driver in LIBKML KML; do
    if ! ogrinfo --formats 2>/dev/null | grep -q "^ *$driver -vector-"; then
        echo "SKIPPED: GDAL has no $driver driver"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$survey" "$work"/
name=$(basename "$survey")
kml=$work/${name%%.*}.kml
(cd "$work" && "$binary" "$name" >/dev/null 2>&1 </dev/null)
if [ ! -f "$kml" ]; then
    echo "FAIL: $kml was not written"
    exit 1
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if xmllint --noout "$kml"; then
    echo "xmllint: well-formed"
else
    fail "xmllint rejects the file"
fi

# Prints "NAME LATITUDE_OF_THE_DESCRIPTION LATITUDE_OF_THE_POINT" per feature.
station_latitudes() {
    awk '
        /^ *Name \(String\) = / { sub(/^ *Name \(String\) = /, ""); name = $0; described = ""; next }
        /Latitude= *-?[0-9.]+/ {
            match($0, /Latitude= *-?[0-9.]+/)
            described = substr($0, RSTART, RLENGTH)
            sub(/Latitude= */, "", described)
        }
        /^ *POINT Z \(/ {
            point = $0
            sub(/^ *POINT Z \(/, "", point)
            split(point, xyz, " ")
            print name, described, xyz[2]
        }'
}

check_driver() {
    local label=$1
    shift
    local summary layer count
    summary=$(ogrinfo -ro -so -al "$@" "$kml" 2>&1)
    for layer in Bases Visadas Leituras; do
        count=$(awk -v layer="$layer" '
            $0 == "Layer name: " layer { inside = 1; next }
            /^Layer name: / { inside = 0 }
            inside && /^Feature Count: / { print $3 }' <<<"$summary")
        if [ "$count" = "${expected_count[$layer]}" ]; then
            echo "$label: folder $layer has $count features"
        else
            fail "$label: folder $layer has '${count}' features, expected ${expected_count[$layer]}"
        fi
    done

    local stations placed
    stations=$(ogrinfo -ro -al -q "$@" "$kml" Bases 2>&1 | station_latitudes)
    placed=$(awk '$2 != "" { d = $2 - $3; if (d < 0) d = -d; if (d <= 6e-7) n++ } END { print n + 0 }' <<<"$stations")
    if [ "$placed" = "${expected_count[Bases]}" ]; then
        echo "$label: all $placed stations at their latitude (first: $(head -1 <<<"$stations"))"
    else
        fail "$label: $placed of ${expected_count[Bases]} stations at their latitude"
        awk '{ d = $2 - $3; if (d < 0) d = -d; if (!(d <= 6e-7)) print "    " $0 }' <<<"$stations" | head -5
    fi
}

check_driver LIBKML
check_driver KML --config GDAL_SKIP LIBKML

if [ $failures -gt 0 ]; then
    echo "kml_readers: $failures failed"
    exit 1
fi
echo "kml_readers: all checks passed"
