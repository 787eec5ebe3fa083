#!/usr/bin/env bash
# Draws every picture of the sample installation into data/SOL_IMG.
# Needs ImageMagick (convert, montage) and the Comic Neue fonts.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$HERE/draw.sh"
source "$HERE/exercise-pictures.sh"
source "$HERE/animations.sh"

need_tool convert imagemagick
need_file "$FONT_BOLD" fonts-comic-neue

mkdir -p "$IMG"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

SKIN="#f8d0a8"
SKIN_DARK="#d9a077"

# --- Smileys of the steps and of the printed report -------------------------
face_happy "$TMP/verde.png" 40 && to_bmp "$TMP/verde.png" "$IMG/Smiley Verde.bmp"
face_content "$TMP/giallo.png" 40 && to_bmp "$TMP/giallo.png" "$IMG/Smiley Giallo.bmp"
face_worried "$TMP/rosso.png" 40 && to_bmp "$TMP/rosso.png" "$IMG/Smiley Rosso.bmp"
face_happy "$TMP/verde.png" 64 && to_bmp "$TMP/verde.png" "$IMG/VERDE.bmp"
face_content "$TMP/giallo.png" 64 && to_bmp "$TMP/giallo.png" "$IMG/GIALLO.bmp"
face_worried "$TMP/rosso.png" 64 && to_bmp "$TMP/rosso.png" "$IMG/ROSSO.bmp"

# --- Cockades and report badges ---------------------------------------------
rosette "$TMP/coccarda.png" "#e8372f" "#a01f1a" "#fff4c2" "BRAVO!" 34
to_bmp "$TMP/coccarda.png" "$IMG/coccarda.bmp"
rosette "$TMP/aiuto.png" "#3aa0e8" "#1a5e99" "#e6f4ff" "AIUTO" 36
to_bmp "$TMP/aiuto.png" "$IMG/coccardaHElp.bmp"

# "Dieci": ten, the best mark, on a golden star.
convert -size 200x200 xc:white \
    -fill "#ffd43b" -stroke "#e67700" -strokewidth 6 -draw "polygon $(star_points 100 106 94 50)" \
    -stroke none -fill "#d9480f" -font "$FONT_BOLD" -pointsize 62 -gravity center -annotate +0+12 "10" \
    -resize 96x96 "$TMP/dieci.png"
to_bmp "$TMP/dieci.png" "$IMG/Dieci.bmp"
# "Help": solved with the help of the solution, a life ring.
convert -size 200x200 xc:white \
    -fill "#ff6b6b" -stroke "#c92a2a" -strokewidth 5 -draw "circle 100,100 100,10" \
    -fill white -stroke none \
    -draw "path 'M 100,100 L 163.6,36.4 A 90,90 0 0,1 163.6,163.6 Z'" \
    -draw "path 'M 100,100 L 36.4,163.6 A 90,90 0 0,1 36.4,36.4 Z'" \
    -fill white -stroke "#c92a2a" -strokewidth 5 -draw "circle 100,100 100,54" \
    -fill none -stroke "#c92a2a" -strokewidth 5 -draw "circle 100,100 100,10" \
    -stroke none -fill "#1c7ed6" -font "$FONT_BOLD" -pointsize 64 -gravity center -annotate +0+4 "?" \
    -resize 96x96 "$TMP/help.png"
to_bmp "$TMP/help.png" "$IMG/Help.bmp"

# --- Logo --------------------------------------------------------------------
convert -size 256x256 xc:white \
    -fill "#1c7ed6" -stroke "#1864ab" -strokewidth 8 -draw "roundrectangle 8,8 247,247 48,48" \
    -fill "#4dabf7" -stroke none -draw "roundrectangle 20,20 235,110 36,36" \
    -fill "#ffd43b" -stroke "#f08c00" -strokewidth 4 -font "$FONT_BOLD" -pointsize 200 -gravity center -annotate +0+18 "S" \
    -stroke none -pointsize 56 -fill "#ff8787" -gravity northwest -annotate +24+16 "+" \
    -fill "#8ce99a" -gravity northeast -annotate +26+12 "×" \
    -fill "#ffa8a8" -gravity southwest -annotate +28+6 ":" \
    -fill "#d0bfff" -gravity southeast -annotate +28+6 "−" \
    -resize 64x64 "$TMP/logo.png"
to_bmp "$TMP/logo.png" "$IMG/Logo.bmp"

