<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchRun</name>
    <message>
        <source>cannot read the input &quot;%1&quot;: %2</source>
        <translation>die Eingabe „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot; is longer than %2 characters</source>
        <translation>die Eingabe „%1“ ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is the settings file &quot;%2&quot;, which is never written</source>
        <translation>die Ausgabe „%1“ ist die Einstellungsdatei „%2“, die nie geschrieben wird</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is the input &quot;%2&quot;, which is never written</source>
        <translation>die Ausgabe „%1“ ist die Eingabe „%2“, die nie geschrieben wird</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; must end in .rtf, .htm, .html or .pdf</source>
        <translation>die Ausgabe „%1“ muss auf .rtf, .htm, .html oder .pdf enden</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; is a folder</source>
        <translation>die Einstellungsdatei „%1“ ist ein Ordner</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; is not an ordinary file</source>
        <translation>die Einstellungsdatei „%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; does not exist</source>
        <translation>die Einstellungsdatei „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; is longer than %2 bytes</source>
        <translation>die Einstellungsdatei „%1“ ist länger als %2 Byte</translation>
    </message>
    <message>
        <source>cannot read the settings file &quot;%1&quot;: %2</source>
        <translation>die Einstellungsdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the settings file &quot;%1&quot; is damaged</source>
        <translation>die Einstellungsdatei „%1“ ist beschädigt</translation>
    </message>
    <message>
        <source>the input is not UTF-8 text</source>
        <translation>die Eingabe ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the text to format is longer than %1 characters</source>
        <translation>der zu formatierende Text ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the text to format is empty</source>
        <translation>der zu formatierende Text ist leer</translation>
    </message>
    <message>
        <source>A folder has that name.</source>
        <translation>Ein Ordner hat diesen Namen.</translation>
    </message>
    <message>
        <source>cannot write the output &quot;%1&quot;: %2</source>
        <translation>die Ausgabe „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Inverse Rainbow</source>
        <translation>Umgekehrter Regenbogen</translation>
    </message>
    <message>
        <source>15 Colors (Windows)</source>
        <translation>15 Farben (Windows)</translation>
    </message>
    <message>
        <source>12 Colors (No grays)</source>
        <translation>12 Farben (ohne Grautöne)</translation>
    </message>
    <message>
        <source>Grays</source>
        <translation>Grautöne</translation>
    </message>
    <message>
        <source>Shades of Red</source>
        <translation>Rottöne</translation>
    </message>
    <message>
        <source>Shades of Yellow</source>
        <translation>Gelbtöne</translation>
    </message>
    <message>
        <source>Shades of Green</source>
        <translation>Grüntöne</translation>
    </message>
    <message>
        <source>Shades of Cyan</source>
        <translation>Cyantöne</translation>
    </message>
    <message>
        <source>Shades of Blue</source>
        <translation>Blautöne</translation>
    </message>
    <message>
        <source>Shades of Magenta</source>
        <translation>Magentatöne</translation>
    </message>
    <message>
        <source>Reds and Greens</source>
        <translation>Rot und Grün</translation>
    </message>
    <message>
        <source>Greens and Blues</source>
        <translation>Grün und Blau</translation>
    </message>
    <message>
        <source>Blues and Reds</source>
        <translation>Blau und Rot</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>glintwork: %1 (see glintwork --help)</source>
        <translation>glintwork: %1 (siehe glintwork --help)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--%1 given twice</source>
        <translation>--%1 wurde zweimal angegeben</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis 4294967295</translation>
    </message>
    <message>
        <source>--%1 needs --batch</source>
        <translation>--%1 braucht --batch</translation>
    </message>
    <message>
        <source>--batch needs --settings FILE</source>
        <translation>--batch braucht --settings DATEI</translation>
    </message>
    <message>
        <source>--batch needs --output FILE</source>
        <translation>--batch braucht --output DATEI</translation>
    </message>
    <message>
        <source>Usage: glintwork [--seed N]
       glintwork --batch --settings FILE [--input TEXT_FILE|-] --output OUT.rtf|OUT.htm|OUT.pdf [--seed N]

