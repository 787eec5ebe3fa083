# The pictures of the sample exercises, drawn at 360 x 288 and stored at
# 180 x 144 (the size the exercise files give them). Sourced by make-images.sh.

W=360
H=288

# Frame shared by every exercise picture: a soft background, a rounded border.
picture() { # out background border draw-args...
    local out=$1 bg=$2 border=$3; shift 3
    convert -size ${W}x${H} xc:white \
        -fill "$bg" -stroke "$border" -strokewidth 8 -draw "roundrectangle 4,4 355,283 28,28" \
        "$@" -resize 180x144 "$out.png"
    case "$out" in
        *.bmp) to_bmp "$out.png" "$out" ;;
        *) convert "$out.png" -quality 88 "$out" ;;
    esac
    rm -f "$out.png"
}

apple() { # x y r
    local x=$1 y=$2 r=$3
    echo "fill #e03131 stroke #a61e1e stroke-width 3 circle $x,$y $((x + r)),$y \
          fill #ff8787 stroke none circle $((x - r / 3)),$((y - r / 3)) $((x - r / 3 + r / 4)),$((y - r / 3)) \
          stroke #6d4c41 stroke-width 4 line $x,$((y - r)) $((x + 3)),$((y - r - 12)) \
          fill #51cf66 stroke #2b8a3e stroke-width 2 ellipse $((x + 11)),$((y - r - 7)) 10,5 0,360"
}

marble() { # x y r colour dark
    echo "fill $4 stroke $5 stroke-width 3 circle $1,$2 $(($1 + $3)),$2 \
          fill #ffffffb0 stroke none circle $(($1 - $3 / 3)),$(($2 - $3 / 3)) $(($1 - $3 / 3 + $3 / 4)),$(($2 - $3 / 3))"
}

card() { # x y angle colour
    echo "push graphic-context translate $1,$2 rotate $3 \
          fill white stroke $4 stroke-width 6 roundrectangle -42,-60 42,60 10,10 \
          fill $4 stroke none polygon $(star_points 0 -8 26 11) \
          fill none stroke $4 stroke-width 4 line -24,38 24,38 pop graphic-context"
}

pencil() { # x y angle body
    echo "push graphic-context translate $1,$2 rotate $3 \
          fill $4 stroke #333 stroke-width 2 rectangle -9,-70 9,40 \
          fill #f8d0a8 polygon -9,40 9,40 0,64 fill #333 polygon -3,56 3,56 0,64 \
          fill #f783ac rectangle -9,-84 9,-70 fill #adb5bd rectangle -9,-72 9,-66 pop graphic-context"
}

egg() { # x y
    echo "fill #fff8ee stroke #c9a27e stroke-width 2 ellipse $1,$2 15,19 0,360"
}

chocolate() { # x y
    echo "fill #7b4a21 stroke #4e2c10 stroke-width 2 circle $1,$2 $(($1 + 11)),$2 \
          fill #a9713f stroke none circle $(($1 - 3)),$(($2 - 3)) $(($1 + 1)),$(($2 - 3))"
}

tulip() { # x y colour
    echo "stroke #2b8a3e stroke-width 4 line $1,$2 $1,$(($2 + 50)) \
          fill #51cf66 stroke none ellipse $(($1 + 8)),$(($2 + 34)) 9,4 0,360 \
          fill $3 stroke #00000040 stroke-width 2 polygon $(($1 - 13)),$(($2 - 22)) $(($1 - 6)),$(($2 - 10)) $1,$(($2 - 24)) $(($1 + 6)),$(($2 - 10)) $(($1 + 13)),$(($2 - 22)) $(($1 + 13)),$(($2 - 4)) $1,$(($2 + 4)) $(($1 - 13)),$(($2 - 4))"
}

balloon() { # x y colour
    echo "fill none stroke #868e96 stroke-width 2 $(qcurve $1 $(($2 + 30)) $(($1 - 10)) $(($2 + 60)) $(($1 + 4)) $(($2 + 92)) | sed 's/^/polyline /') \
          fill $3 stroke #00000040 stroke-width 2 ellipse $1,$2 24,30 0,360 \
          polygon $(($1 - 5)),$(($2 + 34)) $(($1 + 5)),$(($2 + 34)) $1,$(($2 + 28)) \
          fill #ffffff90 stroke none ellipse $(($1 - 9)),$(($2 - 11)) 6,9 0,360"
}

coin() { # x y
    echo "fill #fcc419 stroke #e67700 stroke-width 3 circle $1,$2 $(($1 + 20)),$2 \
          fill none stroke #e67700 stroke-width 2 circle $1,$2 $(($1 + 14)),$2"
}

