# The exercises of the sample sheets, as Italian primary schools write them.
# Each function sets: TEXT (problem, "|" = line break), PICTURE, Q[step]
# (options of a question group, the right one first), R[formula] (expected
# formula: "12+7", or "3 m = 30 dm" for an equivalence), HLP and ERR (one hint
# per step, "|" between them) and GEN (general help, "|" = line break).
# Sourced by make-ini.sh.

# --- Sheet 1: additions and subtractions (steps C, C, F "AoB=X") -------------

add_stickers() {
    TEXT="Luca ha 12 figurine e ne compra altre 7.|Quante figurine ha ora Luca?"
    PICTURE='SOL_IMG\Figurine.bmp'
    Q[0]="Devo trovare quante figurine ha ora Luca|Devo trovare quante figurine ha comprato Luca|Devo trovare quante figurine aveva prima Luca"
    Q[1]="Le figurine aumentano: faccio un'addizione|Le figurine diminuiscono: faccio una sottrazione|Le figurine si dividono: faccio una divisione"
    R[0]="12+7"
    HLP="Leggi l'ultima frase del problema: lì c'è la domanda.|Luca compra altre figurine: ora ne ha di più o di meno?|Metti insieme le figurine di prima e quelle nuove: 12 + 7."
    ERR="Non è questa la domanda. Rileggi l'ultima frase del testo.|Attenzione: se Luca compra figurine, ne ha di più!|Controlla i numeri, il segno + e il risultato."
    GEN="Leggi con attenzione il testo.|Dati: 12 figurine, 7 figurine.|Domanda: quante figurine ha ora Luca?"
}

sub_apples() {
    TEXT="Nel cesto ci sono 15 mele. La nonna ne prende 6 per fare una torta.|Quante mele restano nel cesto?"
    PICTURE='SOL_IMG\Mele.bmp'
    Q[0]="Devo trovare quante mele restano nel cesto|Devo trovare quante mele usa la nonna|Devo trovare quante torte fa la nonna"
    Q[1]="Le mele diminuiscono: faccio una sottrazione|Le mele aumentano: faccio un'addizione|Le mele si ripetono: faccio una moltiplicazione"
    R[0]="15-6"
    HLP="La domanda è nell'ultima frase: che cosa chiede?|La nonna prende delle mele: nel cesto ce ne sono di più o di meno?|Dalle 15 mele togli le 6 della torta: 15 - 6."
    ERR="Non è questa la domanda. Rileggi bene l'ultima frase.|Attenzione: se la nonna prende le mele, nel cesto ne restano di meno!|Nella sottrazione scrivi prima il numero più grande: 15 - 6."
    GEN="Dati: 15 mele nel cesto, 6 mele per la torta.|Domanda: quante mele restano nel cesto?"
}

add_marbles() {
    TEXT="Sara ha 24 biglie rosse e 18 biglie blu.|Quante biglie ha in tutto?"
    PICTURE='SOL_IMG\Biglie.bmp'
    Q[0]="Devo trovare quante biglie ha Sara in tutto|Devo trovare quante biglie rosse ha Sara|Devo trovare quante biglie blu ha Sara"
    Q[1]="Metto insieme le biglie: faccio un'addizione|Tolgo delle biglie: faccio una sottrazione|Divido le biglie: faccio una divisione"
    R[0]="24+18"
    HLP="«In tutto» vuol dire che devi contare tutte le biglie.|Le biglie rosse e quelle blu vanno messe insieme.|Somma le biglie rosse e quelle blu: 24 + 18."
    ERR="Non è questa la domanda: rileggi le parole «in tutto».|Per sapere quante sono in tutto devi metterle insieme: è un'addizione.|Ricontrolla il calcolo di 24 + 18: attento al riporto!"
    GEN="Dati: 24 biglie rosse, 18 biglie blu.|Domanda: quante biglie ha Sara in tutto?"
}

