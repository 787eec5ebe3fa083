#!/usr/bin/env bash
# Writes the INI files of the sample installation into data/SOL_INI: the
# global settings file, the three exercise files, the blank exercise model and
# the skin. UTF-8 without byte-order mark, CRLF line ends, stored paths
# written the Windows way.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$HERE/exercises.sh"

mkdir -p "$INI"

OUT=
begin_file() { OUT=$1; : > "$OUT"; }
line() { printf '%s\r\n' "$1" >> "$OUT"; }
key() { line "$1=$2"; }
section() {
    [ -s "$OUT" ] && line ""
    line "[$1]"
}

FONT="Comic Sans MS"
NAVY=$(wincolour "#1b2a4a")
WHITE=$(wincolour "#ffffff")

# A component property record. The kind is "strip" or "panel" (they list the
# font name at different places); the look comes from these variables, set by
# the caller for the one call: caption align colour size style top left width
# height brush tile fstyle image.
record() {
    local kind=$1 p=$2
    key "$p.Name" "####"
    key "$p.Caption" "${caption:-}"
    key "$p.Alignment" "${align:-3}"
    [ "$kind" = strip ] && key "$p.Font.Name" "$FONT"
    key "$p.Font.CharSet" 0
    key "$p.Font.Color" "${colour:-$NAVY}"
    key "$p.Font.Size" "${size:-24}"
    key "$p.Font.Style" "${style:-0}"
    [ "$kind" = panel ] && key "$p.Font.Name" "$FONT"
    key "$p.Top" "$top"
    key "$p.Left" "$left"
    key "$p.Width" "$width"
    key "$p.Height" "$height"
    key "$p.FillObject.Alignment" 4
    key "$p.FillObject.Brush.Color" "$brush"
    key "$p.FillObject.OffsetX" 0
    key "$p.FillObject.OffsetY" 0
    key "$p.FillObject.TileMode" "${tile:-0}"
    key "$p.FillObject.Style" "${fstyle:-2}"
    key "$p.FillObject.Image" "${image:-}"
}

# Looks shared by every sheet; the sheet's colours come from THEME_*.
common_area() { # header caption
    section COMMONAREA
    caption="$1" align=3 colour=$WHITE size=26 style=1 top=0 left=0 width=3360 height=64 \
        brush=$(wincolour "$THEME_ACCENT") record strip LMD_LABEL
    caption="" align=4 colour=$WHITE size=28 style=1 top=10 left=40 width=3000 height=100 \
        brush=$(wincolour "$THEME_DARK") record panel LMDmessg
    caption="" align=4 top=0 left=40 width=2800 height=1400 brush=$(wincolour "#fffef7") \
        tile=3 fstyle=3 image='SOL_IMG\Quaderno.bmp' record panel LMDFill0
    key GIF1 'SOL_IMG\Pollice.gif'
    key GIF2 'SOL_IMG\Riprova.gif'
    key GIF3 'SOL_IMG\Coriandoli.gif'
    key GIF4 'SOL_IMG\Stella.gif'
    key GIF5 'SOL_IMG\Omino.gif'
    key GIF6 'SOL_IMG\Palla.gif'
    section GIFtop
    key Left 2480
    key Top 40
}

# The problem band and the problem text of one exercise.
problem_band() { # text picture
    caption="" align=4 top=110 left=40 width=2800 height=440 brush=$(wincolour "$THEME_BAND") \
        record panel LMDtestp
    caption="$1" align=3 size=30 top=30 left=560 width=1860 height=380 brush=$(wincolour "#fffdf5") \
        record strip LMDtesto
    key LMDImage.Left 60
    key LMDImage.Top 30
    key LMDImage.Width 180
    key LMDImage.Height 144
    key LMDImage.imgName "$2"
}

section_band() { # number caption
    caption="$2" align=3 size=26 style=1 top=0 left=0 width=2800 height=56 \
        brush=$(wincolour "$THEME_SECTION") record strip "SEZIONE$1"
}