# A word in the friendly bold font, as a drawing primitive: label TEXT X Y COLOUR [SIZE]
label() {
    echo "fill $4 stroke none font '$FONT_BOLD' font-size ${5:-40} text $2,$3 '$1'"
}

draw_exercise_pictures() {
    local out=$1 # folder
    local SKIN="#f8d0a8" SKIN_DARK="#d9a077"

    # Sheet 1: additions and subtractions
    picture "$out/Figurine.bmp" "#fff9db" "#fab005" \
        -draw "$(card 120 150 -18 '#1c7ed6') $(card 180 140 0 '#e03131') $(card 240 150 18 '#2f9e44')" \
        -fill "#ff922b" -stroke "#d9480f" -strokewidth 4 -draw "circle 310,60 310,28" \
        -draw "$(label "+7" 284 76 white 38)"
    picture "$out/Mele.bmp" "#ebfbee" "#40c057" \
        -draw "$(apple 120 120 24) $(apple 168 112 24) $(apple 216 120 24) $(apple 144 150 24) $(apple 192 150 24)" \
        -fill "#c68642" -stroke "#8d5524" -strokewidth 4 -draw "polygon 70,150 270,150 245,250 95,250" \
        -fill none -stroke "#8d5524" -strokewidth 3 -draw "line 80,183 260,183" -draw "line 88,216 252,216" \
        -draw "line 130,150 135,250" -draw "line 170,150 170,250" -draw "line 210,150 205,250" \
        -fill "#f4a259" -stroke "#b5651d" -strokewidth 3 -draw "ellipse 305,225 40,18 0,360" \
        -fill "#e9c46a" -draw "ellipse 305,218 36,12 0,360"
    picture "$out/Biglie.bmp" "#f3f0ff" "#7950f2" \
        -draw "$(marble 70 200 20 '#fa5252' '#c92a2a') $(marble 112 200 20 '#fa5252' '#c92a2a') $(marble 91 166 20 '#fa5252' '#c92a2a') $(marble 154 200 20 '#fa5252' '#c92a2a') $(marble 133 166 20 '#fa5252' '#c92a2a') $(marble 112 132 20 '#fa5252' '#c92a2a')" \
        -draw "$(marble 206 200 20 '#339af0' '#1864ab') $(marble 248 200 20 '#339af0' '#1864ab') $(marble 290 200 20 '#339af0' '#1864ab') $(marble 227 166 20 '#339af0' '#1864ab') $(marble 269 166 20 '#339af0' '#1864ab')" \
        -draw "$(label "24" 78 90 "#c92a2a" 44)" -draw "$(label "18" 232 124 "#1864ab" 44)"
    picture "$out/Autobus.bmp" "#e7f5ff" "#339af0" \
        -fill "#adb5bd" -stroke none -draw "rectangle 8,236 352,250" \
        -fill "#ffd43b" -stroke "#e67700" -strokewidth 5 -draw "roundrectangle 40,90 300,226 20,20" \
        -fill "#d0ebff" -stroke "#1864ab" -strokewidth 3 \
        -draw "rectangle 60,108 110,150" -draw "rectangle 122,108 172,150" -draw "rectangle 184,108 234,150" -draw "roundrectangle 246,108 286,170 6,6" \
        -fill "$SKIN" -stroke "$SKIN_DARK" -strokewidth 2 -draw "circle 85,140 85,126" -draw "circle 147,140 147,126" -draw "circle 209,140 209,126" \
        -fill "#2b2b2b" -stroke none -draw "circle 80,138 80,136" -draw "circle 90,138 90,136" -draw "circle 142,138 142,136" -draw "circle 152,138 152,136" -draw "circle 204,138 204,136" -draw "circle 214,138 214,136" \
        -fill "#343a40" -draw "circle 95,228 95,204" -draw "circle 245,228 245,204" -fill "#ced4da" -draw "circle 95,228 95,216" -draw "circle 245,228 245,216" \
        -fill "#e03131" -draw "rectangle 40,178 300,186" \
        -stroke "#495057" -strokewidth 5 -draw "line 330,70 330,236" -fill "#1c7ed6" -stroke white -strokewidth 3 -draw "roundrectangle 306,40 354,80 6,6" \
        -draw "$(label "BUS" 309 69 white 20)"
    picture "$out/Libri.bmp" "#fff4e6" "#fd7e14" \
        -fill "#b07d4b" -stroke "#7f5539" -strokewidth 4 -draw "rectangle 30,236 330,252" \
        -stroke "#00000050" -strokewidth 2 \
        -fill "#e03131" -draw "rectangle 44,120 76,236" -fill "#1c7ed6" -draw "rectangle 78,100 114,236" \
        -fill "#fab005" -draw "rectangle 116,130 142,236" -fill "#2f9e44" -draw "rectangle 144,90 184,236" \
        -fill "#ae3ec9" -draw "rectangle 186,116 214,236" -fill "#f76707" -draw "rectangle 216,104 250,236" \
        -fill "#0ca678" -draw "push graphic-context translate 290,236 rotate 14 rectangle -16,-120 16,0 pop graphic-context" \
        -fill white -stroke none -draw "rectangle 84,130 108,136" -draw "rectangle 150,120 178,126" -draw "rectangle 222,130 244,136" \
        -fill "#ffd43b" -stroke "#f08c00" -strokewidth 2 -draw "polygon $(star_points 164 170 14 6)"
    picture "$out/Pallone.bmp" "#ebfbee" "#2f9e44" \
        -fill "#8ce99a" -stroke none -draw "rectangle 8,220 352,280" \
        -fill white -stroke "#212529" -strokewidth 4 -draw "circle 130,160 130,90" \
        -fill "#212529" -stroke none -draw "polygon $(star_points 130 160 24 20 5 0)" \
        -draw "polygon 78,118 96,106 104,126 88,140" -draw "polygon 182,118 164,106 156,126 172,140" \
        -draw "polygon 100,218 118,226 110,206" -draw "polygon 160,218 142,226 150,206" \
        -draw "$(coin 270 200) $(coin 300 170) $(coin 260 140)" \
        -draw "$(label "€" 250 153 "#e67700" 28)" -draw "$(label "€" 290 183 "#e67700" 28)" -draw "$(label "€" 260 213 "#e67700" 28)"

    # Sheet 2: multiplications and divisions
    local chocs="" r c
    for r in 0 1 2 3; do
        for c in 0 1 2 3 4 5; do
            [ "$r$c" = "05" ] || [ "$r$c" = "14" ] || [ "$r$c" = "35" ] || [ "$r$c" = "21" ] || [ "$r$c" = "32" ] && continue
            chocs+="$(chocolate $((95 + c * 34)) $((122 + r * 34))) "
        done
    done
    picture "$out/Cioccolatini.bmp" "#fff0f6" "#e64980" \
        -fill "#f783ac" -stroke "#c2255c" -strokewidth 5 -draw "roundrectangle 70,96 290,256 14,14" \
        -fill "#ffe3ec" -strokewidth 3 -draw "rectangle 82,104 278,246" \
        -draw "$chocs" \
        -fill "#e64980" -stroke none -draw "polygon 150,40 180,82 210,40 200,96 160,96" -draw "circle 180,84 180,74" \
        -draw "$(chocolate 40 220) $(chocolate 320 240)"
    picture "$out/Matite.bmp" "#fff9db" "#f59f00" \
        -draw "$(pencil 70 140 -10 '#fa5252') $(pencil 92 140 0 '#fab005') $(pencil 114 140 10 '#40c057')" \
        -draw "$(pencil 160 140 -10 '#339af0') $(pencil 182 140 0 '#ae3ec9') $(pencil 204 140 10 '#fd7e14')" \
        -draw "$(pencil 250 140 -10 '#12b886') $(pencil 272 140 0 '#e64980') $(pencil 294 140 10 '#fa5252')" \
        -fill "#868e96" -stroke none -draw "rectangle 64,150 120,164" -draw "rectangle 154,150 210,164" -draw "rectangle 244,150 300,164" \
        -draw "$(label "× 3" 150 262 "#e67700" 36)"
    picture "$out/Uova.bmp" "#fff4e6" "#d9480f" \
        -fill "#d2b48c" -stroke "#a67c52" -strokewidth 4 -draw "roundrectangle 40,140 180,230 10,10" -draw "roundrectangle 190,140 330,230 10,10" \
        -draw "$(egg 66 160) $(egg 110 160) $(egg 154 160) $(egg 66 206) $(egg 110 206) $(egg 154 206)" \
        -draw "$(egg 216 160) $(egg 260 160) $(egg 304 160) $(egg 216 206) $(egg 260 206) $(egg 304 206)" \
        -fill "#fcc419" -stroke "#e67700" -strokewidth 3 -draw "ellipse 90,78 22,18 0,360" -draw "polygon 108,72 126,78 108,84" \
        -fill "#212529" -stroke none -draw "circle 84,72 84,69" -fill "#ff6b6b" -draw "ellipse 84,58 6,8 0,360" -draw "ellipse 94,58 6,8 0,360" \
        -fill "#fcc419" -stroke "#e67700" -strokewidth 3 -draw "ellipse 270,86 22,18 0,360" -draw "polygon 252,80 234,86 252,92" \
        -fill "#212529" -stroke none -draw "circle 276,80 276,77"
    picture "$out/Quaderni.bmp" "#e7f5ff" "#1c7ed6" \
        -stroke "#00000050" -strokewidth 2 \
        -fill "#fa5252" -draw "roundrectangle 40,210 200,236 4,4" -fill "#fab005" -draw "roundrectangle 46,184 206,210 4,4" \
        -fill "#40c057" -draw "roundrectangle 38,158 198,184 4,4" -fill "#339af0" -draw "roundrectangle 44,132 204,158 4,4" \
        -fill "#ae3ec9" -draw "roundrectangle 40,106 200,132 4,4" \
        -fill white -stroke none -draw "rectangle 100,114 140,124" -draw "rectangle 106,140 146,150" -draw "rectangle 98,166 138,176" -draw "rectangle 106,192 146,202" -draw "rectangle 100,218 140,228" \
        -fill "#20c997" -stroke "#087f5b" -strokewidth 4 -draw "roundrectangle 226,160 336,232 16,16" \
        -stroke "#087f5b" -strokewidth 3 -draw "line 232,190 330,190" -fill "#ffd43b" -draw "rectangle 270,182 292,198" \
        -draw "$(label "5" 110 92 "#1c7ed6" 40)"
    local tulips="" colours=("#fa5252" "#fcc419" "#e64980" "#ae3ec9" "#ff922b" "#fa5252" "#fcc419" "#e64980")
    for r in 0 1 2; do
        for c in 0 1 2 3 4 5 6 7; do
            tulips+="$(tulip $((48 + c * 38)) $((86 + r * 62)) "${colours[$(((c + r) % 8))]}") "
        done
    done
    picture "$out/Tulipani.bmp" "#e6fcf5" "#12b886" \
        -fill "#b08968" -stroke none -draw "rectangle 8,130 352,140" -draw "rectangle 8,192 352,202" -draw "rectangle 8,254 352,264" \
        -draw "$tulips"
    picture "$out/Palloncini.bmp" "#f8f0fc" "#be4bdb" \
        -draw "$(balloon 90 80 '#fa5252') $(balloon 150 64 '#339af0') $(balloon 210 84 '#fcc419') $(balloon 270 66 '#40c057')" \
        -fill "#ffc9c9" -stroke "#e03131" -strokewidth 4 -draw "rectangle 60,176 300,196" \
        -fill "#e03131" -stroke none -draw "rectangle 80,196 92,256" -draw "rectangle 268,196 280,256" \
        -fill "#ffffff" -stroke "#e03131" -strokewidth 2 -draw "polygon 60,196 300,196 290,214 70,214"

    # Sheet 3: measures (stored as JPEG pictures)
    picture "$out/Corda.jpg" "#fff5f5" "#fa5252" \
        -draw "$(curve '#f06595' 7 70 80 180 290 290 80)" \
        -fill "#fab005" -stroke "#e67700" -strokewidth 3 -draw "roundrectangle 56,40 84,90 10,10" -draw "roundrectangle 276,40 304,90 10,10" \
        -fill "#ffe066" -stroke "#f08c00" -strokewidth 3 -draw "rectangle 30,226 330,262" \
        -stroke "#495057" -strokewidth 2 -draw "line 50,226 50,246" -draw "line 90,226 90,240" -draw "line 130,226 130,246" -draw "line 170,226 170,240" -draw "line 210,226 210,246" -draw "line 250,226 250,240" -draw "line 290,226 290,246" \
        -draw "$(label "3 m" 150 190 "#c2255c" 44)"
    picture "$out/Sentiero.jpg" "#e7f5ff" "#1c7ed6" \
        -fill "#adb5bd" -stroke "#495057" -strokewidth 3 -draw "polygon 40,230 150,60 260,230" -draw "polygon 170,230 260,100 350,230" \
        -fill white -stroke none -draw "polygon 150,60 124,100 140,96 150,108 162,96 176,100" -draw "polygon 260,100 242,126 260,122 278,126" \
        -fill "#8ce99a" -draw "rectangle 8,220 352,280" \
        -fill "#e9c46a" -draw "polygon 120,280 200,280 175,220 165,220" \
        -fill "#8d6e63" -stroke "#5d4037" -strokewidth 3 -draw "rectangle 64,176 72,262" \
        -fill "#ffd8a8" -stroke "#d9480f" -strokewidth 3 -draw "polygon 30,170 100,170 118,186 100,202 30,202" \
        -fill "#5c940d" -stroke none -draw "polygon 300,270 286,236 314,236" -draw "polygon 300,248 282,210 318,210" -draw "polygon 300,224 288,194 312,194" \
        -draw "$(label "2 km" 36 198 "#d9480f" 26)"
    picture "$out/Patate.jpg" "#fff9db" "#e67700" \
        -fill "#ced4da" -stroke "#495057" -strokewidth 4 -draw "roundrectangle 90,210 270,262 10,10" -draw "rectangle 170,190 190,212" \
        -fill "#e9ecef" -draw "roundrectangle 70,180 290,196 8,8" \
        -fill "#d4a373" -stroke "#8d5524" -strokewidth 3 -draw "polygon 110,180 250,180 236,80 214,64 146,64 124,80" \
        -fill "#8d5524" -stroke none -draw "rectangle 156,54 204,66" \
        -fill "#c9a26b" -stroke "#8d5524" -strokewidth 2 -draw "ellipse 60,240 22,15 0,360" -draw "ellipse 310,244 20,14 0,360" \
        -fill white -stroke "#495057" -strokewidth 2 -draw "roundrectangle 150,220 210,252 4,4" \
        -draw "$(label "4 kg" 138 140 "#5c3a1e" 40)" -draw "$(label "4" 171 247 "#e03131" 26)"
    picture "$out/Gatto.jpg" "#f3f0ff" "#7048e8" \
        -fill "#ced4da" -stroke "#495057" -strokewidth 4 -draw "roundrectangle 80,222 280,262 10,10" \
        -fill white -strokewidth 2 -draw "roundrectangle 150,230 210,256 4,4" \
        -fill "#ffa94d" -stroke "#d9480f" -strokewidth 4 -draw "ellipse 180,180 70,44 0,360" \
        -draw "$(curve '#d9480f' 12 246 190 300 180 290 120)" \
        -draw "circle 150,120 150,76" -draw "polygon 116,96 112,50 146,80" -draw "polygon 184,96 188,50 154,80" \
        -fill "#ffd8a8" -stroke none -draw "polygon 120,88 118,62 138,80" -draw "polygon 180,88 182,62 162,80" \
        -fill "#2b2b2b" -draw "ellipse 134,116 6,9 0,360" -draw "ellipse 166,116 6,9 0,360" \
        -fill "#f06595" -draw "polygon 144,132 156,132 150,140" \
        -stroke "#2b2b2b" -strokewidth 2 -draw "line 110,134 140,138" -draw "line 110,146 140,142" -draw "line 190,134 160,138" -draw "line 190,146 160,142" \
        -draw "$(label "5" 170 253 "#e03131" 24)" -draw "$(label "5 kg" 250 70 "#5f3dc4" 40)"
    picture "$out/Bottiglia.jpg" "#e3fafc" "#15aabf" \
        -fill "#99e9f2" -stroke "#0c8599" -strokewidth 4 -draw "roundrectangle 130,90 230,262 24,24" -draw "rectangle 160,56 200,92" \
        -fill "#1c7ed6" -stroke "#1864ab" -strokewidth 3 -draw "roundrectangle 154,34 206,58 6,6" \
        -fill "#4dabf7" -stroke none -draw "roundrectangle 134,150 226,258 20,20" \
        -fill white -stroke "#0c8599" -strokewidth 2 -draw "rectangle 140,120 220,166" \
        -fill "#ffffff80" -stroke none -draw "roundrectangle 142,176 154,244 6,6" \
        -draw "$(label "2 l" 154 156 "#0b7285" 36)" \
        -fill "#74c0fc" -draw "ellipse 290,110 10,14 0,360" -draw "polygon 280,106 290,84 300,106" -draw "ellipse 60,200 8,11 0,360" -draw "polygon 52,197 60,180 68,197"
    picture "$out/Secchio.jpg" "#ebfbee" "#37b24d" \
        -fill none -stroke "#495057" -strokewidth 6 -draw "ellipse 180,100 90,70 180,360" \
        -fill "#4dabf7" -stroke "#1864ab" -strokewidth 4 -draw "ellipse 180,106 92,18 0,360" \
        -fill "#ff922b" -stroke "#d9480f" -strokewidth 5 -draw "polygon 88,106 272,106 246,256 114,256" \
        -fill "#ffa94d" -stroke none -draw "rectangle 100,150 260,170" \
        -fill white -stroke "#d9480f" -strokewidth 3 -draw "ellipse 180,206 44,28 0,360" \
        -draw "$(label "8 l" 156 220 "#d9480f" 36)"
}