# --- Start panel: background and its five pictures --------------------------
convert -size 737x537 gradient:"#8fd3ff"-"#e9f7ff" \
    -fill none -strokewidth 14 \
    -stroke "#ff6b6b" -draw "ellipse 368,560 330,300 180,360" \
    -stroke "#ffa94d" -draw "ellipse 368,560 316,286 180,360" \
    -stroke "#ffe066" -draw "ellipse 368,560 302,272 180,360" \
    -stroke "#8ce99a" -draw "ellipse 368,560 288,258 180,360" \
    -stroke "#74c0fc" -draw "ellipse 368,560 274,244 180,360" \
    -stroke "#b197fc" -draw "ellipse 368,560 260,230 180,360" \
    -stroke none -fill white \
    -draw "circle 90,80 90,50" -draw "circle 130,70 130,32" -draw "circle 170,85 170,58" -draw "roundrectangle 70,80 195,112 16,16" \
    -draw "circle 580,110 580,84" -draw "circle 616,98 616,64" -draw "circle 650,112 650,88" -draw "roundrectangle 560,110 672,138 14,14" \
    -fill "#ffd43b" -stroke "#fab005" -strokewidth 4 -draw "circle 680,40 680,14" \
    -stroke none -fill "#69db7c" -draw "ellipse 150,560 260,80 180,360" -draw "ellipse 600,560 260,70 180,360" \
    -fill "#51cf66" -draw "ellipse 380,575 300,60 180,360" \
    -font "$FONT_BOLD" -pointsize 72 \
    -fill "#ff8787" -annotate +30+250 "+" -fill "#4dabf7" -annotate +665+270 "×" \
    -fill "#ffa94d" -annotate +40+440 "7" -fill "#9775fa" -annotate +680+440 "3" \
    -fill "#20c997" -annotate +250+200 ":" -fill "#f783ac" -annotate +470+205 "−" \
    -gravity north -pointsize 70 -fill white -annotate +3+15 "Solvaro" -fill "#1c7ed6" -annotate +0+12 "Solvaro" \
    -pointsize 24 -fill "#1864ab" -annotate +0+98 "Problemi di matematica per la Scuola Primaria" \
    "$TMP/start.png"
to_bmp8 "$TMP/start.png" "$IMG/Sfondo Avvio.bmp"

# A square card with a picture and a word under it: start_card OUT BG BORDER WORD draw-args...
start_card() {
    local out=$1 bg=$2 border=$3 word=$4; shift 4
    convert -size 300x300 xc:"$bg" "$@" \
        -stroke none -fill "$border" -draw "rectangle 0,246 300,300" \
        -fill white -font "$FONT_BOLD" -pointsize 36 -gravity south -annotate +0+8 "$word" \
        -gravity northwest -fill none -stroke "$border" -strokewidth 12 -draw "rectangle 6,6 293,293" \
        -resize 150x150 "$TMP/card.png"
    to_bmp "$TMP/card.png" "$out"
}
start_card "$IMG/Alunno.bmp" "#fff3c4" "#f39c12" "ALUNNO" \
    -fill "#e74c3c" -stroke "#a93226" -strokewidth 4 -draw "roundrectangle 60,90 240,250 20,20" \
    -fill "$SKIN" -stroke "$SKIN_DARK" -draw "rectangle 136,160 164,195" \
    -fill "#3498db" -stroke "#1f618d" -draw "polygon 95,185 205,185 230,250 70,250" \
    -fill "#7b4a21" -stroke "#5a3416" -draw "ellipse 150,112 64,58 180,360" -draw "rectangle 86,112 104,140" -draw "rectangle 196,112 214,140" \
    -fill "$SKIN" -stroke "$SKIN_DARK" -draw "circle 150,122 150,66" \
    -fill "#7b4a21" -stroke none -draw "circle 112,82 112,62" -draw "circle 140,72 140,50" -draw "circle 170,72 170,52" -draw "circle 194,86 194,66" \
    -fill "#2b2b2b" -draw "circle 128,124 128,132" -draw "circle 172,124 172,132" \
    -fill "#f1948a" -draw "circle 114,144 114,152" -draw "circle 186,144 186,152" \
    -draw "$(curve '#2b2b2b' 6 132 150 150 166 168 150)" \
    -fill none -stroke "#c0392b" -strokewidth 8 -draw "line 100,190 88,250" -draw "line 200,190 212,250"
start_card "$IMG/Maestra.bmp" "#e8f8f5" "#16a085" "MAESTRA" \
    -fill "#2e7d32" -stroke "#8d6e63" -strokewidth 8 -draw "rectangle 170,40 285,130" \
    -stroke none -fill white -font "$FONT_BOLD" -pointsize 34 -annotate +182+98 "2+3" \
    -fill "#6d4c41" -stroke "#4e342e" -strokewidth 4 -draw "circle 110,58 110,34" \
    -draw "ellipse 110,118 64,60 180,360" -draw "rectangle 46,118 174,170" \
    -fill "$SKIN" -stroke "$SKIN_DARK" -draw "rectangle 98,170 122,205" \
    -fill "#e91e63" -stroke "#ad1457" -draw "polygon 70,200 150,200 185,250 35,250" \
    -fill "$SKIN" -stroke "$SKIN_DARK" -draw "circle 110,128 110,76" \
    -fill none -stroke "#2b2b2b" -strokewidth 4 -draw "circle 90,126 90,140" -draw "circle 130,126 130,140" -draw "line 104,126 116,126" \
    -stroke none -fill "#2b2b2b" -draw "circle 90,127 90,132" -draw "circle 130,127 130,132" \
    -draw "$(curve '#c2185b' 6 94 156 110 168 126 156)"
