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
    <name>FacelisterWindow</name>
    <message>
        <source>This is a Preview of the list of fonts.</source>
        <translation>Dies ist eine Vorschau der Schriftartenliste.</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>Hilfe (englisch)...</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe (englisch)</translation>
    </message>
    <message>
        <source>Refresh Preview</source>
        <translation>Vorschau aktualisieren</translation>
    </message>
    <message>
        <source>Refresh &amp;Preview</source>
        <translation>&amp;Vorschau aktualisieren</translation>
    </message>
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
        <source>&amp;Copy font list</source>
        <translation>Schriftartenliste &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy p&amp;lain-text font list</source>
        <translation>Schriftartenliste als &amp;reinen Text kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Font &amp;details</source>
        <translation>Schriftart-&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online help...</source>
        <translation>&amp;Online-Hilfe (englisch)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Retrieving font names...</source>
        <translation>Schriftartnamen werden abgerufen...</translation>
    </message>
    <message>
        <source>The sample text holds at most %1 characters; the rest was left out.</source>
        <translation>Der Mustertext fasst höchstens %1 Zeichen; der Rest wurde weggelassen.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Rich Text format (*.rtf)</source>
        <translation>Rich-Text-Format (*.rtf)</translation>
    </message>
    <message>
        <source>The font list could not be saved as &quot;%1&quot;.  %2</source>
        <translation>Die Schriftartenliste konnte nicht als „%1“ gespeichert werden.  %2</translation>
    </message>
    <message>
        <source>Print font list</source>
        <translation>Schriftartenliste drucken</translation>
    </message>
    <message>
        <source>Facelister %1 lists the fonts on your computer, each name written in its own face.</source>
        <translation>Facelister %1 listet die Schriftarten Ihres Computers auf, jeden Namen in seiner eigenen Schrift.</translation>
    </message>
    <message>
        <source>Creating preview...</source>
        <translation>Vorschau wird erstellt...</translation>
    </message>
    <message>
        <source>Please wait while preview is refreshed...</source>
        <translation>Bitte warten, die Vorschau wird aktualisiert...</translation>
    </message>
    <message>
        <source>Refresh the Preview (below) making any changes you have selected.</source>
        <translation>Die Vorschau (unten) mit allen gewählten Änderungen aktualisieren.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>FontDetails</name>
    <message>
        <source>No details: the font is not installed.</source>
        <translation>Keine Details: Die Schriftart ist nicht installiert.</translation>
    </message>
    <message>
        <source>Family: %1</source>
        <translation>Familie: %1</translation>
    </message>
    <message>
        <source>Styles: %1</source>
        <translation>Stile: %1</translation>
    </message>
    <message numerus="yes">
        <source>Files: %1</source>
        <translation>
            <numerusform>Datei: %1</numerusform>
            <numerusform>Dateien: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Foundry: %1</source>
        <translation>Hersteller: %1</translation>
    </message>
    <message>
        <source>Designer: %1</source>
        <translation>Gestaltung: %1</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Lizenz: %1</translation>
    </message>
    <message>
        <source>Licence address: %1</source>
        <translation>Lizenzadresse: %1</translation>
    </message>
    <message>
        <source>Scripts: %1</source>
        <translation>Schriftsysteme: %1</translation>
    </message>
    <message>
        <source>Languages: %1</source>
        <translation>Sprachen: %1</translation>
    </message>
</context>
<context>
    <name>FontDetailsPanel</name>
    <message>
        <source>Font details</source>
        <translation>Schriftart-Details</translation>
    </message>
    <message>
        <source>What the system knows about the selected font.</source>
        <translation>Was das System über die gewählte Schriftart weiß.</translation>
    </message>
    <message>
        <source>The sample in the selected font, from 8 to 72 points.</source>
        <translation>Das Muster in der gewählten Schriftart, von 8 bis 72 Punkt.</translation>
    </message>