Turns plain text into decorated rich text. Without --batch, opens the window.

  --batch          format without a window, write the output file and exit
  --settings FILE  the settings to use, as the window saves them (never written)
  --input FILE     the text to format, UTF-8; - reads standard input; without it,
                   the text stored in the settings file. At most 12000000
                   characters (line breaks count two); a longer input is refused
  --output FILE    the file to write: .rtf for rich text, .htm or .html for a web
                   page, .pdf for a PDF document, in the output mode of the settings
  --seed N         repeat the random choices: the same settings, text, fonts and
                   seed give the same output (N from 0 to 4294967295)
  -h, --help       show this help and exit
  -v, --version    show the version and exit

The output is never the settings file or the input, whatever the names or links.

Exit status: 0 on success, 1 when the help or version cannot be written, 2 for a
wrong command line or an output that is the settings file or the input, 3 when the
settings file cannot be read, 4 when it is damaged, 5 when the input cannot be read
or is too long, 6 for an empty text, 7 for an output name that is not .rtf, .htm
or .pdf, 8 when the output cannot be written.
</source>
        <translation>Aufruf: glintwork [--seed N]
       glintwork --batch --settings DATEI [--input TEXTDATEI|-] --output AUSGABE.rtf|AUSGABE.htm|AUSGABE.pdf [--seed N]

Macht aus einfachem Text verzierten Rich Text. Ohne --batch öffnet sich das Fenster.

  --batch          ohne Fenster formatieren, die Ausgabedatei schreiben und beenden
  --settings DATEI die zu verwendenden Einstellungen, wie das Fenster sie speichert
                   (wird nie geschrieben)
  --input DATEI    der zu formatierende Text, UTF-8; - liest die Standardeingabe; ohne
                   die Option der in der Einstellungsdatei gespeicherte Text. Höchstens
                   12000000 Zeichen (Zeilenumbrüche zählen doppelt); eine längere Eingabe
                   wird abgelehnt
  --output DATEI   die zu schreibende Datei: .rtf für Rich Text, .htm oder .html für eine
                   Webseite, .pdf für ein PDF-Dokument, im Ausgabemodus der Einstellungen
  --seed N         die Zufallsauswahl wiederholen: dieselben Einstellungen, derselbe Text,
                   dieselben Schriftarten und derselbe Startwert ergeben dieselbe Ausgabe
                   (N von 0 bis 4294967295)
  -h, --help       diese Hilfe zeigen und beenden
  -v, --version    die Version zeigen und beenden

Die Ausgabe ist nie die Einstellungsdatei oder die Eingabe, gleich unter welchen Namen
oder Verknüpfungen.

Rückgabewert: 0 bei Erfolg, 1 wenn Hilfe oder Version nicht geschrieben werden können,
2 bei falscher Befehlszeile oder einer Ausgabe, die die Einstellungsdatei oder die
Eingabe ist, 3 wenn die Einstellungsdatei nicht gelesen werden kann, 4 wenn sie
beschädigt ist, 5 wenn die Eingabe nicht gelesen werden kann oder zu lang ist, 6 bei
leerem Text, 7 bei einem Ausgabenamen, der nicht auf .rtf, .htm oder .pdf endet, 8 wenn
die Ausgabe nicht geschrieben werden kann.
</translation>
    </message>
</context>
<context>
    <name>DiskFileReplacer</name>
    <message>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
