<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Pictures</name>
    <message>
        <source>JPG image format not supported</source>
        <translation>Formato di immagine JPG non supportato</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Op.%1</source>
        <translation>Seg.%1</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Num.%1</source>
        <translation>Numero %1</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Errore nel file</translation>
    </message>
    <message>
        <source>ERRORS %1</source>
        <translation>ERRORI %1</translation>
    </message>
    <message>
        <source>This step cannot be answered (%1). Press OK to go on.</source>
        <translation>A questo passo non si può rispondere (%1). Premi OK per andare avanti.</translation>
    </message>
</context>
<context>
    <name>solvaro::TForm0</name>
    <message>
        <source>Word problems to solve step by step, for pupils and their teachers.</source>
        <translation>Problemi da risolvere passo dopo passo, per gli alunni e i loro insegnanti.</translation>
    </message>
    <message>
        <source>Built with Qt and the Independent JPEG Group&apos;s decoder.</source>
        <translation>Realizzato con Qt e il decodificatore dell&apos;Independent JPEG Group.</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Alunno</translation>
    </message>
    <message>
        <source>Start practising</source>
        <translation>Inizia a esercitarti</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Insegnante</translation>
    </message>
    <message>
        <source>The teacher&apos;s editing mode, with the access code</source>
        <translation>La modalità di modifica dell&apos;insegnante, con il codice di accesso</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Opens the guide</source>
        <translation>Apre la guida</translation>
    </message>
    <message>
        <source>Work in progress</source>
        <translation>Lavori in corso</translation>
    </message>
    <message>
        <source>About Solvaro</source>
        <translation>Informazioni su Solvaro</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>UNDER COSTRUCTION</source>
        <translation>LAVORI IN CORSO</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Codice di accesso:</translation>
    </message>
    <message>
        <source>Not Autorized</source>
        <translation>Non autorizzato</translation>
    </message>
    <message>
        <source>This computer has no program that shows PDF documents, so the help cannot be opened. The help is the document %1.</source>
        <translation>Su questo computer non c&apos;è un programma che mostri i documenti PDF, quindi la guida non si può aprire. La guida è il documento %1.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Back to the sheets</source>
        <translation>Torna alle schede</translation>
    </message>
    <message>
        <source>Opens work saved in a file</source>
        <translation>Apre un lavoro salvato in un file</translation>
    </message>
    <message>
        <source>Saves the work in a file</source>
        <translation>Salva il lavoro in un file</translation>
    </message>
    <message>
        <source>Prints the results of the exercise</source>
        <translation>Stampa i risultati dell&apos;esercizio</translation>
    </message>
    <message>
        <source>Shows the help of the exercise</source>
        <translation>Mostra l&apos;aiuto dell&apos;esercizio</translation>
    </message>
    <message>
        <source>Opens the volume control</source>
        <translation>Apre il controllo del volume</translation>
    </message>
    <message>
        <source>Shows the solution (F4)</source>
        <translation>Mostra la soluzione (F4)</translation>
    </message>
    <message>
        <source>Takes up the saved work of this exercise again</source>
        <translation>Riprende il lavoro salvato di questo esercizio</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Choose an exercise with the arrow keys</source>
        <translation>Scegli un esercizio con i tasti freccia</translation>
    </message>
    <message>
        <source>This computer has no volume control program. Any of these would do: %1.</source>
        <translation>Su questo computer non c&apos;è un programma per il volume. Ne basterebbe uno di questi: %1.</translation>
    </message>
</context>
<context>
    <name>solvaro::TForm1</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Torna all&apos;inizio</translation>
    </message>
    <message>
        <source>Hello!</source>
        <translation>Ciao!</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Type your name, then press Enter to choose a sheet</source>
        <translation>Scrivi il tuo nome, poi premi Invio per scegliere una scheda</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Choose a sheet with the arrow keys, then press Enter to open it</source>
        <translation>Scegli una scheda con i tasti freccia, poi premi Invio per aprirla</translation>
    </message>
    <message>
        <source>Insert your name please.</source>
        <translation>Scrivi il tuo nome, per favore.</translation>
    </message>
</context>
<context>
    <name>solvaro::TFormP3</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>SHEET %1</source>
        <translation>SCHEDA %1</translation>
    </message>
    <message>
        <source>EXERCISE %1/%2</source>
        <translation>ESERCIZIO %1/%2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Leggi ad alta voce</translation>
    </message>
    <message>
        <source>Reads the problem aloud</source>
        <translation>Legge il problema ad alta voce</translation>
    </message>
    <message>
        <source>Reads the hint aloud</source>
        <translation>Legge il suggerimento ad alta voce</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Picture of the problem</source>
        <translation>Immagine del problema</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Choose the right answer with the arrow keys, then press Enter</source>
        <translation>Scegli la risposta giusta con i tasti freccia, poi premi Invio</translation>
    </message>
    <message>
        <source>Shows a hint for this step (F3)</source>
        <translation>Mostra un suggerimento per questo passo (F3)</translation>
    </message>
    <message>
        <source>Checks the answer (Enter)</source>
        <translation>Controlla la risposta (Invio)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>Type the operation: + - X or :, then press Enter</source>
        <translation>Scrivi l&apos;operazione: + - X oppure :, poi premi Invio</translation>
    </message>
    <message>
        <source>Type the unit, then press Enter</source>
        <translation>Scrivi l&apos;unità di misura, poi premi Invio</translation>
    </message>
    <message>
        <source>Type the number, then press Enter</source>
        <translation>Scrivi il numero, poi premi Invio</translation>
    </message>
    <message>
        <source>Smiley of step %1</source>
        <translation>Faccina del passo %1</translation>
    </message>
    <message>
        <source>Solved by showing the solution</source>
        <translation>Risolto mostrando la soluzione</translation>
    </message>
    <message>
        <source>Errors: %1</source>
        <translation>Errori: %1</translation>
    </message>
    <message>
        <source>Cockade</source>
        <translation>Coccarda</translation>
    </message>
    <message>
        <source>Exercise solved</source>
        <translation>Esercizio risolto</translation>
    </message>
</context>
</TS>