question_group() { # step options
    key "E$1" "$2"
    key "E$1.Font.Name" "$FONT"
    key "E$1.Font.CharSet" 0
    key "E$1.Font.Color" "$NAVY"
    key "E$1.Font.Size" 28
    key "E$1.Font.Style" 0
}

# --- Exercise files ----------------------------------------------------------
# Each exercise is a bash function in exercises.sh that sets TEXT, PICTURE,
# the question groups Q[step], the expected formulas R[formula], the help and
# error hints HLP/ERR (one per step, "|" between them) and GEN.
write_sheet() { # file header section-captions... -- exercise-functions...
    local file=$1 header=$2 captions=() n=0 i
    shift 2
    while [ "$1" != "--" ]; do captions+=("$1"); shift; done
    shift
    begin_file "$file"
    common_area "$header"
    for exercise in "$@"; do
        TEXT="" PICTURE="" HLP="" ERR="" GEN=""
        Q=() R=()
        "$exercise"
        section "$n"
        problem_band "$TEXT" "$PICTURE"
        for i in "${!captions[@]}"; do section_band "$i" "${captions[$i]}"; done
        for i in "${!Q[@]}"; do question_group "$i" "${Q[$i]}"; done
        for i in "${!R[@]}"; do key "R$i" "${R[$i]}"; done
        key MSG_HLP "$HLP"
        key MSG_ERR "$ERR"
        key HELP_GEN "$GEN"
        n=$((n + 1))
    done
}

THEME_ACCENT="#f76707" THEME_DARK="#d9480f" THEME_BAND="#fff3bf" THEME_SECTION="#ffd8a8"
write_sheet "$INI/Tipo0.INI" "SCHEDA 1 - Addizioni e sottrazioni" \
    "1 - LEGGO E CAPISCO: scegli la frase giusta" \
    "2 - CALCOLO: scrivi i numeri, scegli il segno e scrivi il risultato" \
    -- add_stickers sub_apples add_marbles sub_bus add_books sub_ball

THEME_ACCENT="#1c7ed6" THEME_DARK="#1864ab" THEME_BAND="#d0ebff" THEME_SECTION="#a5d8ff"
write_sheet "$INI/Tipo1.INI" "SCHEDA 2 - Moltiplicazioni e divisioni" \
    "1 - LEGGO E CAPISCO: scegli la frase giusta" \
    "2 - CALCOLO: due operazioni, una dopo l'altra" \
    -- mul_chocolates div_pencils div_eggs mul_notebooks mul_tulips div_balloons

THEME_ACCENT="#2f9e44" THEME_DARK="#2b8a3e" THEME_BAND="#d3f9d8" THEME_SECTION="#b2f2bb"
write_sheet "$INI/Tipo2.INI" "SCHEDA 3 - Equivalenze: lunghezze, masse e capacità" \
    "1 - CHE COSA MISURO?" \
    "2 - TRASFORMO: scrivi numero e unità di misura (esempio: 1 m = 10 dm)" \
    -- len_rope len_path mass_potatoes mass_cat cap_bottle cap_bucket

# --- Blank exercise model ------------------------------------------------------
THEME_ACCENT="#7950f2" THEME_DARK="#6741d9" THEME_BAND="#f3f0ff" THEME_SECTION="#e5dbff"
begin_file "$INI/TipoX.INI"
common_area "NUOVA SCHEDA"
section 0
problem_band "Scrivi qui il testo del problema." 'SOL_IMG\Nuovo Problema.bmp'
for i in 0 1 2 3; do section_band "$i" ""; done
key MSG_HLP "?"
key MSG_ERR "?"
key HELP_GEN "?"