</context>
<context>
    <name>EffectsPanel</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation>Abwechselnd</translation>
    </message>
    <message>
        <source>First Letters</source>
        <translation>Anfangsbuchstaben</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Ballon</translation>
    </message>
    <message>
        <source>Constrict</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>RAnDOm</source>
        <translation>ZuFäLLiG</translation>
    </message>
    <message>
        <source>ALL UPPERCASE</source>
        <translation>ALLES GROSS</translation>
    </message>
    <message>
        <source>all lowercase</source>
        <translation>alles klein</translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation>Nur Anfangsbuchstaben</translation>
    </message>
    <message>
        <source>aLtErNaTe</source>
        <translation>aBwEcHsElNd</translation>
    </message>
    <message>
        <source>Centre vertically</source>
        <translation>Senkrecht zentrieren</translation>
    </message>
    <message>
        <source>Single Color:</source>
        <translation>Eine Farbe:</translation>
    </message>
    <message>
        <source>Random Colors</source>
        <translation>Zufällige Farben</translation>
    </message>
    <message>
        <source>Alternate colors:</source>
        <translation>Abwechselnde Farben:</translation>
    </message>
    <message>
        <source>Blend:</source>
        <translation>Verlauf:</translation>
    </message>
    <message>
        <source>Predefined:</source>
        <translation>Vordefiniert:</translation>
    </message>
    <message>
        <source>Use one size for all characters (The minimum size selected below)</source>
        <translation>Eine Größe für alle Zeichen verwenden (die unten gewählte Mindestgröße)</translation>
    </message>
    <message>
        <source>Pick a random size for each character</source>
        <translation>Für jedes Zeichen eine zufällige Größe wählen</translation>
    </message>
    <message>
        <source>Alternate between large and small characters</source>
        <translation>Zwischen großen und kleinen Zeichen abwechseln</translation>
    </message>
    <message>
        <source>Make the first letter of each word bigger (for clarity)</source>
        <translation>Den ersten Buchstaben jedes Wortes größer machen (zur Verdeutlichung)</translation>
    </message>
    <message>
        <source>Vary character sizes to make the text bulge in the middle</source>
        <translation>Zeichengrößen so variieren, dass sich der Text in der Mitte wölbt</translation>
    </message>
    <message>
        <source>Vary character sizes to make the text smaller in the middle, bigger towards the ends (try it and see what it does)</source>
        <translation>Zeichengrößen so variieren, dass der Text in der Mitte kleiner und zu den Enden hin größer wird (einfach ausprobieren)</translation>
    </message>
    <message>
        <source>Vary character sizes between being large and small smoothly to form a wave</source>
        <translation>Zeichengrößen fließend zwischen groß und klein wechseln, sodass eine Welle entsteht</translation>
    </message>
    <message>
        <source>Don&apos;t change the capitalization</source>
        <translation>Groß- und Kleinschreibung nicht ändern</translation>
    </message>
    <message>
        <source>Make letters upper case or lower case at raNdOM!</source>
        <translation>Buchstaben nach ZuFaLL groß oder klein schreiben!</translation>
    </message>
    <message>
        <source>Make the text all UPPERCASE</source>
        <translation>Den ganzen Text in GROSSBUCHSTABEN schreiben</translation>
    </message>
    <message>
        <source>Make the text all lowercase</source>
        <translation>Den ganzen Text in kleinbuchstaben schreiben</translation>
    </message>
    <message>
        <source>Capitalize The First Letter Of Each Word (For Clarity)</source>
        <translation>Den Ersten Buchstaben Jedes Wortes Groß Schreiben (Zur Verdeutlichung)</translation>
    </message>
    <message>
        <source>AlTeRnAtE capital and lower case letters</source>
        <translation>GrOß- UnD kLeInBuChStAbEn abwechseln</translation>
    </message>
    <message>
        <source>Use a single color for all the text - click to change it</source>
        <translation>Eine Farbe für den ganzen Text verwenden – zum Ändern anklicken</translation>
    </message>
    <message>
        <source>Select colors at random for each character</source>
        <translation>Für jedes Zeichen eine zufällige Farbe wählen</translation>
    </message>
    <message>
        <source>Use these colors - click them to change them</source>
        <translation>Diese Farben verwenden – zum Ändern anklicken</translation>
    </message>
    <message>
        <source>Blend smoothly between these colors</source>
        <translation>Fließend zwischen diesen Farben überblenden</translation>
    </message>
    <message>
        <source>Use a pre-defined color scheme (choose one and click &apos;Refresh...&apos; to see what it does)</source>
        <translation>Ein vordefiniertes Farbschema verwenden (eines wählen und auf „Aktualisieren...“ klicken, um es zu sehen)</translation>
    </message>
    <message>
        <source>Don&apos;t change the vertical alignment of characters</source>
        <translation>Die senkrechte Ausrichtung der Zeichen nicht ändern</translation>
    </message>
    <message>
        <source>Randomly select the vertical alignment of characters</source>
        <translation>Die senkrechte Ausrichtung der Zeichen zufällig wählen</translation>
    </message>
    <message>
        <source>Attempt to centre characters vertically (pick a range of font sizes and click &apos;Refresh...&apos; to see what it does)</source>
        <translation>Zeichen möglichst senkrecht zentrieren (einen Bereich von Schriftgrößen wählen und auf „Aktualisieren...“ klicken, um es zu sehen)</translation>
    </message>
    <message>
        <source>&amp;Refresh...</source>
        <translation>A&amp;ktualisieren...</translation>
    </message>
    <message>
        <source>&amp;Clear Selection</source>
        <translation>Aus&amp;wahl aufheben</translation>
    </message>
    <message>
        <source>Alternate selected fo&amp;nts</source>
        <translation>Gewählte &amp;Schriftarten abwechseln</translation>
    </message>
    <message>
        <source>Random Bold/&amp;Italic</source>
        <translation>Zufällig &amp;fett/kursiv</translation>
    </message>
    <message>
        <source>&amp;Vary Font Sizes</source>
        <translation>Schriftgrößen &amp;variieren</translation>
    </message>
    <message>
        <source>&amp;Min. size: %1 Max. size: %2</source>
        <translation>&amp;Min. Größe: %1 Max. Größe: %2</translation>
    </message>
    <message>
        <source>Wavelength:</source>
        <translation>Wellenlänge:</translation>
    </message>
    <message>
        <source>C&amp;aPiTaLiZaTiOn</source>
        <translation>&amp;GrOß-/kLeInScHrEiBuNg</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>Fa&amp;rbe</translation>
    </message>
    <message>
        <source>(Random)</source>
        <translation>(Zufällig)</translation>
    </message>
    <message>
        <source>Blend over %1 characters.</source>
        <translation>Verlauf über %1 Zeichen.</translation>
    </message>
    <message>
        <source>Character &amp;positions</source>
        <translation>Zeichen&amp;positionen</translation>
    </message>
    <message>
        <source>Type some text here and click &apos;Refresh...&apos; to format it</source>
        <translation>Hier Text eingeben und zum Formatieren auf „Aktualisieren...“ klicken</translation>
    </message>
    <message>
        <source>Click here to format the text above.  Not sure what to do? - just click and see what happens!</source>
        <translation>Hier klicken, um den Text oben zu formatieren.  Nicht sicher, was zu tun ist? – Einfach klicken und sehen, was passiert!</translation>
    </message>
    <message>
        <source>Select which fonts you want to use, or select none to use a random selection</source>
        <translation>Die gewünschten Schriftarten wählen, oder keine, um eine zufällige Auswahl zu verwenden</translation>
    </message>
    <message>
        <source>De-select any fonts you have selected above - so that all fonts may be used.</source>
        <translation>Die oben gewählten Schriftarten abwählen – damit alle Schriftarten verwendet werden können.</translation>
    </message>
    <message>
        <source>Alternate the font used for each character (using the fonts selected)</source>
        <translation>Die Schriftart von Zeichen zu Zeichen wechseln (aus den gewählten Schriftarten)</translation>
    </message>
    <message>
        <source>Make each character bold or italic (at random)</source>
        <translation>Jedes Zeichen (zufällig) fett oder kursiv setzen</translation>
    </message>
    <message>
        <source>Choose how to vary the sizes of characters in the text</source>
        <translation>Wählen, wie die Zeichengrößen im Text variieren</translation>
    </message>
    <message>
        <source>Choose a minimum font size.</source>
        <translation>Eine Mindestschriftgröße wählen.</translation>
    </message>
    <message>
        <source>Choose a maximum font size.</source>
        <translation>Eine Höchstschriftgröße wählen.</translation>
    </message>
    <message>
        <source>Set the length (in characters) of a wave</source>
        <translation>Die Länge einer Welle (in Zeichen) festlegen</translation>
    </message>
    <message>
        <source>Choose how to change the case of the text - &apos;None&apos; leaves it unchanged</source>
        <translation>Wählen, wie die Groß- und Kleinschreibung geändert wird – „Keine“ lässt sie unverändert</translation>
    </message>
    <message>
        <source>Choose how to color the formatted text</source>
        <translation>Wählen, wie der formatierte Text gefärbt wird</translation>
    </message>
    <message>
        <source>Cycle between these colors randomly, rather than in the order they are in.</source>
        <translation>Diese Farben in zufälliger statt in der angezeigten Reihenfolge verwenden.</translation>
    </message>
    <message>
        <source>Set the number of characters to blend between two colors over</source>
        <translation>Die Anzahl Zeichen festlegen, über die zwischen zwei Farben übergeblendet wird</translation>
    </message>
    <message>
        <source>Choose a pre-defined color scheme - pick one and click refresh to see what it does!</source>
        <translation>Ein vordefiniertes Farbschema wählen – eines auswählen und auf Aktualisieren klicken, um es zu sehen!</translation>
    </message>
    <message>
        <source>Choose how to vary the vertical alignment (superscript and subscript) of the characters</source>
        <translation>Wählen, wie die senkrechte Ausrichtung (hoch- und tiefgestellt) der Zeichen variiert</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klicken</translation>
    </message>
    <message>
        <source> No fonts to choose from.</source>
        <translation> Keine Schriftarten zur Auswahl.</translation>
    </message>
    <message>
        <source> All fonts selected.</source>
        <translation> Alle Schriftarten gewählt.</translation>
    </message>
    <message numerus="yes">
        <source> %n fonts selected.</source>
        <translation>
            <numerusform> %n Schriftart gewählt.</numerusform>
            <numerusform> %n Schriftarten gewählt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Min. size:</source>
        <translation>Min. Größe:</translation>
    </message>
    <message>
        <source>Max. size:</source>
        <translation>Max. Größe:</translation>
    </message>
    <message>
        <source>Blend over</source>
        <translation>Verlauf über</translation>
    </message>
    <message>
        <source>Single color</source>
        <translation>Eine Farbe</translation>
    </message>
    <message>
        <source>Alternate color %1</source>
        <translation>Abwechselnde Farbe %1</translation>
    </message>
    <message>
        <source>Blend color %1</source>
        <translation>Verlaufsfarbe %1</translation>
    </message>
