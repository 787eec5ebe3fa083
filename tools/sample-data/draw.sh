# Drawing helpers for the picture generators. Sourced, not run.

# Points of a quadratic Bezier curve as "x,y x,y ...", for "polyline":
# ImageMagick closes stroked paths, a polyline stays open.
qcurve() {
    awk -v x0="$1" -v y0="$2" -v cx="$3" -v cy="$4" -v x1="$5" -v y1="$6" 'BEGIN {
        for (i = 0; i <= 24; i++) {
            t = i / 24; u = 1 - t
            printf "%.1f,%.1f ", u*u*x0 + 2*u*t*cx + t*t*x1, u*u*y0 + 2*u*t*cy + t*t*y1
        }
    }'
}

# An open stroked curve: curve COLOUR WIDTH x0 y0 cx cy x1 y1
curve() {
    echo "fill none stroke $1 stroke-width $2 stroke-linecap round stroke-linejoin round polyline $(qcurve "$3" "$4" "$5" "$6" "$7" "$8")"
}

# Points of a star: star_points CX CY OUTER INNER [TIPS] [ROTATION-DEGREES]
star_points() {
    awk -v cx="$1" -v cy="$2" -v ro="$3" -v ri="$4" -v n="${5:-5}" -v rot="${6:-0}" 'BEGIN {
        pi = atan2(0, -1)
        for (i = 0; i < 2 * n; i++) {
            r = (i % 2 == 0) ? ro : ri
            a = -pi / 2 + i * pi / n + rot * pi / 180
            printf "%.1f,%.1f ", cx + r * cos(a), cy + r * sin(a)
        }
    }'
}

# A round face for smileys: face OUT SIZE FILL STROKE MOUTH-PRIMITIVE
face() {
    convert -size 200x200 xc:white \
        -fill "$3" -stroke "$4" -strokewidth 9 -draw "circle 100,100 100,10" \
        -stroke none -fill "#ffffff70" -draw "ellipse 70,50 28,13 0,360" \
        -fill "#2b2b2b" -draw "ellipse 72,84 10,15 0,360" -draw "ellipse 128,84 10,15 0,360" \
        -fill white -draw "circle 75,78 75,73" -draw "circle 131,78 131,73" \
        -draw "$5" \
        -resize "${2}x${2}" "$1"
}

face_happy()   { face "$1" "$2" "#5cd65c" "#2e8b2e" "fill #2b2b2b stroke #2b2b2b stroke-width 6 polygon $(qcurve 56 116 100 176 144 116)"; }
face_content() { face "$1" "$2" "#ffd633" "#d4a017" "$(curve '#2b2b2b' 11 66 126 100 150 134 126)"; }
face_worried() { face "$1" "$2" "#ff8a7a" "#c0392b" "$(curve '#2b2b2b' 11 66 140 83 124 100 140) $(curve '#2b2b2b' 11 100 140 117 156 134 140)"; }

# A prize rosette with two ribbon tails and a word in the middle:
# rosette OUT MAIN-COLOUR DARK-COLOUR LIGHT-COLOUR TEXT POINTSIZE
rosette() {
    local petals=""
    petals=$(awk 'BEGIN { pi = atan2(0, -1)
        for (i = 0; i < 16; i++) { a = i * 2 * pi / 16
            printf "circle %.1f,%.1f %.1f,%.1f ", 120 + 86*cos(a), 120 + 86*sin(a), 120 + 86*cos(a) + 26, 120 + 86*sin(a) }
    }')
    convert -size 240x330 xc:white \
        -fill "$3" -stroke "$3" -strokewidth 2 \
        -draw "polygon 70,170 40,320 75,296 100,326 118,190" \
        -draw "polygon 170,170 200,320 165,296 140,326 122,190" \
        -fill "$2" -stroke "$3" -strokewidth 3 -draw "$petals" \
        -draw "circle 120,120 120,24" \
        -fill "$4" -stroke "$3" -strokewidth 4 -draw "circle 120,120 120,52" \
        -fill none -stroke "$2" -strokewidth 3 -draw "circle 120,120 120,60" \
        -stroke "$3" -strokewidth 2 -fill "#ffc928" -draw "polygon $(star_points 120 150 20 9)" \
        -stroke none -fill "$3" -font "$FONT_BOLD" -pointsize "$6" -gravity center \
        -annotate +0-58 "$5" \
        -resize 120x165 "$1"
}
