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
        <source>This computer has no volume control program. Any of these would do: %1.</source>
        <translation>Su questo computer non c&apos;è un programma per il volume. Ne basterebbe uno di questi: %1.</translation>
    </message>
</context>
<context>
    <name>solvaro::TForm1</name>
    <message>
        <source>Hello!</source>
        <translation>Ciao!</translation>
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
</context>
</TS>