</context>
<context>
    <name>Formatter</name>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>You have entered a very long string of text.  Formatting this many characters is likely to slow down both this program and any program you output the results to.  Are you sure that you want to proceed (this could take several minutes to render)?</source>
        <translation>Sie haben einen sehr langen Text eingegeben.  So viele Zeichen zu formatieren, verlangsamt wahrscheinlich dieses Programm und jedes Programm, an das Sie das Ergebnis weitergeben.  Möchten Sie wirklich fortfahren (die Darstellung kann mehrere Minuten dauern)?</translation>
    </message>
    <message>
        <source>You have entered a long string of text.  On a slow computer, formatting this many characters may slow down both this program and any program you output the results to.  Are you sure that you want to proceed?</source>
        <translation>Sie haben einen langen Text eingegeben.  Auf einem langsamen Computer kann das Formatieren so vieler Zeichen dieses Programm und jedes Programm, an das Sie das Ergebnis weitergeben, verlangsamen.  Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>When you click &apos;Refresh...&apos;, the formatted text will appear here</source>
        <translation>Wenn Sie auf „Aktualisieren...“ klicken, erscheint hier der formatierte Text</translation>
    </message>
    <message>
        <source>This is the formatted text - copy and paste, save, or print it, or change settings and click &apos;Refresh...&apos; again.</source>
        <translation>Dies ist der formatierte Text – kopieren und einfügen, speichern oder drucken Sie ihn, oder ändern Sie die Einstellungen und klicken Sie erneut auf „Aktualisieren...“.</translation>
    </message>
