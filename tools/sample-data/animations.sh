# The animated GIF pictures: feedback animations and the moving pictures of
# the home page. Every frame is drawn on a transparent canvas; the GIF keeps
# one transparent colour. Sourced by make-images.sh.

# Joins frames into a looping GIF: make_gif OUT DELAY-CENTISECONDS FRAME...
make_gif() {
    local out=$1 delay=$2; shift 2
    convert -dispose Background -delay "$delay" -loop 0 "$@" \
        -channel A -threshold 50% +channel -layers OptimizeTransparency "$out"
}

# Thumbs-up that bobs while two sparkles twinkle.
gif_thumb() {
    local out=$1 tmp frames=() i dy s1 s2
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5 6 7; do
        dy=$(awk -v i=$i 'BEGIN { printf "%d", -6 * sin(i * 3.14159 / 4) }')
        s1=$((i % 4 < 2 ? 12 : 6)); s2=$((i % 4 < 2 ? 6 : 12))
        convert -size 120x120 xc:none \
            -fill "#ffd43b" -stroke "#f08c00" -strokewidth 2 \
            -draw "polygon $(star_points 22 24 $s1 $((s1 / 3)) 4)" -draw "polygon $(star_points 100 36 $s2 $((s2 / 3)) 4)" \
            -draw "push graphic-context translate 0,$dy \
                   fill #1c7ed6 stroke #1864ab stroke-width 3 roundrectangle 18,62 40,108 5,5 \
                   fill #f8d0a8 stroke #c8875a stroke-width 3 roundrectangle 38,58 96,108 12,12 \
                   roundrectangle 50,18 68,66 9,9 \
                   line 62,72 94,72 line 62,84 94,84 line 62,96 92,96 \
                   pop graphic-context" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 10 "${frames[@]}"
    rm -rf "$tmp"
}

# A question mark that rocks from side to side, with "Riprova!" under it.
gif_try_again() {
    local out=$1 tmp frames=() i a
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5 6 7; do
        a=$(awk -v i=$i 'BEGIN { printf "%d", 14 * sin(i * 3.14159 / 4) }')
        convert -size 120x120 xc:none \
            -fill "#ffe8cc" -stroke "#fd7e14" -strokewidth 4 -draw "circle 60,50 60,8" \
            -draw "push graphic-context translate 60,50 rotate $a \
                   fill #fd7e14 stroke none font '$FONT_BOLD' font-size 64 text -16,22 '?' pop graphic-context" \
            -fill "#e8590c" -stroke none -font "$FONT_BOLD" -pointsize 24 -gravity south -annotate +0+2 "Riprova!" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 12 "${frames[@]}"
    rm -rf "$tmp"
}

# A smiling star that turns a little and glows.
gif_star() {
    local out=$1 tmp frames=() i a r
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5 6 7 8 9; do
        a=$(awk -v i=$i 'BEGIN { printf "%d", 10 * sin(i * 3.14159 / 5) }')
        r=$(awk -v i=$i 'BEGIN { printf "%d", 50 + 4 * sin(i * 3.14159 / 5) }')
        convert -size 120x120 xc:none \
            -fill "#ffe066" -stroke "#f59f00" -strokewidth 4 -draw "polygon $(star_points 60 62 "$r" $((r * 45 / 100)) 5 "$a")" \
            -stroke none -fill "#2b2b2b" -draw "ellipse 51,60 4,6 0,360" -draw "ellipse 69,60 4,6 0,360" \
            -draw "$(curve '#2b2b2b' 4 50 72 60 80 70 72)" \
            -fill "#ff8787" -draw "circle 43,70 43,66" -draw "circle 77,70 77,66" \
            -fill "#74c0fc" -draw "polygon $(star_points 16 $((16 + i % 5 * 2)) 8 3 4)" \
            -fill "#f783ac" -draw "polygon $(star_points 104 $((100 - i % 5 * 2)) 8 3 4)" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 9 "${frames[@]}"
    rm -rf "$tmp"
}

