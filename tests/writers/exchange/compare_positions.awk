# Compares the stations of a dump3d listing with the coordinate listing.
# Files: the ".coo" listing, then the dump3d output. Variables:
#   origin  "absolute" (the model holds UTM coordinates) or "relative" (move the
#           model so that the initial base, station 1 of the listing, sits where listed)
#   extra   "yes" when the model may hold stations the listing lacks (splay targets)
#   model   name shown in the report
# Blanks inside listed names are compared as "_", as the exchange files write them.
FNR == NR {
    if ($0 ~ /^ No\. ESTA/) { in_table = 1; next }
    if (in_table && NF < 6) { in_table = 0; next }
    if (!in_table) next
    name = $2
    for (k = 3; k <= NF - 4; k++) name = name "_" $k
    listed[name] = 1
    lx[name] = $(NF - 3); ly[name] = $(NF - 2); lz[name] = $(NF - 1)
    if ($1 == 1) first = name
    count++
    next
}
$1 == "NODE" && $5 != "[]" {
    name = substr($5, 2, length($5) - 2)
    mx[name] = $2; my[name] = $3; mz[name] = $4
    placed[name] = 1
}
END {
    dx = 0; dy = 0; dz = 0
    if (origin == "relative") {
        if (!(first in placed)) { print "FAIL " model ": the initial base " first " is not placed"; exit 1 }
        dx = lx[first] - mx[first]; dy = ly[first] - my[first]; dz = lz[first] - mz[first]
    }
    bad = 0; worst = 0; compared = 0
    for (name in listed) {
        if (!(name in placed)) { print "FAIL " model ": station " name " is not placed"; bad++; continue }
        ex = mx[name] + dx - lx[name]; ey = my[name] + dy - ly[name]; ez = mz[name] + dz - lz[name]
        d = sqrt(ex * ex + ey * ey + ez * ez)
        if (d > worst) worst = d
        compared++
        if (d > 0.02) {
            printf "FAIL %s: station %s is %.3f m from the listing\n", model, name, d
            bad++
        }
    }
    if (extra != "yes") {
        for (name in placed) {
            if (!(name in listed)) { print "FAIL " model ": station " name " is not in the listing"; bad++ }
        }
    }
    printf "%s: %d stations compared with the listing, largest distance %.3f m\n", model, compared, worst
    exit bad > 0
}