</context>
<context>
    <name>GlintworkMain</name>
    <message>
        <source>glintwork: cannot write to standard output: %1
</source>
        <translation>glintwork: In die Standardausgabe kann nicht geschrieben werden: %1
</translation>
    </message>
</context>
<context>
    <name>GlintworkWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Als PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Font and style...</source>
        <translation>&amp;Schriftart und Stil...</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>C&amp;ut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;HTML</source>
        <translation>&amp;HTML kopieren</translation>
    </message>
    <message>
        <source>Paste for&amp;matted text</source>
        <translation>Formatierten Text ei&amp;nfügen</translation>
    </message>
    <message>
        <source>&amp;Paste text</source>
        <translation>&amp;Text einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Reset all settings</source>
        <translation>Alle Einstellungen &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Format word by word (rather than letter by letter)</source>
        <translation>&amp;Wortweise formatieren (statt Buchstabe für Buchstabe)</translation>
    </message>
    <message>
        <source>&amp;Color word by word (rather than letter by letter)</source>
        <translation>Wortweise &amp;färben (statt Buchstabe für Buchstabe)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;HTML</source>
        <translation>&amp;HTML</translation>
    </message>
    <message>
        <source>&amp;Word Processor compatible (16 colors)</source>
        <translation>&amp;Textverarbeitungs-kompatibel (16 Farben)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Increase font size 1pt</source>
        <translation>Schriftgröße um 1 pt &amp;vergrößern</translation>
    </message>
    <message>
        <source>&amp;Decrease font size 1pt</source>
        <translation>Schriftgröße um 1 pt ve&amp;rkleinern</translation>
    </message>
    <message>
        <source>I&amp;ncrease font size 5pt</source>
        <translation>Schriftgröße um 5 pt ver&amp;größern</translation>
    </message>
    <message>
        <source>D&amp;ecrease font size 5pt</source>
        <translation>Schriftgröße um 5 pt verk&amp;leinern</translation>
    </message>
    <message>
        <source>Double-&amp;space paragraphs</source>
        <translation>Absätze mit &amp;doppeltem Abstand</translation>
    </message>
    <message>
        <source>&amp;Help!</source>
        <translation>&amp;Hilfe!</translation>
    </message>
    <message>
        <source>&amp;Online Help...</source>
        <translation>&amp;Online-Hilfe (englisch)...</translation>
    </message>
    <message>
        <source>&amp;ToolTips</source>
        <translation>&amp;Quickinfos</translation>
    </message>
    <message>
        <source>Where can I download more &amp;fonts?</source>
        <translation>Wo kann ich weitere &amp;Schriftarten herunterladen?</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>The text would be longer than %1 characters (a line break counts two), more than Glintwork can format and save.  The change was not made.</source>
        <translation>Der Text wäre länger als %1 Zeichen (ein Zeilenumbruch zählt doppelt), mehr als Glintwork formatieren und speichern kann.  Die Änderung wurde nicht vorgenommen.</translation>
    </message>
    <message>
        <source>Check out sites in the Download section of the Top Links on your home page, %1.</source>
        <translation>Schauen Sie sich die Seiten im Download-Bereich der Top-Links auf Ihrer Startseite an: %1.</translation>
    </message>
    <message>
        <source>Sites with cool fonts to download</source>
        <translation>Seiten mit tollen Schriftarten zum Herunterladen</translation>
    </message>
    <message>
        <source>Glintwork %1, part of the Kerncraft font tools.</source>
        <translation>Glintwork %1, Teil der Kerncraft-Schriftwerkzeuge.</translation>
    </message>
    <message>
        <source>Only what is shown on-screen will be printed. If not everything is shown, you can print everything by copying it and pasting it into a word processor (e.g. MS Word). Do you want to continue printing?</source>
        <translation>Gedruckt wird nur, was auf dem Bildschirm zu sehen ist. Wenn nicht alles zu sehen ist, können Sie alles drucken, indem Sie es kopieren und in eine Textverarbeitung (z. B. MS Word) einfügen. Möchten Sie mit dem Drucken fortfahren?</translation>
    </message>
    <message>
        <source>There is no printer on this computer, so the text cannot be printed.  Install a printer and try again.</source>
        <translation>Auf diesem Computer gibt es keinen Drucker, daher kann der Text nicht gedruckt werden.  Installieren Sie einen Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>The text could not be printed: %1</source>
        <translation>Der Text konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>A folder has that name.</source>
        <translation>Ein Ordner hat diesen Namen.</translation>
    </message>
    <message>
        <source>It is Glintwork&apos;s own settings file.</source>
        <translation>Es ist die Einstellungsdatei von Glintwork selbst.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be saved.  %2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden.  %2</translation>
    </message>
    <message>
        <source>The text saved in &quot;%1&quot; is longer than %2 characters (a line break counts two), more than Glintwork can take.  The file was kept beside it as a backup, and the settings were reset.</source>
        <translation>Der in „%1“ gespeicherte Text ist länger als %2 Zeichen (ein Zeilenumbruch zählt doppelt), mehr als Glintwork aufnehmen kann.  Die Datei wurde daneben als Sicherung aufbewahrt, und die Einstellungen wurden zurückgesetzt.</translation>
    </message>
    <message>
        <source>There is no home folder for them.</source>
        <translation>Es gibt keinen persönlichen Ordner für sie.</translation>
    </message>
    <message>
        <source>No folder for them can be written, &quot;%1&quot; included.</source>
        <translation>In keinen Ordner für sie kann geschrieben werden, auch nicht in „%1“.</translation>
    </message>
    <message>
        <source>Glintwork cannot save your text and settings.  %1  Glintwork works on without saving them.</source>
        <translation>Glintwork kann Ihren Text und Ihre Einstellungen nicht speichern.  %1  Glintwork arbeitet weiter, ohne sie zu speichern.</translation>
    </message>
    <message>
        <source>Your text and settings could not be saved in &quot;%1&quot;.  %2</source>
        <translation>Ihr Text und Ihre Einstellungen konnten nicht in „%1“ gespeichert werden.  %2</translation>
    </message>