# Confetti falling without end.
gif_confetti() {
    local out=$1 tmp frames=() i prims
    tmp=$(mktemp -d)
    for i in $(seq 0 11); do
        prims=$(awk -v f=$i 'BEGIN {
            split("#fa5252 #fcc419 #40c057 #339af0 #ae3ec9 #ff922b #20c997 #f06595", c, " ")
            srand(7)
            for (k = 0; k < 26; k++) {
                x = int(rand() * 110) + 5; y0 = rand() * 120; v = 10; w = 4 + int(rand() * 4)
                y = (y0 + f * v) % 120; a = (k * 37 + f * 30) % 180
                printf "push graphic-context translate %d,%d rotate %d fill %s rectangle -%d,-3 %d,3 pop graphic-context ", x, y, a, c[k % 8 + 1], w, w
            }
        }')
        convert -size 120x120 xc:none -stroke none -draw "$prims" "$tmp/f$(printf %02d $i).png"
        frames+=("$tmp/f$(printf %02d $i).png")
    done
    make_gif "$out" 8 "${frames[@]}"
    rm -rf "$tmp"
}

# A beach ball bouncing on the spot, turning as it goes.
beach_ball() { # radius-x radius-y rotation: coloured wedges, as drawing primitives
    awk -v rx="$1" -v ry="$2" -v rot="$3" 'BEGIN {
        pi = atan2(0, -1); split("#fa5252 #ffffff #339af0 #ffffff #fcc419 #ffffff", c, " ")
        for (k = 0; k < 6; k++) {
            printf "fill %s stroke none polygon 0,0 ", c[k + 1]
            for (j = 0; j <= 8; j++) { a = (rot + k * 60 + j * 7.5) * pi / 180; printf "%.1f,%.1f ", rx * cos(a), ry * sin(a) }
            printf " "
        }
    }'
}
gif_ball() {
    local out=$1 tmp frames=() i y rx ry
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5 6 7 8 9; do
        y=$(awk -v i=$i 'BEGIN { t = i / 10; printf "%d", 80 - 46 * 4 * t * (1 - t) }')
        rx=32; ry=32
        [ "$i" = 0 ] && { rx=37; ry=27; y=$((y + 5)); }
        convert -size 100x120 xc:none \
            -fill "#00000030" -stroke none -draw "ellipse 50,114 $((30 - (80 - y) / 4)),5 0,360" \
            -draw "push graphic-context translate 50,$y $(beach_ball $rx $ry $((i * 24))) \
                   fill #ffffff stroke #495057 stroke-width 2 ellipse 0,0 7,7 0,360 \
                   fill none stroke #495057 stroke-width 3 ellipse 0,0 $rx,$ry 0,360 \
                   fill #ffffff90 stroke none ellipse -12,-14 8,5 0,360 pop graphic-context" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 7 "${frames[@]}"
    rm -rf "$tmp"
}

