<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DiskFileReplacer</name>
    <message>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
</context>
<context>
    <name>GlyphmatchWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
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
        <source>&amp;Compare</source>
        <translation>&amp;Vergleiche</translation>
    </message>
    <message>
        <source>Select a font</source>
        <translation>Eine Schriftart wählen</translation>
    </message>
    <message>
        <source>Compare &amp;with:</source>
        <translation>&amp;mit:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Select a font size</source>
        <translation>Eine Schriftgröße wählen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh the preview (below) using the fonts you have chosen.</source>
        <translation>Die Vorschau (unten) mit den gewählten Schriftarten aktualisieren.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Print these fonts</source>
        <translation>Diese Schriftarten drucken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe (englisch)</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe (englisch)</translation>
    </message>
    <message>
        <source>not in this font</source>
        <translation>nicht in dieser Schriftart</translation>
    </message>
    <message>
        <source>Print keyboard table</source>
        <translation>Tastaturtabelle drucken</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
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
</TS>