</context>
<context>
    <name>FontList</name>
    <message numerus="yes">
        <source>%n fonts available</source>
        <translation>
            <numerusform>%n Schriftart verfügbar</numerusform>
            <numerusform>%n Schriftarten verfügbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fonts listed</source>
        <translation>
            <numerusform>%n Schriftart aufgelistet</numerusform>
            <numerusform>%n Schriftarten aufgelistet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FontListPanel</name>
    <message>
        <source>Fonts to use</source>
        <translation>Zu verwendende Schriftarten</translation>
    </message>
    <message>
        <source>Find a font by name</source>
        <translation>Schriftart nach Namen suchen</translation>
    </message>
    <message>
        <source>List only the fonts whose names contain this text.</source>
        <translation>Nur die Schriftarten auflisten, deren Namen diesen Text enthalten.</translation>
    </message>
    <message>
        <source>These fonts will be used in the Preview.</source>
        <translation>Diese Schriftarten werden in der Vorschau verwendet.</translation>
    </message>
    <message>
        <source>Include s&amp;ymbol fonts</source>
        <translation>S&amp;ymbolschriftarten einbeziehen</translation>
    </message>
    <message>
        <source>Include sys&amp;tem fonts</source>
        <translation>Sys&amp;temschriftarten einbeziehen</translation>
    </message>
    <message>
        <source>&amp;Remove selected font</source>
        <translation>Gewählte Schriftart &amp;entfernen</translation>
    </message>
    <message>
        <source>Remove the selected font from the list so it isn&apos;t used in the Preview</source>
        <translation>Die gewählte Schriftart aus der Liste entfernen, damit sie in der Vorschau nicht verwendet wird</translation>
    </message>
    <message>
        <source>Make selected font &amp;uppercase</source>
        <translation>Gewählte Schriftart in &amp;Großbuchstaben</translation>
    </message>
    <message>
        <source>If the selected font in the Preview isn&apos;t displayed correctly, try changing it to UPPERCASE</source>
        <translation>Wenn die gewählte Schriftart in der Vorschau nicht richtig angezeigt wird, versuchen Sie es mit GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>Reset &amp;list</source>
        <translation>&amp;Liste zurücksetzen</translation>
    </message>
    <message>
        <source>Reset the list of fonts making any changes you have selected.</source>
        <translation>Die Schriftartenliste mit allen gewählten Änderungen zurücksetzen.</translation>
    </message>
</context>
<context>
    <name>PleaseWaitWindow</name>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Please wait while Facelister loads...</source>
        <translation>Bitte warten, Facelister wird geladen...</translation>
    </message>
</context>
<context>
    <name>PreviewBuilder</name>
    <message>
        <source>Formatting preview...</source>
        <translation>Vorschau wird formatiert...</translation>
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
    <name>SettingsPanel</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Select font si&amp;ze:</source>
        <translation>Schriftgröße &amp;wählen:</translation>
    </message>
    <message>
        <source>Select a font size - you can only preview Bold/Italic using sizes les than 23-point.</source>
        <translation>Eine Schriftgröße wählen – Fett/Kursiv lässt sich nur bei Größen unter 23 Punkt in der Vorschau zeigen.</translation>
    </message>
    <message>
        <source>&amp;Include examples of Bold and Italic</source>
        <translation>Beispiele in &amp;Fett und Kursiv zeigen</translation>
    </message>
    <message>
        <source>Inclide a sample of each font in Bold and in Italic.</source>
        <translation>Von jeder Schriftart ein Muster in Fett und in Kursiv zeigen.</translation>
    </message>
    <message>
        <source>Sa&amp;mple text:</source>
        <translation>&amp;Mustertext:</translation>
    </message>
    <message>
        <source>Text to show after each font&apos;s name in the Preview; empty for none.</source>
        <translation>Text, der in der Vorschau nach dem Namen jeder Schriftart steht; leer für keinen.</translation>
    </message>
    <message>
        <source>&amp;Only fonts with every character of the sample</source>
        <translation>&amp;Nur Schriftarten mit allen Zeichen des Musters</translation>
    </message>
    <message>
        <source>List only the fonts that have a character of their own for every character of the sample text.</source>
        <translation>Nur die Schriftarten auflisten, die für jedes Zeichen des Mustertexts ein eigenes Zeichen haben.</translation>
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
    <name>WaterfallView</name>
    <message>
        <source>%1 pt</source>
        <translation>%1 pt</translation>
    </message>
</context>
</TS>
