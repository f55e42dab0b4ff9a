<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CharCodes</name>
    <message>
        <source>Alt + %1</source>
        <translation>Alt + %1</translation>
    </message>
    <message>
        <source>, then </source>
        <extracomment>Joins the digits of a keypad code: &quot;0, then 1, then 6, then 9&quot;.</extracomment>
        <translation>, dann </translation>
    </message>
    <message>
        <source>To insert this character into any Windows program, hold down Alt and press %1 on the KEYPAD (the numbers on the right of your keyboard).  Release Alt to insert the character.</source>
        <translation>Um dieses Zeichen in ein beliebiges Windows-Programm einzufügen, halten Sie Alt gedrückt und drücken Sie %1 auf dem ZIFFERNBLOCK (den Zifferntasten rechts auf der Tastatur).  Lassen Sie Alt los, um das Zeichen einzufügen.</translation>
    </message>
    <message>
        <source>You can hold down Alt then press this series of numbers to insert this character</source>
        <translation>Sie können Alt gedrückt halten und diese Ziffernfolge drücken, um dieses Zeichen einzufügen</translation>
    </message>
</context>
<context>
    <name>CharInfo</name>
    <message>
        <source>Windows-1252 leaves %1 undefined; %2 is a control character</source>
        <translation>Windows-1252 lässt %1 undefiniert; %2 ist ein Steuerzeichen</translation>
    </message>
    <message>
        <source>Windows-1252 puts %1 (%2) at %3; in Unicode %4 is a control character</source>
        <translation>Windows-1252 setzt %1 (%2) auf %3; in Unicode ist %4 ein Steuerzeichen</translation>
    </message>
</context>
<context>
    <name>CharacterSets</name>
    <message>
        <source>Windows-1252 (32–255)</source>
        <translation>Windows-1252 (32–255)</translation>
    </message>
    <message>
        <source>All characters in this font</source>
        <translation>Alle Zeichen dieser Schriftart</translation>
    </message>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 von %3)</translation>
    </message>
</context>
<context>
    <name>CharboardWindow</name>
    <message>
        <source>Select a font...</source>
        <translation>Eine Schriftart wählen...</translation>
    </message>
    <message>
        <source>Select a character to preview or copy</source>
        <translation>Ein Zeichen für Vorschau oder Kopie wählen</translation>
    </message>
    <message>
        <source>Preview of selected character</source>
        <translation>Vorschau des gewählten Zeichens</translation>
    </message>
    <message>
        <source>The Unicode character this symbol stands for, in any font</source>
        <translation>Das Unicode-Zeichen, für das dieses Symbol steht, in beliebiger Schriftart</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Add this character to the Characters to Copy text box.</source>
        <translation>Dieses Zeichen dem Feld der zu kopierenden Zeichen hinzufügen.</translation>
    </message>
    <message>
        <source>Press Copy to copy these characters to the clipboard</source>
        <translation>Auf Kopieren klicken, um diese Zeichen in die Zwischenablage zu kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy all the characters below to the Clipboard</source>
        <translation>Alle Zeichen unten in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy as &amp;Unicode</source>
        <translation>Als &amp;Unicode kopieren</translation>
    </message>
    <message>
        <source>Copy the characters below with each symbol replaced by its Unicode equivalent</source>
        <translation>Die Zeichen unten kopieren, jedes Symbol durch seine Unicode-Entsprechung ersetzt</translation>
    </message>
    <message>
        <source>Which characters the grid shows</source>
        <translation>Welche Zeichen das Raster zeigt</translation>
    </message>
    <message>
        <source>Find by name, U+code or character</source>
        <translation>Nach Name, U+Code oder Zeichen suchen</translation>
    </message>
    <message>
        <source>Type words of a character&apos;s name, its code (U+2701), or paste the character</source>
        <translation>Wörter aus dem Namen eines Zeichens, seinen Code (U+2701) eingeben oder das Zeichen einfügen</translation>
    </message>
    <message>
        <source>Recently used characters: click one to collect it</source>
        <translation>Zuletzt verwendete Zeichen: zum Übernehmen eines anklicken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe (englisch)</translation>
    </message>
    <message>
        <source>Charboard - %1</source>
        <translation>Charboard – %1</translation>
    </message>
    <message>
        <source>No Unicode equivalent</source>
        <translation>Keine Unicode-Entsprechung</translation>
    </message>
    <message>
        <source>Unicode: %1</source>
        <translation>Unicode: %1</translation>
    </message>
    <message>
        <source>not in this font</source>
        <translation>nicht in dieser Schriftart</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Recently used characters</source>
        <translation>Zuletzt verwendete Zeichen</translation>
    </message>
    <message>
        <source>Characters to Copy</source>
        <translation>Zu kopierende Zeichen</translation>
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
    <name>GlyphPreview</name>
    <message>
        <source>not in this font</source>
        <translation>nicht in dieser Schriftart</translation>
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
    <name>SaveDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Soll die Datei ersetzt werden?</translation>
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
    <name>UnicodeCharacter</name>
    <message>
        <source>No Block</source>
        <translation>Kein Block</translation>
    </message>
</context>
</TS>
