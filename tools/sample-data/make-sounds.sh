#!/usr/bin/env bash
# Makes every sound of the sample installation into data/SOL_WAV: the event
# sounds W1..W7, the cockade bell and the home page music. All are 16-bit
# PCM WAV files, mono, 22050 Hz, with the plain 44-byte header.
# Needs sox and espeak-ng.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

need_tool sox sox
need_tool espeak-ng espeak-ng

mkdir -p "$WAV"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

RATE=22050
FORMAT=(-r "$RATE" -c 1 -b 16 -e signed-integer)

# Semitones from A4 (440 Hz), as sox writes them (%n).
declare -A NOTE=(
    [G2]=-26 [A2]=-24 [C3]=-21 [D3]=-19 [E3]=-17 [F2]=-28 [F3]=-16 [G3]=-14 [A3]=-12
    [E4]=-5 [G4]=-2 [A4]=0 [C5]=3 [D5]=5 [E5]=7 [F5]=8 [G5]=10 [A5]=12 [B5]=14 [C6]=15
    [E6]=19 [G6]=22 [A6]=24 [C7]=27
)

# A fresh file name; parts are made in subshells, so no counter can do.
tmpfile() { mktemp --suffix=.wav "$TMP/partXXXXXX"; }

# One plucked note that dies away within its length: pluck NOTE SECONDS [GAIN-DB]
pluck() {
    local f
    f=$(tmpfile)
    sox -R -n "${FORMAT[@]}" "$f" synth "$2" pluck "%${NOTE[$1]}" fade q 0.005 "$2" 0.06 gain "${3:--6}"
    echo "$f"
}

# A bell: a sine with a quieter octave, fading out: bell NOTE SECONDS [GAIN-DB]
bell() {
    local f
    f=$(tmpfile)
    sox -R -n "${FORMAT[@]}" "$f" synth "$2" sine "%${NOTE[$1]}" sine "%$((NOTE[$1] + 12))" \
        remix 1v0.75,2v0.25 fade q 0.004 "$2" "$2" gain "${3:--6}"
    echo "$f"
}

# A soft brass-like tone for the fanfare: horn NOTE SECONDS
horn() {
    local f
    f=$(tmpfile)
    sox -R -n "${FORMAT[@]}" "$f" synth "$2" sawtooth "%${NOTE[$1]}" lowpass 1800 \
        fade t 0.02 "$2" 0.05 gain -14
    echo "$f"
}

silence() {
    local f
    f=$(tmpfile)
    sox -R -n "${FORMAT[@]}" "$f" trim 0 "$1"
    echo "$f"
}

# Joins parts one after the other and writes the final file.
join_to() {
    local out=$1; shift
    sox -R "$@" "${FORMAT[@]}" "$out" norm -3
}

# W1, a right answer: a quick rising arpeggio.
join_to "$WAV/Bravo.wav" $(pluck C5 0.09) $(pluck E5 0.09) $(pluck G5 0.09) $(pluck C6 0.45)

# W2, a wrong answer: a soft "uh-oh" of two falling notes.
sox -R -n "${FORMAT[@]}" "$TMP/oh1.wav" synth 0.18 triangle "%${NOTE[G4]}" fade h 0.02 0.18 0.05 gain -8
sox -R -n "${FORMAT[@]}" "$TMP/oh2.wav" synth 0.38 triangle "%${NOTE[E4]}" fade h 0.02 0.38 0.2 gain -8
sox -R "$TMP/oh1.wav" "$(silence 0.05)" "$TMP/oh2.wav" "${FORMAT[@]}" "$WAV/Oops.wav" norm -6

# W3, moving on to the next step: a short whoosh.
sox -R -n "${FORMAT[@]}" "$TMP/noise.wav" synth 0.55 pinknoise band 1800 1200 fade h 0.25 0.55 0.28
sox -R -n "${FORMAT[@]}" "$TMP/sweep.wav" synth 0.55 sine 300-1400 fade h 0.25 0.55 0.28 gain -18
sox -R -m "$TMP/noise.wav" "$TMP/sweep.wav" "${FORMAT[@]}" "$WAV/Whoosh.wav" norm -6