start_card "$IMG/Guida.bmp" "#eaf2ff" "#2e6fd8" "GUIDA" \
    -fill "#ffffff" -stroke "#2e6fd8" -strokewidth 6 \
    -draw "polygon 150,80 60,60 60,210 150,230" -draw "polygon 150,80 240,60 240,210 150,230" \
    -stroke "#9bb8e8" -strokewidth 4 -draw "line 80,95 130,105" -draw "line 80,120 130,130" -draw "line 80,145 130,155" -draw "line 80,170 130,180" \
    -stroke none -fill "#e74c3c" -font "$FONT_BOLD" -pointsize 110 -annotate +168+190 "?"
start_card "$IMG/Lavori in corso.bmp" "#fdebd0" "#e67e22" "IN ARRIVO" \
    -fill "#7f8c8d" -stroke "#566573" -strokewidth 4 -draw "roundrectangle 70,215 230,240 8,8" \
    -fill "#ff7f0e" -stroke "#c0580a" -draw "polygon 150,40 205,218 95,218" \
    -stroke none -fill white -draw "polygon 132,100 168,100 180,140 120,140" -draw "polygon 113,165 187,165 197,198 103,198" \
    -fill "#ffd54f" -stroke "#b7950b" -strokewidth 3 -draw "polygon $(star_points 236 70 30 13)"
start_card "$IMG/Informazioni.bmp" "#f4ecf7" "#8e44ad" "INFO" \
    -fill "#9b59b6" -stroke "#6c3483" -strokewidth 6 -draw "circle 150,135 150,50" \
    -stroke none -fill white -draw "circle 150,95 150,80" -draw "roundrectangle 137,115 163,190 8,8"

# --- Backgrounds and fills ---------------------------------------------------
# Home page background, stretched over the page.
convert -size 840x525 gradient:"#9ad8ff"-"#f3fbff" \
    -fill "#ffe066" -stroke "#fcc419" -strokewidth 5 -draw "circle 740,80 740,40" \
    -stroke none -fill white \
    -draw "circle 120,90 120,60" -draw "circle 160,80 160,42" -draw "circle 200,95 200,68" -draw "roundrectangle 100,90 225,122 16,16" \
    -draw "circle 470,60 470,40" -draw "circle 500,52 500,26" -draw "circle 530,62 530,42" -draw "roundrectangle 455,60 548,82 12,12" \
    -fill "#8ce99a" -draw "ellipse 180,470 340,150 180,360" -draw "ellipse 700,480 300,140 180,360" \
    -fill "#69db7c" -draw "ellipse 450,520 480,110 180,360" \
    -fill "#51cf66" -draw "rectangle 0,470 840,525" \
    -fill "#8d6e63" -draw "rectangle 62,300 78,420" \
    -fill "#40c057" -draw "circle 70,280 70,220" -draw "circle 40,310 40,275" -draw "circle 100,310 100,275" \
    -fill "#ff6b6b" -draw "circle 30,300 30,292" -draw "circle 90,260 90,252" -draw "circle 108,318 108,310" \
    -fill "#fa5252" -draw "circle 250,492 250,484" -fill "#fcc419" -draw "circle 320,500 320,492" \
    -fill "#cc5de8" -draw "circle 560,488 560,480" -fill "#ff922b" -draw "circle 640,505 640,497" \
    -fill "#fa5252" -draw "circle 760,490 760,482" -fill "#fcc419" -draw "circle 150,505 150,497" \
    "$TMP/home.png"
to_bmp8 "$TMP/home.png" "$IMG/Sfondo Prato.bmp"

# Squared exercise-book paper, tiled under the steps of an exercise.
convert -size 32x32 xc:"#fffef7" -fill none -stroke "#cfe3f6" -strokewidth 1 \
    -draw "line 0,15 31,15" -draw "line 0,31 31,31" -draw "line 15,0 15,31" -draw "line 31,0 31,31" \
    "$TMP/paper.png"
to_bmp "$TMP/paper.png" "$IMG/Quaderno.bmp"

# Picture of the blank exercise model: a pencil writing a question mark.
convert -size 360x288 xc:white \
    -fill "#f8f9fa" -stroke "#adb5bd" -strokewidth 8 -draw "roundrectangle 4,4 355,283 28,28" \
    -stroke none -fill "#ced4da" -font "$FONT_BOLD" -pointsize 190 -annotate +70+230 "?" \
    -draw "$(pencil 250 150 35 '#fab005')" \
    -resize 180x144 "$TMP/nuovo.png"
to_bmp "$TMP/nuovo.png" "$IMG/Nuovo Problema.bmp"

# --- Exercise pictures and animations ----------------------------------------
draw_exercise_pictures "$IMG"
draw_animations "$IMG"

echo "pictures written to $IMG"