sub_bus() {
    TEXT="Sull'autobus ci sono 35 bambini. Alla prima fermata ne scendono 12.|Quanti bambini restano sull'autobus?"
    PICTURE='SOL_IMG\Autobus.bmp'
    Q[0]="Devo trovare quanti bambini restano sull'autobus|Devo trovare quanti bambini scendono|Devo trovare quante fermate fa l'autobus"
    Q[1]="I bambini diminuiscono: faccio una sottrazione|I bambini aumentano: faccio un'addizione|I bambini raddoppiano: faccio una moltiplicazione"
    R[0]="35-12"
    HLP="Rileggi la domanda: chi resta sull'autobus?|Se qualcuno scende, sull'autobus restano meno bambini.|Dai 35 bambini togli i 12 che scendono: 35 - 12."
    ERR="Non è questa la domanda. La domanda è nell'ultima frase.|Attenzione: i bambini scendono, quindi diminuiscono!|Controlla: prima 35, poi il segno -, poi 12."
    GEN="Dati: 35 bambini sull'autobus, 12 scendono.|Domanda: quanti bambini restano?"
}

add_books() {
    TEXT="In biblioteca ci sono 48 libri di fiabe e 27 libri sugli animali.|Quanti libri ci sono in tutto?"
    PICTURE='SOL_IMG\Libri.bmp'
    Q[0]="Devo trovare quanti libri ci sono in tutto|Devo trovare quanti libri di fiabe ci sono|Devo trovare quanti libri sugli animali mancano"
    Q[1]="Metto insieme i libri: faccio un'addizione|Tolgo dei libri: faccio una sottrazione|Divido i libri: faccio una divisione"
    R[0]="48+27"
    HLP="«In tutto» vuol dire contare tutti i libri insieme.|Libri di fiabe e libri sugli animali: li metto insieme.|Somma: 48 + 27. Ricorda il riporto!"
    ERR="Non è questa la domanda: cerca le parole «in tutto».|Per contare tutti i libri devo fare un'addizione.|Ricontrolla il calcolo: 8 + 7 fa 15, scrivo 5 e riporto 1."
    GEN="Dati: 48 libri di fiabe, 27 libri sugli animali.|Domanda: quanti libri in tutto?"
}

sub_ball() {
    TEXT="Marco ha 50 euro. Compra un pallone che costa 18 euro.|Quanti euro gli restano?"
    PICTURE='SOL_IMG\Pallone.bmp'
    Q[0]="Devo trovare quanti euro restano a Marco|Devo trovare quanto costa il pallone|Devo trovare quanti palloni compra Marco"
    Q[1]="Marco spende: faccio una sottrazione|Marco guadagna: faccio un'addizione|Marco divide: faccio una divisione"
    R[0]="50-18"
    HLP="La domanda chiede quanti euro RESTANO a Marco.|Quando si spende, i soldi diminuiscono.|Dai 50 euro togli i 18 del pallone: 50 - 18."
    ERR="Non è questa la domanda. Rileggi l'ultima frase.|Attenzione: chi compra spende, e i soldi diventano di meno!|Controlla il calcolo di 50 - 18: ricorda il prestito."
    GEN="Dati: 50 euro, il pallone costa 18 euro.|Domanda: quanti euro restano a Marco?"
}

# --- Sheet 2: multiplications and divisions (steps C, C, F "AoBoC=X") --------

mul_chocolates() {
    TEXT="In una scatola ci sono 4 file da 6 cioccolatini. La mamma ne mangia 5.|Quanti cioccolatini restano nella scatola?"
    PICTURE='SOL_IMG\Cioccolatini.bmp'
    Q[0]="Devo trovare quanti cioccolatini restano nella scatola|Devo trovare quanti cioccolatini mangia la mamma|Devo trovare quante file ci sono nella scatola"
    Q[1]="Prima moltiplico, poi sottraggo|Prima sommo, poi divido|Prima divido, poi moltiplico"
    R[0]="4*6-5"
    HLP="La domanda chiede quanti cioccolatini RESTANO.|Prima conta tutti i cioccolatini (4 file da 6), poi togli quelli mangiati.|Scrivi 4 × 6 - 5: la moltiplicazione si fa per prima."
    ERR="Non è questa la domanda. Rileggi l'ultima frase.|4 file da 6 sono una moltiplicazione; la mamma ne mangia: è una sottrazione.|Controlla: 4 × 6 = 24, poi 24 - 5."
    GEN="Dati: 4 file, 6 cioccolatini per fila, 5 mangiati.|Domanda: quanti cioccolatini restano?"
}