# W4, help: a two-note chime.
sox -R -m "$(bell A5 1.1)" "|sox -R $(bell E6 0.9) -p pad 0.18" "${FORMAT[@]}" "$WAV/Aiuto.wav" norm -3

# W5, the exercise is solved: a fanfare over a final chord.
join_to "$TMP/fanfare.wav" $(horn G4 0.13) $(horn C5 0.13) $(horn E5 0.13) $(horn G5 0.26) $(horn E5 0.13) $(horn G5 0.7)
sox -R -m "$TMP/fanfare.wav" "|sox -R $(bell C6 0.9 -12) -p pad 0.81" "|sox -R $(bell E6 0.9 -14) -p pad 0.81" \
    "${FORMAT[@]}" "$WAV/Fanfara.wav" norm -3

# W6, leaving the exercise page: a falling arpeggio.
join_to "$WAV/Uscita.wav" $(pluck C6 0.09) $(pluck G5 0.09) $(pluck E5 0.09) $(pluck C5 0.4)

# W7, the program closes with nothing solved: a jingle and a spoken goodbye.
espeak-ng -v it -s 140 -p 60 -w "$TMP/voice.wav" "Ciao! Alla prossima!"
sox -R "$TMP/voice.wav" "${FORMAT[@]}" "$TMP/voice22.wav"
join_to "$WAV/Arrivederci.wav" $(pluck G5 0.1) $(pluck E5 0.1) $(pluck C6 0.3) "$(silence 0.1)" "$TMP/voice22.wav"

# The bell of the closing screen, one ring per solved exercise.
sox -R -m "$(bell G6 0.7 -6)" "$(bell C7 0.5 -16)" "${FORMAT[@]}" "$WAV/ding.wav" norm -3

# Home page music: a gentle tune of eight bars at 120 beats a minute that
# loops without a seam (it ends on the tonic and every note dies away in time).
melody="E5:1 G5:1 A5:1 G5:1  E5:1 C5:1 D5:2  E5:1 G5:1 A5:1 C6:1  B5:1 G5:1 A5:2
        A5:1 G5:1 E5:1 G5:1  F5:1 E5:1 D5:2  E5:1 D5:1 C5:1 D5:1  C5:4"
bass="C3:2 G3:2  A2:2 E3:2  F2:2 C3:2  G2:2 D3:2  A2:2 E3:2  D3:2 A3:2  G2:2 D3:2  C3:2 G2:2"
beat=0.5
voice() { # name gain notes...
    local name=$1 gain=$2 parts=() item note beats
    shift 2
    for item in "$@"; do
        note=${item%%:*}
        beats=${item##*:}
        parts+=("$(pluck "$note" "$(awk -v b="$beats" -v s="$beat" 'BEGIN { print b * s }')" "$gain")")
    done
    sox -R "${parts[@]}" "${FORMAT[@]}" "$TMP/$name.wav"
}
# shellcheck disable=SC2086
voice melody -8 $melody
# shellcheck disable=SC2086
voice bass -10 $bass
sox -R -n "${FORMAT[@]}" "$TMP/shimmer.wav" synth 16 sine "%${NOTE[C6]}" sine "%${NOTE[G5]}" remix 1,2 \
    tremolo 0.25 60 gain -34
sox -R -m "$TMP/melody.wav" "$TMP/bass.wav" "$TMP/shimmer.wav" "${FORMAT[@]}" "$WAV/Musica.wav" \
    lowpass 5000 norm -6

for f in "$WAV"/*.wav; do
    printf '%-40s %6.2f s\n' "${f#"$DATA"/}" "$(soxi -D "$f")"
done