# A child walking to the right.
gif_walker() {
    local out=$1 tmp frames=() i a b bob
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5 6 7; do
        a=$(awk -v i=$i 'BEGIN { printf "%d", 28 * sin(i * 3.14159 / 4) }')
        b=$((-a))
        bob=$(( (i % 4 == 0 || i % 4 == 2) ? 0 : 2 ))
        convert -size 90x120 xc:none \
            -draw "push graphic-context translate 45,$((78 + bob)) \
                   push graphic-context rotate $a stroke #1864ab stroke-width 8 stroke-linecap round line 0,0 0,32 \
                        fill #343a40 stroke none ellipse 4,34 8,4 0,360 pop graphic-context \
                   push graphic-context rotate $b stroke #1c7ed6 stroke-width 8 stroke-linecap round line 0,0 0,32 \
                        fill #495057 stroke none ellipse 4,34 8,4 0,360 pop graphic-context \
                   pop graphic-context" \
            -draw "push graphic-context translate 45,$((48 + bob)) rotate $b stroke #f8d0a8 stroke-width 7 stroke-linecap round line 0,0 0,28 pop graphic-context" \
            -fill "#fab005" -stroke "#e67700" -strokewidth 3 -draw "roundrectangle 33,$((42 + bob)) 57,$((82 + bob)) 8,8" \
            -fill "#fa5252" -stroke "#c92a2a" -strokewidth 2 -draw "roundrectangle 22,$((46 + bob)) 36,$((74 + bob)) 4,4" \
            -draw "push graphic-context translate 45,$((48 + bob)) rotate $a stroke #f8d0a8 stroke-width 7 stroke-linecap round line 0,0 0,28 pop graphic-context" \
            -fill "#f8d0a8" -stroke "#d9a077" -strokewidth 2 -draw "circle 47,$((26 + bob)) 47,$((8 + bob))" \
            -fill "#7b4a21" -stroke none -draw "ellipse 45,$((18 + bob)) 19,11 180,360" -draw "circle 30,$((22 + bob)) 30,$((15 + bob))" \
            -fill "#2b2b2b" -draw "circle 55,$((26 + bob)) 55,$((23 + bob))" \
            -draw "$(curve '#2b2b2b' 2.5 51 $((34 + bob)) 56 $((37 + bob)) 61 $((33 + bob)))" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 10 "${frames[@]}"
    rm -rf "$tmp"
}

# A red balloon swaying on its string.
gif_balloon() {
    local out=$1 tmp frames=() i a
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5 6 7; do
        a=$(awk -v i=$i 'BEGIN { printf "%d", 8 * sin(i * 3.14159 / 4) }')
        convert -size 80x130 xc:none \
            -draw "push graphic-context translate 40,125 rotate $a \
                   fill none stroke #868e96 stroke-width 2 polyline $(qcurve 0 0 -10 -30 0 -60) \
                   fill #fa5252 stroke #c92a2a stroke-width 3 ellipse 0,-92 28,34 0,360 \
                   polygon -6,-56 6,-56 0,-62 \
                   fill #ffffffa0 stroke none ellipse -10,-104 6,11 0,360 pop graphic-context" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 12 "${frames[@]}"
    rm -rf "$tmp"
}

# A butterfly beating its wings.
gif_butterfly() {
    local out=$1 tmp frames=() i s
    tmp=$(mktemp -d)
    for i in 0 1 2 3 4 5; do
        s=$(awk -v i=$i 'BEGIN { printf "%.2f", 0.35 + 0.65 * (0.5 + 0.5 * cos(i * 3.14159 / 3)) }')
        convert -size 100x90 xc:none \
            -draw "push graphic-context translate 50,45 scale $s,1 \
                   fill #f783ac stroke #c2255c stroke-width 3 ellipse -26,-14 26,22 0,360 ellipse 26,-14 26,22 0,360 \
                   fill #ffa8a8 ellipse -18,18 17,15 0,360 ellipse 18,18 17,15 0,360 \
                   fill #fff3bf stroke none circle -28,-16 -20,-16 circle 28,-16 36,-16 pop graphic-context" \
            -fill "#5f3dc4" -stroke none -draw "ellipse 50,47 5,24 0,360" \
            -draw "$(curve '#5f3dc4' 2 48 24 42 10 36 8) $(curve '#5f3dc4' 2 52 24 58 10 64 8)" \
            "$tmp/f$i.png"
        frames+=("$tmp/f$i.png")
    done
    make_gif "$out" 9 "${frames[@]}"
    rm -rf "$tmp"
}

draw_animations() {
    local out=$1
    gif_thumb "$out/Pollice.gif"
    gif_try_again "$out/Riprova.gif"
    gif_star "$out/Stella.gif"
    gif_confetti "$out/Coriandoli.gif"
    gif_ball "$out/Palla.gif"
    gif_walker "$out/Omino.gif"
    gif_balloon "$out/Palloncino.gif"
    gif_butterfly "$out/Farfalla.gif"
}