div_pencils() {
    TEXT="La maestra compra 3 pacchi da 12 matite e le divide in parti uguali fra 9 bambini.|Quante matite riceve ogni bambino?"
    PICTURE='SOL_IMG\Matite.bmp'
    Q[0]="Devo trovare quante matite riceve ogni bambino|Devo trovare quanti pacchi compra la maestra|Devo trovare quanti bambini ci sono"
    Q[1]="Prima moltiplico, poi divido|Prima sommo, poi sottraggo|Prima divido, poi sommo"
    R[0]="3*12/9"
    HLP="La domanda chiede quante matite per OGNI bambino.|Prima conta tutte le matite (3 pacchi da 12), poi dividile fra 9 bambini.|Scrivi 3 × 12 : 9."
    ERR="Non è questa la domanda. Rileggi l'ultima frase.|3 pacchi da 12 è una moltiplicazione; «in parti uguali» è una divisione.|Controlla: 3 × 12 = 36, poi 36 : 9."
    GEN="Dati: 3 pacchi, 12 matite per pacco, 9 bambini.|Domanda: quante matite per ogni bambino?"
}

div_eggs() {
    TEXT="Un contadino raccoglie 36 uova e le mette in contenitori da 6. Poi vende 2 contenitori.|Quanti contenitori gli restano?"
    PICTURE='SOL_IMG\Uova.bmp'
    Q[0]="Devo trovare quanti contenitori restano al contadino|Devo trovare quante uova raccoglie il contadino|Devo trovare quante galline ha il contadino"
    Q[1]="Prima divido, poi sottraggo|Prima moltiplico, poi sommo|Prima sottraggo, poi moltiplico"
    R[0]="36/6-2"
    HLP="La domanda parla di contenitori, non di uova.|Prima trova quanti contenitori riempie (36 uova a gruppi di 6), poi togli quelli venduti.|Scrivi 36 : 6 - 2."
    ERR="Non è questa la domanda. Rileggi l'ultima frase.|Mettere 36 uova in gruppi da 6 è una divisione; vendere è una sottrazione.|Controlla: 36 : 6 = 6, poi 6 - 2."
    GEN="Dati: 36 uova, 6 uova per contenitore, 2 contenitori venduti.|Domanda: quanti contenitori restano?"
}

mul_notebooks() {
    TEXT="Giulia compra 5 quaderni da 3 euro l'uno e un astuccio da 8 euro.|Quanto spende in tutto?"
    PICTURE='SOL_IMG\Quaderni.bmp'
    Q[0]="Devo trovare quanto spende Giulia in tutto|Devo trovare quanto costa un quaderno|Devo trovare quanti quaderni compra Giulia"
    Q[1]="Prima moltiplico, poi sommo|Prima sommo, poi divido|Prima sottraggo, poi moltiplico"
    R[0]="5*3+8"
    HLP="«In tutto»: conta i quaderni e anche l'astuccio.|5 quaderni da 3 euro: moltiplica; poi aggiungi l'astuccio.|Scrivi 5 × 3 + 8."
    ERR="Non è questa la domanda: cerca le parole «in tutto».|Lo stesso prezzo ripetuto 5 volte è una moltiplicazione, poi si aggiunge.|Controlla: 5 × 3 = 15, poi 15 + 8."
    GEN="Dati: 5 quaderni, 3 euro l'uno, un astuccio da 8 euro.|Domanda: quanto spende Giulia in tutto?"
}