</context>
<context>
    <name>HtmlWriter</name>
    <message>
        <source>RTF (any word processor)</source>
        <translation>RTF (jede Textverarbeitung)</translation>
    </message>
    <message>
        <source>HTML (web page)</source>
        <translation>HTML (Webseite)</translation>
    </message>
    <message>
        <source>Please save files in RTF format (will open in most word processors, e.g. MS Word or MS Works) or as HTML (will open in Internet Explorer or can be used as a web page).</source>
        <translation>Bitte speichern Sie Dateien im RTF-Format (lässt sich in den meisten Textverarbeitungen öffnen, z. B. MS Word oder MS Works) oder als HTML (lässt sich im Webbrowser öffnen oder als Webseite verwenden).</translation>
    </message>
    <message>
        <source>Please enter a title:</source>
        <translation>Bitte geben Sie einen Titel ein:</translation>
    </message>
</context>
<context>
    <name>ModeSwitch</name>
    <message>
        <source>In Word Processor mode, all colors will be replaced with their nearest windows equivalent (so that colors are not changed when you paste into a word processor, e.g. in older versions of MS Word and MS Works).</source>
        <translation>Im Textverarbeitungsmodus werden alle Farben durch die nächstliegende Windows-Farbe ersetzt (damit sich die Farben beim Einfügen in eine Textverarbeitung nicht ändern, z. B. in älteren Versionen von MS Word und MS Works).</translation>
    </message>