# --- Global settings file ------------------------------------------------------
begin_file "$INI/GLOBAL.INI"
section COMMONAREA
key INI_FILE0 'SOL_INI\Tipo0.INI'
key MAX0 6
key SHEET_0 '|CC|F'
key SHEET_0_EXP_0 'AoB=X'
key INI_FILE1 'SOL_INI\Tipo1.INI'
key MAX1 6
key SHEET_1 '|CC|F'
key SHEET_1_EXP_0 'AoBoC=X'
key INI_FILE2 'SOL_INI\Tipo2.INI'
key MAX2 6
key SHEET_2 '|C|EE'
key SHEET_2_EXP_0 'Yo?Xo'
key SHEET_2_EXP_1 'Yo?Xo'
key W1 'SOL_WAV\Bravo.wav'
key W2 'SOL_WAV\Oops.wav'
key W3 'SOL_WAV\Whoosh.wav'
key W4 'SOL_WAV\Aiuto.wav'
key W5 'SOL_WAV\Fanfara.wav'
key W6 'SOL_WAV\Uscita.wav'
key W7 'SOL_WAV\Arrivederci.wav'
section SKIN
key FileName 'SOL_INI\SKIN.INI'
section LMDFill15
caption="Clicca sul numero di un esercizio" align=3 colour=$WHITE size=26 style=1 \
    top=62 left=18 width=1100 height=56 brush=$(wincolour "#5c7cfa") record strip LMDFill15

# --- Skin of the home page -------------------------------------------------------
begin_file "$INI/SKIN.INI"
section COMMONAREA
key FISCHIO SI
section MUSICA
key W6 'SOL_WAV\Musica.wav'
key W6_ON_OFF ON
section LMDsfondoUnit1
caption="" align=4 top=204 left=0 width=3360 height=1896 brush=$(wincolour "#e7f5ff") \
    tile=2 fstyle=3 image='SOL_IMG\Sfondo Prato.bmp' record panel LMDsfondoUnit1
section LMDFill1
caption="Solvaro" align=4 colour=$WHITE size=40 style=1 top=0 left=130 width=400 height=132 \
    brush=$(wincolour "#1c7ed6") record strip LMDFill1
section LMDFill2
caption="Scrivi il tuo nome qui sopra, poi clicca sul numero di una scheda per cominciare!" \
    align=4 size=26 style=1 top=132 left=0 width=3360 height=72 brush=$(wincolour "#ffe066") \
    record strip LMDFill2
section LMDFill3
caption="LE SCHEDE||01   Addizioni e sottrazioni|02   Moltiplicazioni e divisioni|03   Equivalenze: lunghezze, masse e capacità" \
    align=4 size=30 style=1 top=180 left=200 width=1300 height=440 brush=$(wincolour "#fff9db") \
    record strip LMDFill3
section LMDFill4
caption="COME SI FA||1. Scrivi il tuo nome in alto.|2. Clicca sul numero di una scheda.|3. Leggi il problema e rispondi un passo alla volta.|4. Premi OK per controllare la risposta.|Se hai un dubbio, chiedi aiuto con il pulsante accanto a OK!" \
    align=4 size=28 top=180 left=1600 width=1200 height=520 brush=$(wincolour "#e7f5ff") \
    record strip LMDFill4
section LMDFill5
caption="Scegli la scheda" align=4 colour=$WHITE size=26 style=1 top=62 left=18 width=644 height=60 \
    brush=$(wincolour "#f76707") record strip LMDFill5

# Animated pictures walking their paths (design space; DX in pixels a tick,
# its sign heading from the start to the end of the path).
animated_picture() { # section file left top width height x1 y1 x2 y2 dx
    section "$1"
    key FileName "$2"
    key left "$3"
    key top "$4"
    key width "$5"
    key height "$6"
    key X1 "$7"
    key Y1 "$8"
    key X2 "$9"
    key Y2 "${10}"
    key DX "${11}"
}
animated_picture ani100 'SOL_IMG\Omino.gif' 100 1400 180 240 100 1400 3000 1400 8
animated_picture ani101 'SOL_IMG\Palloncino.gif' 2950 1500 160 260 2950 1500 2950 100 -5
animated_picture ani102 'SOL_IMG\Farfalla.gif' 300 1250 200 180 300 1250 2600 950 7

echo "INI files written to $INI"