mul_tulips() {
    TEXT="In un giardino ci sono 7 file da 8 tulipani. Il giardiniere ne pianta altri 9.|Quanti tulipani ci sono ora nel giardino?"
    PICTURE='SOL_IMG\Tulipani.bmp'
    Q[0]="Devo trovare quanti tulipani ci sono ora|Devo trovare quante file ci sono|Devo trovare quanti tulipani pianta il giardiniere"
    Q[1]="Prima moltiplico, poi sommo|Prima divido, poi sottraggo|Prima sommo, poi divido"
    R[0]="7*8+9"
    HLP="La domanda chiede tutti i tulipani di ORA.|Conta i tulipani delle file (7 file da 8), poi aggiungi quelli nuovi.|Scrivi 7 × 8 + 9."
    ERR="Non è questa la domanda. Rileggi l'ultima frase.|7 file da 8 è una moltiplicazione; piantarne altri è un'addizione.|Controlla: 7 × 8 = 56, poi 56 + 9."
    GEN="Dati: 7 file, 8 tulipani per fila, 9 tulipani nuovi.|Domanda: quanti tulipani ci sono ora?"
}

div_balloons() {
    TEXT="Per la festa ci sono 40 palloncini da dividere in parti uguali su 8 tavoli. Su ogni tavolo ne scoppiano 2.|Quanti palloncini restano su ogni tavolo?"
    PICTURE='SOL_IMG\Palloncini.bmp'
    Q[0]="Devo trovare quanti palloncini restano su ogni tavolo|Devo trovare quanti tavoli ci sono|Devo trovare quanti palloncini scoppiano in tutto"
    Q[1]="Prima divido, poi sottraggo|Prima moltiplico, poi sommo|Prima sommo, poi moltiplico"
    R[0]="40/8-2"
    HLP="La domanda chiede i palloncini di OGNI tavolo.|Dividi i 40 palloncini fra 8 tavoli, poi togli quelli scoppiati.|Scrivi 40 : 8 - 2."
    ERR="Non è questa la domanda. Rileggi l'ultima frase.|«In parti uguali» è una divisione; scoppiare è una sottrazione.|Controlla: 40 : 8 = 5, poi 5 - 2."
    GEN="Dati: 40 palloncini, 8 tavoli, 2 scoppiano su ogni tavolo.|Domanda: quanti palloncini restano su ogni tavolo?"
}

# --- Sheet 3: equivalences (steps C, E "Yo?Xo", E "Yo?Xo") ----------------------

LENGTH_SCALE="Scala delle lunghezze: km  hm  dam  m  dm  cm  mm.|Ogni passo verso destra: moltiplica per 10."
MASS_SCALE="Scala delle masse: kg  hg  dag  g  dg  cg  mg.|Ogni passo verso destra: moltiplica per 10."
CAPACITY_SCALE="Scala delle capacità: hl  dal  l  dl  cl  ml.|Ogni passo verso destra: moltiplica per 10."

len_rope() {
    TEXT="La corda per saltare di Anna è lunga 3 m.|Quanti decimetri sono? E quanti centimetri?"
    PICTURE='SOL_IMG\Corda.jpg'
    Q[0]="Misuro una lunghezza: l'unità è il metro|Misuro una massa: l'unità è il grammo|Misuro una capacità: l'unità è il litro"
    R[0]="3 m = 30 dm"
    R[1]="3 m = 300 cm"
    HLP="Una corda si misura con il metro: è una lunghezza.|1 m = 10 dm: moltiplica per 10.|1 m = 100 cm: moltiplica per 100."
    ERR="Una corda non si pesa e non si riempie: si misura quanto è lunga.|Da m a dm c'è un passo: moltiplica per 10. Poi scrivi l'unità dm.|Da m a cm ci sono due passi: moltiplica per 100. Poi scrivi l'unità cm."
    GEN=$LENGTH_SCALE
}