</context>
<context>
    <name>OutputPane</name>
    <message>
        <source>Formatted text</source>
        <translation>Formatierter Text</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>There is no printer.  Do you want to save the document as a PDF file instead?  You can print the PDF file later, on any computer.</source>
        <translation>Es ist kein Drucker vorhanden.  Möchten Sie das Dokument stattdessen als PDF-Datei speichern?  Sie können die PDF-Datei später auf jedem Computer drucken.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.  %2</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden.  %2</translation>
    </message>
</context>
<context>
    <name>PrintPageFlow</name>
    <message>
        <source>This will open the font list in your web browser.  You can then preview and print the font list with the browser&apos;s Print command (Ctrl+P), where you can also change the margins and the headers and footers.</source>
        <translation>Die Schriftartenliste wird nun in Ihrem Webbrowser geöffnet.  Dort können Sie sie mit dem Druckbefehl des Browsers (Strg+P) in der Vorschau ansehen und drucken und dabei auch die Ränder sowie Kopf- und Fußzeilen ändern.</translation>
    </message>
    <message>
        <source>This will open the keyboard table in your web browser.  You can then preview and print the keyboard table with the browser&apos;s Print command (Ctrl+P), where you can also change the margins and the headers and footers.</source>
        <translation>Die Tastaturtabelle wird nun in Ihrem Webbrowser geöffnet.  Dort können Sie sie mit dem Druckbefehl des Browsers (Strg+P) in der Vorschau ansehen und drucken und dabei auch die Ränder sowie Kopf- und Fußzeilen ändern.</translation>
    </message>
    <message>
        <source>This will open the font list in %1.  You can then preview and print the font list with the browser&apos;s Print command (Ctrl+P), where you can also change the margins and the headers and footers.</source>
        <translation>Die Schriftartenliste wird nun in %1 geöffnet.  Dort können Sie sie mit dem Druckbefehl des Browsers (Strg+P) in der Vorschau ansehen und drucken und dabei auch die Ränder sowie Kopf- und Fußzeilen ändern.</translation>
    </message>
    <message>
        <source>This will open the keyboard table in %1.  You can then preview and print the keyboard table with the browser&apos;s Print command (Ctrl+P), where you can also change the margins and the headers and footers.</source>
        <translation>Die Tastaturtabelle wird nun in %1 geöffnet.  Dort können Sie sie mit dem Druckbefehl des Browsers (Strg+P) in der Vorschau ansehen und drucken und dabei auch die Ränder sowie Kopf- und Fußzeilen ändern.</translation>
    </message>
    <message>
        <source>Neither the program&apos;s folder nor your own data folder can be written to.</source>
        <translation>Weder in den Ordner des Programms noch in Ihren eigenen Datenordner kann geschrieben werden.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; could not be written.  %2</source>
        <translation>Die Seite „%1“ konnte nicht geschrieben werden.  %2</translation>
    </message>
</context>
<context>
    <name>ProgressIndicator</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <source>We are always looking for suggestions for how to improve our software and to make it more user-friendly.  If you have any suggestions, email %1.</source>
        <translation>Wir freuen uns immer über Vorschläge, wie wir unsere Software verbessern und benutzerfreundlicher machen können.  Wenn Sie Vorschläge haben, schreiben Sie an %1.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-Datei</translation>
    </message>
</context>
<context>
    <name>QtGlintworkDialogs</name>
    <message>
        <source>There is nothing to print.</source>
        <translation>Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
</context>
<context>
    <name>QtMessageService</name>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Close Without Saving</source>
        <translation>&amp;Schließen ohne Speichern</translation>
    </message>
</context>
<context>
    <name>QtPrintService</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ResetSequence</name>
    <message>
        <source>Are you sure you want to reset all settings?</source>
        <translation>Möchten Sie wirklich alle Einstellungen zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Soll die Datei ersetzt werden?</translation>
    </message>
</context>
<context>
    <name>SwatchLabel</name>
    <message>
        <source>Click</source>
        <translation>Klicken</translation>
    </message>
    <message>
        <source>%1, not used</source>
        <translation>%1, nicht verwendet</translation>
    </message>
</context>
<context>
    <name>SymbolEquivalents</name>
    <message>
        <source>No Unicode equivalent</source>
        <translation>Keine Unicode-Entsprechung</translation>
    </message>
    <message>
        <source>Unicode: %1 (%2)</source>
        <translation>Unicode: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>It is longer than the limit.</source>
        <translation>Sie ist länger als erlaubt.</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>It is not an ordinary file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file system reported an error.</source>
        <translation>Das Dateisystem hat einen Fehler gemeldet.</translation>
    </message>
</context>
<context>
    <name>WindowsColourDialog</name>
    <message>
        <source>Select a color...</source>
        <translation>Farbe auswählen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
</context>
</TS>