len_path() {
    TEXT="Il sentiero per il rifugio è lungo 2 km.|Quanti metri cammina Paolo? E quanti decametri?"
    PICTURE='SOL_IMG\Sentiero.jpg'
    Q[0]="Misuro una lunghezza: l'unità è il metro|Misuro una capacità: l'unità è il litro|Misuro una massa: l'unità è il grammo"
    R[0]="2 km = 2000 m"
    R[1]="2 km = 200 dam"
    HLP="La lunghezza di una strada si misura in metri e chilometri.|1 km = 1000 m: moltiplica per 1000.|1 km = 100 dam: moltiplica per 100."
    ERR="Un sentiero non si pesa: si misura quanto è lungo.|Da km a m ci sono tre passi: × 1000.|Da km a dam ci sono due passi: × 100. L'unità si scrive dam."
    GEN=$LENGTH_SCALE
}

mass_potatoes() {
    TEXT="La mamma compra un sacco di patate da 4 kg.|Quanti ettogrammi sono? E quanti grammi?"
    PICTURE='SOL_IMG\Patate.jpg'
    Q[0]="Misuro una massa: l'unità è il grammo|Misuro una lunghezza: l'unità è il metro|Misuro una capacità: l'unità è il litro"
    R[0]="4 kg = 40 hg"
    R[1]="4 kg = 4000 g"
    HLP="Le patate si pesano: è una massa.|1 kg = 10 hg: moltiplica per 10.|1 kg = 1000 g: moltiplica per 1000."
    ERR="Le patate si mettono sulla bilancia: misuro la massa.|Da kg a hg c'è un passo: × 10. L'unità si scrive hg.|Da kg a g ci sono tre passi: × 1000."
    GEN=$MASS_SCALE
}

mass_cat() {
    TEXT="Il gatto Fufi pesa 5 kg.|Quanti ettogrammi pesa? E quanti decagrammi?"
    PICTURE='SOL_IMG\Gatto.jpg'
    Q[0]="Misuro una massa: l'unità è il grammo|Misuro una capacità: l'unità è il litro|Misuro una lunghezza: l'unità è il metro"
    R[0]="5 kg = 50 hg"
    R[1]="5 kg = 500 dag"
    HLP="Fufi sale sulla bilancia: misuro la massa.|1 kg = 10 hg: moltiplica per 10.|1 kg = 100 dag: moltiplica per 100."
    ERR="Quando si pesa qualcosa si misura la massa.|Da kg a hg c'è un passo: × 10.|Da kg a dag ci sono due passi: × 100. L'unità si scrive dag."
    GEN=$MASS_SCALE
}

cap_bottle() {
    TEXT="Il papà compra una bottiglia d'acqua da 2 l.|Quanti decilitri contiene? E quanti centilitri?"
    PICTURE='SOL_IMG\Bottiglia.jpg'
    Q[0]="Misuro una capacità: l'unità è il litro|Misuro una massa: l'unità è il grammo|Misuro una lunghezza: l'unità è il metro"
    R[0]="2 l = 20 dl"
    R[1]="2 l = 200 cl"
    HLP="Quanta acqua ci sta nella bottiglia? È una capacità.|1 l = 10 dl: moltiplica per 10.|1 l = 100 cl: moltiplica per 100."
    ERR="Quello che un recipiente può contenere è la sua capacità.|Da l a dl c'è un passo: × 10.|Da l a cl ci sono due passi: × 100."
    GEN=$CAPACITY_SCALE
}

cap_bucket() {
    TEXT="Il secchio di Tommaso contiene 8 l d'acqua.|Quanti decilitri sono? E quanti millilitri?"
    PICTURE='SOL_IMG\Secchio.jpg'
    Q[0]="Misuro una capacità: l'unità è il litro|Misuro una lunghezza: l'unità è il metro|Misuro una massa: l'unità è il grammo"
    R[0]="8 l = 80 dl"
    R[1]="8 l = 8000 ml"
    HLP="Il secchio contiene acqua: misuro la capacità.|1 l = 10 dl: moltiplica per 10.|1 l = 1000 ml: moltiplica per 1000."
    ERR="Quello che un recipiente può contenere è la sua capacità.|Da l a dl c'è un passo: × 10.|Da l a ml ci sono tre passi: × 1000."
    GEN=$CAPACITY_SCALE
}
