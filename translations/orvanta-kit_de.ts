<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ExchangeMessages</name>
    <message>
        <source>Import texts from %1</source>
        <translation>Texte aus %1 importieren</translation>
    </message>
    <message>
        <source>Take translations from the older kit %1</source>
        <translation>Übersetzungen aus dem älteren Kit %1 übernehmen</translation>
    </message>
    <message>
        <source>Carry translations over to the new source texts</source>
        <translation>Übersetzungen zu den neuen Quelltexten übernehmen</translation>
    </message>
    <message>
        <source>.

Carry every translation, note and mark over to the row where its source text stands now (one step you can undo), or open the kit as it is, each translation in its row?</source>
        <translation>.

Jede Übersetzung, Notiz und Markierung in die Zeile übernehmen, in der ihr Quelltext jetzt steht (ein Schritt, den Sie rückgängig machen können), oder das Kit so öffnen, wie es ist, jede Übersetzung in ihrer Zeile?</translation>
    </message>
    <message>
        <source>Carry over</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Open as it is</source>
        <translation>So öffnen</translation>
    </message>
    <message>
        <source>

Nothing is saved yet: save to put the texts into &quot;lang.dat&quot;, or undo the import with Ctrl+Z.</source>
        <translation>

Noch ist nichts gespeichert: Speichern Sie, um die Texte in „lang.dat“ zu schreiben, oder machen Sie den Import mit Strg+Z rückgängig.</translation>
    </message>
    <message>
        <source>%1 was written for code page %2 (%3); the kit uses %4 (%5).

Import it in code page %2, and use that code page from now on? Ctrl+Z takes back both.</source>
        <translation>%1 wurde für die Codepage %2 (%3) geschrieben; das Kit verwendet %4 (%5).

In der Codepage %2 importieren und diese Codepage ab jetzt verwenden? Strg+Z nimmt beides zurück.</translation>
    </message>
    <message>
        <source>Use code page %1</source>
        <translation>Codepage %1 verwenden</translation>
    </message>
    <message>
        <source>Keep code page %1</source>
        <translation>Codepage %1 behalten</translation>
    </message>
    <message>
        <source>

The refused translations cannot be imported: mend them in the file, or import the others now and leave those rows as they are.</source>
        <translation>

Die abgelehnten Übersetzungen können nicht importiert werden: Berichtigen Sie sie in der Datei, oder importieren Sie jetzt die übrigen und lassen Sie diese Zeilen, wie sie sind.</translation>
    </message>
    <message>
        <source>Import the others</source>
        <translation>Die übrigen importieren</translation>
    </message>
    <message>
        <source>Import nothing</source>
        <translation>Nichts importieren</translation>
    </message>
</context>
<context>
    <name>FontMessages</name>
    <message>
        <source>%1. &quot;lang.dat&quot; cannot be saved with this font: choose a smaller one.</source>
        <translation>%1. Mit dieser Schrift kann „lang.dat“ nicht gespeichert werden: Wählen Sie eine kleinere.</translation>
    </message>
    <message>
        <source>

Undo (Ctrl+Z) takes the choice back.</source>
        <translation>

Rückgängig (Strg+Z) nimmt die Wahl zurück.</translation>
    </message>
    <message>
        <source>Code %1 (0x%2): </source>
        <translation>Code %1 (0x%2): </translation>
    </message>
    <message>
        <source>no character in code page %1</source>
        <translation>kein Zeichen in der Codepage %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>„%1“ %2</translation>
    </message>
    <message>
        <source>control character %1</source>
        <translation>Steuerzeichen %1</translation>
    </message>
    <message>
        <source>
%1 pixels wide</source>
        <translation>
%1 Pixel breit</translation>
    </message>
    <message>
        <source>
No glyph in this font: the save writes the stand-in shown</source>
        <translation>
Keine Glyphe in dieser Schrift: Das Speichern schreibt den gezeigten Ersatz</translation>
    </message>
    <message>
        <source>Your translations hold letters that code page %1 reads otherwise: in row %2, &quot;%3&quot; would become &quot;%4&quot;.

The kit keeps the bytes you typed; the code page only says which letters they are, in the grid, the glyphs and lang.dat. Change the code page? (Ctrl+Z takes it back.)</source>
        <translation>Ihre Übersetzungen enthalten Buchstaben, die die Codepage %1 anders liest: In Zeile %2 würde aus „%3“ „%4“.

Das Kit behält die Bytes, die Sie getippt haben; die Codepage sagt nur, welche Buchstaben sie sind – in der Tabelle, in den Glyphen und in lang.dat. Die Codepage ändern? (Strg+Z nimmt es zurück.)</translation>
    </message>
    <message>
        <source>Change the code page</source>
        <translation>Codepage ändern</translation>
    </message>
    <message>
        <source>Keep code page</source>
        <translation>Codepage behalten</translation>
    </message>
    <message>
        <source>%1 is not installed: the glyphs are drawn with %2, the system&apos;s fallback face.</source>
        <translation>%1 ist nicht installiert: Die Glyphen werden mit %2 gezeichnet, der Ersatzschrift des Systems.</translation>
    </message>
    <message>
        <source>%1 is not installed: the glyphs are drawn with %2.</source>
        <translation>%1 ist nicht installiert: Die Glyphen werden mit %2 gezeichnet.</translation>
    </message>
</context>
<context>
    <name>ImportReport</name>
    <message>
        <source>skipped, the source text is not the kit&apos;s (the game&apos;s texts changed)</source>
        <translation>übersprungen, der Originaltext ist nicht der des Kits (die Texte des Spiels haben sich geändert)</translation>
    </message>
    <message>
        <source>skipped, no translation</source>
        <translation>übersprungen, keine Übersetzung</translation>
    </message>
    <message>
        <source>skipped, obsolete entries (#~) of texts that are gone</source>
        <translation>übersprungen, veraltete Einträge (#~) weggefallener Texte</translation>
    </message>
    <message>
        <source>skipped, no such row in the kit</source>
        <translation>übersprungen, keine solche Zeile im Kit</translation>
    </message>
    <message>
        <source>skipped, the row came earlier in the file</source>
        <translation>übersprungen, die Zeile kam schon früher in der Datei</translation>
    </message>
    <message>
        <source>refused, a character code page %1 cannot hold</source>
        <translation>abgelehnt, ein Zeichen, das die Codepage %1 nicht fassen kann</translation>
    </message>
    <message>
        <source>refused, longer than %1 bytes</source>
        <translation>abgelehnt, länger als %1 Bytes</translation>
    </message>
    <message>
        <source>imported where the source text stands now (it moved from the row the file names)</source>
        <translation>dort importiert, wo der Originaltext jetzt steht (er ist aus der Zeile gewandert, die die Datei nennt)</translation>
    </message>
    <message>
        <source>imported, marked needs review (fuzzy)</source>
        <translation>importiert, als zu prüfen markiert (fuzzy)</translation>
    </message>
    <message>
        <source>imported, but reset to the original text at every save</source>
        <translation>importiert, aber bei jedem Speichern auf den Originaltext zurückgesetzt</translation>
    </message>
    <message>
        <source>carried for review, the source text changed a little</source>
        <translation>zur Prüfung übernommen, der Originaltext hat sich leicht geändert</translation>
    </message>
    <message>
        <source>new rows, left untranslated</source>
        <translation>neue Zeilen, nicht übersetzt gelassen</translation>
    </message>
    <message>
        <source>translations of source texts that are gone (rows of the older kit)</source>
        <translation>Übersetzungen weggefallener Originaltexte (Zeilen des älteren Kits)</translation>
    </message>
    <message>
        <source>left as they were, translated in this kit already</source>
        <translation>gelassen, wie sie waren, in diesem Kit schon übersetzt</translation>
    </message>
    <message>
        <source>%1 translations changed, %2 unchanged</source>
        <translation>%1 Übersetzungen geändert, %2 unverändert</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message numerus="yes">
        <source>rows %1</source>
        <translation>
            <numerusform>Zeile %1</numerusform>
            <numerusform>Zeilen %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %1 more</source>
        <translation>
            <numerusform> und %1 weitere</numerusform>
            <numerusform> und %1 weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped, its source text stands in several rows and the file does not say which</source>
        <translation>übersprungen, sein Quelltext steht in mehreren Zeilen und die Datei sagt nicht, in welcher</translation>
    </message>
    <message>
        <source>notes carried with their texts</source>
        <translation>Notizen mit ihren Texten übernommen</translation>
    </message>
    <message>
        <source>needs review and done as it is marks carried with their texts</source>
        <translation>Markierungen „Zu prüfen“ und „Fertig, wie es ist“ mit ihren Texten übernommen</translation>
    </message>
    <message>
        <source>translations of other source texts taken away, left untranslated</source>
        <translation>Übersetzungen anderer Quelltexte entfernt, unübersetzt gelassen</translation>
    </message>
</context>
<context>
    <name>KitSave</name>
    <message>
        <source>&quot;lang.dat&quot; compilation completed successfully!</source>
        <translation>„lang.dat“ wurde erfolgreich erstellt!</translation>
    </message>
    <message>
        <source>lang.dat is read-only: someone locked it against changes. Saving replaces it (the new lang.dat is read-only too).</source>
        <translation>lang.dat ist schreibgeschützt: Jemand hat sie gegen Änderungen gesperrt. Speichern ersetzt sie (die neue lang.dat ist ebenfalls schreibgeschützt).</translation>
    </message>
    <message>
        <source>kvmain.dat holds no texts: saving would give the game a lang.dat without any.</source>
        <translation>kvmain.dat enthält keine Texte: Speichern gäbe dem Spiel eine lang.dat ganz ohne Texte.</translation>
    </message>
    <message numerus="yes">
        <source>kvmain.dat holds no texts: saving would remove the %1 translations in lang.dat.</source>
        <translation>
            <numerusform>kvmain.dat enthält keine Texte: Speichern würde die %1 Übersetzung in lang.dat entfernen.</numerusform>
            <numerusform>kvmain.dat enthält keine Texte: Speichern würde die %1 Übersetzungen in lang.dat entfernen.</numerusform>
        </translation>
    </message>
    <message>
        <source>lang.dat holds %1 text records, but this save writes only %2: the last %3 translations would be lost.</source>
        <translation>lang.dat enthält %1 Texteinträge, dieses Speichern schreibt aber nur %2: Die letzten %3 Übersetzungen gingen verloren.</translation>
    </message>
    <message>
        <source>%1, code page %2</source>
        <translation>%1, Codepage %2</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Attantion</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>A language archive of the kit is missing or damaged and was read only in part:

</source>
        <translation>Ein Spracharchiv des Kits fehlt oder ist beschädigt und wurde nur teilweise gelesen:

</translation>
    </message>
    <message>
        <source>... and %1 more problems of the same kind
</source>
        <translation>... und %1 weitere Probleme derselben Art
</translation>
    </message>
    <message>
        <source>
Whatever could not be read is shown from the kit&apos;s own data (source texts, standard pictures). A save now writes a new &quot;lang.dat&quot; from what you see; keep a copy of the damaged file if you need its contents.</source>
        <translation>
Was nicht gelesen werden konnte, zeigt das Kit aus seinen eigenen Daten (Originaltexte, Standardbilder). Speichern schreibt jetzt eine neue „lang.dat“ aus dem, was Sie sehen; bewahren Sie eine Kopie der beschädigten Datei auf, wenn Sie ihren Inhalt brauchen.</translation>
    </message>
    <message>
        <source>Some of your settings were ignored; the kit&apos;s defaults stand in for them:

</source>
        <translation>Einige Ihrer Einstellungen wurden übergangen; an ihrer Stelle gelten die Vorgaben des Kits:

</translation>
    </message>
    <message>
        <source>The kit in %1 is already open in another window (%2).

Two windows on one kit save over each other&apos;s work. Open it anyway?</source>
        <translation>Das Kit in %1 ist bereits in einem anderen Fenster geöffnet (%2).

Zwei Fenster auf einem Kit überschreiben beim Speichern gegenseitig ihre Arbeit. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>The translator&apos;s guide is %1.

No program to show it was found here: open it with any text editor.</source>
        <translation>Die Anleitung für Übersetzer ist %1.

Hier wurde kein Programm gefunden, das sie anzeigt: Öffnen Sie sie mit einem beliebigen Texteditor.</translation>
    </message>
    <message>
        <source>The window speaks it from the next start.</source>
        <translation>Das Fenster spricht sie ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>PictureMessages</name>
    <message>
        <source>Some colours of this picture are not in the game palette. Use it with each of them changed to the nearest colour of the palette, as shown?</source>
        <translation>Einige Farben dieses Bildes sind nicht in der Palette des Spiels. Soll es verwendet werden, mit jeder von ihnen in die nächstliegende Farbe der Palette geändert, wie gezeigt?</translation>
    </message>
    <message>
        <source>
The largest change is a distance of %1 in red, green and blue.</source>
        <translation>
Die größte Änderung ist ein Abstand von %1 in Rot, Grün und Blau.</translation>
    </message>
    <message>
        <source>The translated picture chosen before is removed; Ctrl+Z brings it back.</source>
        <translation>Das zuvor gewählte übersetzte Bild ist entfernt; Strg+Z holt es zurück.</translation>
    </message>
    <message>
        <source>Size: %1 × %2 pixels
%3 of %4 pictures translated</source>
        <translation>Größe: %1 × %2 Pixel
%3 von %4 Bildern übersetzt</translation>
    </message>
    <message>
        <source>Has a translated picture</source>
        <translation>Hat ein übersetztes Bild</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <source>, %1 colours</source>
        <translation>, %1 Farben</translation>
    </message>
    <message>
        <source>No preview</source>
        <translation>Keine Vorschau</translation>
    </message>
</context>
<context>
    <name>SaveMessages</name>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>&quot;lang.dat&quot; was saved, but the save is not finished:

%1

The new &quot;lang.dat&quot; is in place; the rest of the save is put in place when the kit is next saved or opened.</source>
        <translation>„lang.dat“ wurde gespeichert, aber das Speichern ist nicht abgeschlossen:

%1

Die neue „lang.dat“ ist an ihrem Platz; der Rest des Speicherns wird an seinen Platz gebracht, wenn das Kit das nächste Mal gespeichert oder geöffnet wird.</translation>
    </message>
    <message>
        <source>&quot;lang.dat&quot; was not saved:

%1

The previous &quot;lang.dat&quot; is unchanged.</source>
        <translation>„lang.dat“ wurde nicht gespeichert:

%1

Die bisherige „lang.dat“ ist unverändert.</translation>
    </message>
    <message>
        <source>lang.dat holds glyphs of another font or code page. Replace them with %1?

If the game&apos;s texts should keep their letters, choose their font and code page on the Font page first.</source>
        <translation>lang.dat enthält Glyphen einer anderen Schrift oder Codepage. Durch %1 ersetzen?

Wenn die Texte des Spiels ihre Buchstaben behalten sollen, wählen Sie zuerst deren Schrift und Codepage auf der Seite „Schrift“.</translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation>

Trotzdem speichern?</translation>
    </message>
    <message>
        <source>

Replace it anyway?</source>
        <translation>

Trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>&quot;lang.dat&quot; has changed on disk since the kit read or last saved it: another save (kvtool, another window) wrote it meanwhile.

Reload the kit&apos;s texts and pictures from it (your unsaved edits are lost), overwrite it with your work (what the other save wrote is lost, but stays in &quot;lang.dat.bak&quot; until the next save), or cancel?</source>
        <translation>„lang.dat“ wurde auf der Festplatte geändert, seit das Kit sie gelesen oder zuletzt gespeichert hat: Ein anderes Speichern (kvtool, ein anderes Fenster) hat sie inzwischen geschrieben.

Texte und Bilder des Kits daraus neu laden (Ihre ungespeicherten Änderungen gehen verloren), sie mit Ihrer Arbeit überschreiben (was das andere Speichern schrieb, geht verloren, bleibt aber bis zum nächsten Speichern in „lang.dat.bak“) oder abbrechen?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Some of your work is not saved in &quot;lang.dat&quot; yet.

Save it before the kit closes?</source>
        <translation>Ein Teil Ihrer Arbeit ist noch nicht in „lang.dat“ gespeichert.

Vor dem Schließen des Kits speichern?</translation>
    </message>
</context>
<context>
    <name>TextChecker</name>
    <message>
        <source>no space</source>
        <translation>kein Leerzeichen</translation>
    </message>
    <message>
        <source>1 space</source>
        <translation>1 Leerzeichen</translation>
    </message>
    <message numerus="yes">
        <source>%1 spaces</source>
        <translation>
            <numerusform>%1 Leerzeichen</numerusform>
            <numerusform>%1 Leerzeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 Tabulator</translation>
    </message>
    <message numerus="yes">
        <source>%1 tabs</source>
        <translation>
            <numerusform>%1 Tabulator</numerusform>
            <numerusform>%1 Tabulatoren</numerusform>
        </translation>
    </message>
    <message>
        <source>the last character</source>
        <translation>das letzte Zeichen</translation>
    </message>
    <message numerus="yes">
        <source>the last %1 characters</source>
        <translation>
            <numerusform>das letzte Zeichen</numerusform>
            <numerusform>die letzten %1 Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bytes: the save keeps the first %2 and cuts %3, &quot;%4&quot;</source>
        <translation>%1 Bytes: Das Speichern behält die ersten %2 und schneidet %3 ab, „%4“</translation>
    </message>
    <message>
        <source>the original starts with %1, the translation with %2</source>
        <translation>das Original beginnt mit %1, die Übersetzung mit %2</translation>
    </message>
    <message>
        <source>the original ends with %1, the translation with %2</source>
        <translation>das Original endet mit %1, die Übersetzung mit %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>no end punctuation</source>
        <translation>kein Satzzeichen am Ende</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a carriage return</source>
        <translation>einen Wagenrücklauf</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>einen Tabulator</translation>
    </message>
    <message>
        <source>control character %1</source>
        <translation>Steuerzeichen %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written twice in a row</source>
        <translation>„%1“ steht zweimal hintereinander</translation>
    </message>
    <message>
        <source>two spaces in a row inside the translation</source>
        <translation>zwei Leerzeichen hintereinander in der Übersetzung</translation>
    </message>
    <message>
        <source>the translation holds %1, which the original does not</source>
        <translation>die Übersetzung enthält %1, das Original nicht</translation>
    </message>
    <message>
        <source>the translation is empty where the original is not</source>
        <translation>die Übersetzung ist leer, das Original nicht</translation>
    </message>
    <message>
        <source>placeholders in the original: %1; in the translation: %2</source>
        <translation>Platzhalter im Original: %1; in der Übersetzung: %2</translation>
    </message>
    <message>
        <source>the translation differs from the original; it is reset to the original text at every save</source>
        <translation>die Übersetzung weicht vom Original ab; sie wird bei jedem Speichern auf den Originaltext zurückgesetzt</translation>
    </message>
</context>
<context>
    <name>TextsMessages</name>
    <message>
        <source>%1 of %2 texts translated (%3%)</source>
        <translation>%1 von %2 Texten übersetzt (%3 %)</translation>
    </message>
    <message>
        <source>%1 to review</source>
        <translation>%1 zu prüfen</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message numerus="yes">
        <source>%1 warnings</source>
        <translation>
            <numerusform>%1 Warnung</numerusform>
            <numerusform>%1 Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 drawn wider</source>
        <translation>%1 breiter gezeichnet</translation>
    </message>
    <message>
        <source>your font draws %1% wider</source>
        <translation>Ihre Schrift zeichnet %1 % breiter</translation>
    </message>
    <message>
        <source>%1 / %2 bytes</source>
        <translation>%1 / %2 Bytes</translation>
    </message>
    <message>
        <source>Not translated yet: the translation is the original text</source>
        <translation>Noch nicht übersetzt: Die Übersetzung ist der Originaltext</translation>
    </message>
    <message>
        <source>Translated: done as it is</source>
        <translation>Übersetzt: bleibt so, wie es ist</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>Übersetzt</translation>
    </message>
    <message>
        <source>Needs review (Ctrl+U takes the mark away)</source>
        <translation>Zu prüfen (Strg+U nimmt die Markierung weg)</translation>
    </message>
    <message>
        <source>
Note: </source>
        <translation>
Notiz: </translation>
    </message>
    <message>
        <source>
Warning (%1): %2</source>
        <translation>
Warnung (%1): %2</translation>
    </message>
    <message>
        <source>
Row %1</source>
        <translation>
Zeile %1</translation>
    </message>
    <message>
        <source>Reset to the original text at every save</source>
        <translation>Wird bei jedem Speichern auf den Originaltext zurückgesetzt</translation>
    </message>
    <message>
        <source>This is the text the game will get: every save writes it as the translation. Edit it here if the game needs another one.</source>
        <translation>Diesen Text bekommt das Spiel: Jedes Speichern schreibt ihn als Übersetzung. Bearbeiten Sie ihn hier, wenn das Spiel einen anderen braucht.</translation>
    </message>
    <message>
        <source>The original text, as the game&apos;s own data holds it. It cannot be edited: the kit never writes it, so an edit would be lost at the next start. Translate it on the right.</source>
        <translation>Der Originaltext, wie ihn die eigenen Daten des Spiels enthalten. Er kann nicht bearbeitet werden: Das Kit schreibt ihn nie, eine Änderung ginge beim nächsten Start verloren. Übersetzen Sie ihn rechts.</translation>
    </message>
    <message>
        <source>Go to row</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Row number (1 to %1):</source>
        <translation>Zeilennummer (1 bis %1):</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Note for the reviewer on row %1 (kept in the kit folder, never in lang.dat):</source>
        <translation>Notiz für die Prüfung zu Zeile %1 (bleibt im Kit-Ordner, nie in lang.dat):</translation>
    </message>
    <message>
        <source>Mark row for review</source>
        <translation>Zeile zur Prüfung markieren</translation>
    </message>
    <message>
        <source>Unmark row for review</source>
        <translation>Prüfmarkierung der Zeile entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Mark %1 rows for review</source>
        <translation>
            <numerusform>%1 Zeile zur Prüfung markieren</numerusform>
            <numerusform>%1 Zeilen zur Prüfung markieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unmark %1 rows for review</source>
        <translation>
            <numerusform>Prüfmarkierung von %1 Zeile entfernen</numerusform>
            <numerusform>Prüfmarkierung von %1 Zeilen entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>Mark row done as it is</source>
        <translation>Zeile als fertig markieren, wie sie ist</translation>
    </message>
    <message>
        <source>Unmark row done as it is</source>
        <translation>Markierung „fertig, wie sie ist“ der Zeile entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Mark %1 rows done as it is</source>
        <translation>
            <numerusform>%1 Zeile als fertig markieren, wie sie ist</numerusform>
            <numerusform>%1 Zeilen als fertig markieren, wie sie sind</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unmark %1 rows done as it is</source>
        <translation>
            <numerusform>Markierung „fertig, wie sie ist“ von %1 Zeile entfernen</numerusform>
            <numerusform>Markierung „fertig, wie sie sind“ von %1 Zeilen entfernen</numerusform>
        </translation>
    </message>
    <message>
        <source>Note on row %1</source>
        <translation>Notiz zu Zeile %1</translation>
    </message>
    <message>
        <source>Use the translation of row %1 for every identical source</source>
        <translation>Übersetzung von Zeile %1 für jedes gleiche Original verwenden</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (U+%2) cannot be stored in code page %3. Choose the code page of your language on the Font page.</source>
        <translation>„%1“ (U+%2) kann in der Codepage %3 nicht gespeichert werden. Wählen Sie die Codepage Ihrer Sprache auf der Seite „Schrift“.</translation>
    </message>
    <message>
        <source>%1% fuzzy</source>
        <translation>%1% unscharf</translation>
    </message>
    <message>
        <source>Marked fuzzy in its memory: taken, the row is marked needs review</source>
        <translation>In seinem Speicher als unscharf markiert: übernommen, wird die Zeile als zu prüfen markiert</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>A translation memory could not be read; the suggestions come without it:

%1</source>
        <translation>Ein Übersetzungsspeicher konnte nicht gelesen werden; die Vorschläge kommen ohne ihn:

%1</translation>
    </message>
    <message>
        <source>Some translation memories could not be read; the suggestions come without them:

%1</source>
        <translation>Einige Übersetzungsspeicher konnten nicht gelesen werden; die Vorschläge kommen ohne sie:

%1</translation>
    </message>
    <message>
        <source>The spell check runs without the words of the kit&apos;s dictionary, which cannot be read. The file is left as it is: mend it (UTF-8 text, one word per line) and open the kit again to have its words back.</source>
        <translation>Die Rechtschreibprüfung läuft ohne die Wörter des Kit-Wörterbuchs, das nicht gelesen werden kann. Die Datei bleibt, wie sie ist: Berichtigen Sie sie (UTF-8-Text, ein Wort pro Zeile) und öffnen Sie das Kit erneut, um seine Wörter zurückzubekommen.</translation>
    </message>
    <message>
        <source>The spell check is off: its dictionary cannot be used. Choose another one, or install it (Debian&apos;s hunspell packages, e.g. hunspell-en-us).</source>
        <translation>Die Rechtschreibprüfung ist aus: Ihr Wörterbuch kann nicht verwendet werden. Wählen Sie ein anderes oder installieren Sie es (Debians hunspell-Pakete, z. B. hunspell-de-de).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not added to the kit&apos;s dictionary:

%2

The file is left as it is.</source>
        <translation>„%1“ wurde nicht in das Kit-Wörterbuch aufgenommen:

%2

Die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source> - suggested for code page %1</source>
        <translation> – empfohlen für Codepage %1</translation>
    </message>
    <message>
        <source>Found in row %1.</source>
        <translation>Gefunden in Zeile %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in no translation of the rows shown.</source>
        <translation>„%1“ steht in keiner Übersetzung der gezeigten Zeilen.</translation>
    </message>
    <message>
        <source>Nothing replaced: row %1 would hold &quot;%2&quot; (U+%3), which code page %4 cannot store.</source>
        <translation>Nichts ersetzt: Zeile %1 enthielte „%2“ (U+%3), das die Codepage %4 nicht speichern kann.</translation>
    </message>
    <message>
        <source>Nothing to replace in the rows shown.</source>
        <translation>In den gezeigten Zeilen gibt es nichts zu ersetzen.</translation>
    </message>
    <message>
        <source>Replaced %1 time(s) in %2 row(s).</source>
        <translation>%1-mal ersetzt in %2 Zeile(n).</translation>
    </message>
    <message>
        <source>Replace &quot;%1&quot; with &quot;%2&quot;</source>
        <translation>„%1“ durch „%2“ ersetzen</translation>
    </message>
</context>
<context>
    <name>TranslationConsistency</name>
    <message numerus="yes">
        <source>%1 more</source>
        <translation>
            <numerusform>%1 weitere</numerusform>
            <numerusform>%1 weiteren</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the same original is translated otherwise in row %1</source>
        <translation>dasselbe Original ist in Zeile %1 anders übersetzt</translation>
    </message>
    <message numerus="yes">
        <source>the same original is translated otherwise in rows %1</source>
        <translation>
            <numerusform>dasselbe Original ist in Zeile %1 anders übersetzt</numerusform>
            <numerusform>dasselbe Original ist in den Zeilen %1 anders übersetzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvanta::CodePage</name>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
</context>
<context>
    <name>orvanta::DocumentSuggestions</name>
    <message>
        <source>Take fuzzy suggestion for translation %1</source>
        <translation>Unscharfen Vorschlag für Übersetzung %1 übernehmen</translation>
    </message>
</context>
<context>
    <name>orvanta::ExchangeActions</name>
    <message>
        <source>Texts (%1)</source>
        <translation>Texte (%1)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Alle (*)</translation>
    </message>
    <message>
        <source>The older kit&apos;s folder (its kvmain.dat and lang.dat)</source>
        <translation>Der Ordner des älteren Kits (mit seiner kvmain.dat und lang.dat)</translation>
    </message>
</context>
<context>
    <name>orvanta::FindReplaceWindow</name>
    <message>
        <source>Whole words only</source>
        <translation>Nur ganze Wörter</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Find and replace in translations</source>
        <translation>In Übersetzungen suchen und ersetzen</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>orvanta::FontPage</name>
    <message>
        <source>ANNOTATION:</source>
        <translation>HINWEIS:</translation>
    </message>
    <message>
        <source>For drawing texts the game needs to get font (in your language) like collection of pictures. If you have not the standard font that we use in the game &quot;Arial 8pt&quot; you can use some other font.</source>
        <translation>Um Texte zu zeichnen, braucht das Spiel die Schrift (in Ihrer Sprache) als Sammlung von Bildern. Wenn Sie die Standardschrift des Spiels „Arial 8pt“ nicht haben, können Sie eine andere Schrift verwenden.</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ACHTUNG:</translation>
    </message>
    <message>
        <source>If you want to get correct drawing of all the texts you must choose font that looks like the original and have the same size in pixels.</source>
        <translation>Damit alle Texte richtig gezeichnet werden, wählen Sie eine Schrift, die wie das Original aussieht und dieselbe Größe in Pixeln hat.</translation>
    </message>
    <message>
        <source>If you have OS like Windows XP or any other that can draw texts with smooth effect. You must off this option before getting the font. You can do it in the screen properties. If you do not do this, the texts in the game may drawing incorrectly.</source>
        <translation>Wenn Ihr System (etwa Windows XP) Texte geglättet zeichnen kann, schalten Sie diese Option vor dem Erfassen der Schrift aus. Das geht in den Anzeigeeinstellungen. Sonst werden die Texte im Spiel womöglich falsch gezeichnet.</translation>
    </message>
    <message>
        <source>Window language:</source>
        <translation>Fenstersprache:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Choose font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Codepage:</translation>
    </message>
    <message>
        <source>Glyph sheet:</source>
        <translation>Glyphentafel:</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Breite einpassen</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>Choose the font and code page of your language here; the translation is done on the &lt;a href=&quot;texts&quot;&gt;Texts&lt;/a&gt; page.</source>
        <translation>Wählen Sie hier Schrift und Codepage Ihrer Sprache; übersetzt wird auf der Seite &lt;a href=&quot;texts&quot;&gt;Texte&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>The language of the window&apos;s texts, from the next start</source>
        <translation>Die Sprache der Texte des Fensters, ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Originals: %1</source>
        <translation>Originale: %1</translation>
    </message>
    <message>
        <source>The original texts are in code page %1, the game&apos;s; &quot;Code page:&quot; chooses the translations&apos;.</source>
        <translation>Die Originaltexte stehen in der Codepage %1, der des Spiels; „Codepage:“ wählt die der Übersetzungen.</translation>
    </message>
</context>
<context>
    <name>orvanta::KitDocument</name>
    <message>
        <source>Remove picture %1</source>
        <translation>Bild %1 entfernen</translation>
    </message>
    <message>
        <source>Accept picture %1</source>
        <translation>Bild %1 annehmen</translation>
    </message>
    <message>
        <source>Choose font %1</source>
        <translation>Schrift %1 wählen</translation>
    </message>
    <message>
        <source>Choose code page %1</source>
        <translation>Codepage %1 wählen</translation>
    </message>
    <message>
        <source>Refuse picture %1 for %2</source>
        <translation>Bild %1 für %2 ablehnen</translation>
    </message>
</context>
<context>
    <name>orvanta::KvTool</name>
    <message>
        <source>list ARCHIVE                 entries: name, size, offset</source>
        <translation>list ARCHIV                  Einträge: Name, Größe, Position</translation>
    </message>
    <message>
        <source>extract ARCHIVE [NAME...]    write entries (all, or those named) to files</source>
        <translation>extract ARCHIV [NAME...]     Einträge (alle oder die genannten) in Dateien schreiben</translation>
    </message>
    <message>
        <source>pack OUT FILE...             write an archive of the files</source>
        <translation>pack ZIEL DATEI...           ein Archiv aus den Dateien schreiben</translation>
    </message>
    <message>
        <source>texts build|export|import|migrate|widths|check ... the game&apos;s text files</source>
        <translation>texts build|export|import|migrate|widths|check ... die Textdateien des Spiels</translation>
    </message>
    <message>
        <source>glyphs --font F --size N ... the glyph files of a font</source>
        <translation>glyphs --font F --size N ... die Glyphendateien einer Schrift</translation>
    </message>
    <message>
        <source>render --glyphs DIR TEXT ... a text drawn as the game draws it, to a PNG</source>
        <translation>render --glyphs ORDNER TEXT ... ein Text, wie das Spiel ihn zeichnet, als PNG</translation>
    </message>
    <message>
        <source>compile KITDIR [options]      a new lang.dat, as the save button makes it</source>
        <translation>compile KITORDNER [Optionen]  eine neue lang.dat, wie die Speichern-Schaltfläche sie erstellt</translation>
    </message>
    <message>
        <source>picture original|check|fit ... the nine button pictures</source>
        <translation>picture original|check|fit ... die neun Schaltflächenbilder</translation>
    </message>
    <message>
        <source>verify ARCHIVE               check an archive and the entries the kit knows</source>
        <translation>verify ARCHIV                ein Archiv und die Einträge prüfen, die das Kit kennt</translation>
    </message>
    <message>
        <source>Usage: kvtool COMMAND [ARGS...]

Commands:
</source>
        <translation>Aufruf: kvtool BEFEHL [ARGUMENTE...]

Befehle:
</translation>
    </message>
    <message>
        <source>
&apos;kvtool COMMAND --help&apos; describes a command and its options.</source>
        <translation>
„kvtool BEFEHL --help“ beschreibt einen Befehl und seine Optionen.</translation>
    </message>
</context>
<context>
    <name>orvanta::PaletteFit</name>
    <message>
        <source>All colours of this picture are in the game palette. Use it converted to the game palette?</source>
        <translation>Alle Farben dieses Bildes sind in der Palette des Spiels. Das Bild in die Palette des Spiels umgewandelt verwenden?</translation>
    </message>
    <message>
        <source>1 pixel has a colour that is not in the game palette:</source>
        <translation>1 Pixel hat eine Farbe, die nicht in der Palette des Spiels ist:</translation>
    </message>
    <message numerus="yes">
        <source>%1 pixels have colours that are not in the game palette:</source>
        <translation>
            <numerusform>%1 Pixel hat eine Farbe, die nicht in der Palette des Spiels ist:</numerusform>
            <numerusform>%1 Pixel haben Farben, die nicht in der Palette des Spiels sind:</numerusform>
        </translation>
    </message>
    <message>
        <source>
  and %1 more</source>
        <translation>
  und %1 weitere</translation>
    </message>
</context>
<context>
    <name>orvanta::PictureCatalogue</name>
    <message>
        <source>&quot;Stock&quot; Pressed (Storage menu)</source>
        <translation>„Stock“ gedrückt (Lagermenü)</translation>
    </message>
    <message>
        <source>&quot;Stock&quot; Selected (Storage menu)</source>
        <translation>„Stock“ ausgewählt (Lagermenü)</translation>
    </message>
    <message>
        <source>&quot;Sites&quot; Pressed (Map menu)</source>
        <translation>„Sites“ gedrückt (Kartenmenü)</translation>
    </message>
    <message>
        <source>&quot;Budget&quot; (Map menu)</source>
        <translation>„Budget“ (Kartenmenü)</translation>
    </message>
    <message>
        <source>&quot;Pursue&quot; (Map menu)</source>
        <translation>„Pursue“ (Kartenmenü)</translation>
    </message>
    <message>
        <source>&quot;Settings&quot; (Map menu)</source>
        <translation>„Settings“ (Kartenmenü)</translation>
    </message>
    <message>
        <source>&quot;Archive&quot; (Map menu)</source>
        <translation>„Archive“ (Kartenmenü)</translation>
    </message>
    <message>
        <source>All buttons (Map menu)</source>
        <translation>Alle Schaltflächen (Kartenmenü)</translation>
    </message>
    <message>
        <source>&quot;Stock&quot; (Storage menu)</source>
        <translation>„Stock“ (Lagermenü)</translation>
    </message>
</context>
<context>
    <name>orvanta::PicturesPage</name>
    <message>
        <source>ANNOTATION:</source>
        <translation>HINWEIS:</translation>
    </message>
    <message>
        <source>Some texts can&apos;t fit in buttons boundaries and it was added to the game like pictures. You can translate this texts by correcting this pictures. Source images you can find in &quot;Sources&quot; subdirectory of this Localization Kit.</source>
        <translation>Manche Texte passen nicht in die Grenzen der Schaltflächen und sind als Bilder im Spiel. Sie übersetzen diese Texte, indem Sie die Bilder ändern. Die Vorlagen finden Sie im Unterordner „Sources“ dieses Kits.</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ACHTUNG:</translation>
    </message>
    <message>
        <source>Do not modify color table or color definition because the game uses it&apos;s own palette and drawing methods!</source>
        <translation>Ändern Sie weder die Farbtabelle noch die Farbdefinition, denn das Spiel verwendet eigene Paletten und Zeichenverfahren!</translation>
    </message>
    <message>
        <source>Standard picture:</source>
        <translation>Standardbild:</translation>
    </message>
    <message>
        <source>Translated picture:</source>
        <translation>Übersetztes Bild:</translation>
    </message>
    <message>
        <source>Picture selection:</source>
        <translation>Bildauswahl:</translation>
    </message>
    <message>
        <source>Redrawn pictures may be BMP or PNG files. When every colour of a picture is in the game palette, the kit offers to convert it to the palette.</source>
        <translation>Neu gezeichnete Bilder können BMP- oder PNG-Dateien sein. Sind alle Farben eines Bildes in der Palette des Spiels, bietet das Kit an, es in die Palette umzuwandeln.</translation>
    </message>
    <message>
        <source>Save original picture</source>
        <translation>Originalbild speichern</translation>
    </message>
    <message>
        <source>Choose translated picture</source>
        <translation>Übersetztes Bild wählen</translation>
    </message>
    <message>
        <source>Remove translated picture</source>
        <translation>Übersetztes Bild entfernen</translation>
    </message>
    <message>
        <source>All (*.*)</source>
        <translation>Alle (*.*)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmap-Bilder (*.bmp)</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png)</source>
        <translation>Bilder (*.bmp *.png)</translation>
    </message>
    <message>
        <source>Zoom %1x</source>
        <translation>Vergrößerung %1x</translation>
    </message>
</context>
<context>
    <name>orvanta::ReviewPanels</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The current row as the game will draw it</source>
        <translation>Die aktuelle Zeile, wie das Spiel sie zeichnen wird</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
</context>
<context>
    <name>orvanta::SpellingCheck</name>
    <message>
        <source>&quot;%1&quot; is not in the %2 dictionary</source>
        <translation>„%1“ steht nicht im Wörterbuch %2</translation>
    </message>
</context>
<context>
    <name>orvanta::SpellingMenu</name>
    <message>
        <source>Spell check</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>(no suggestions)</source>
        <translation>(keine Vorschläge)</translation>
    </message>
    <message>
        <source>Add to the kit&apos;s dictionary</source>
        <translation>Zum Wörterbuch des Kits hinzufügen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>orvanta::SuggestionsList</name>
    <message>
        <source>Suggestion</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Translations of identical and similar originals. Double-click or Enter takes one, Alt+1 to Alt+9 the first nine.</source>
        <translation>Übersetzungen gleicher und ähnlicher Originale. Doppelklick oder Eingabe übernimmt eine, Alt+1 bis Alt+9 die ersten neun.</translation>
    </message>
</context>
<context>
    <name>orvanta::SuggestionsPanel</name>
    <message>
        <source>A translation memory: a %1 file, or another kit&apos;s kvmain.dat</source>
        <translation>Ein Übersetzungsspeicher: eine %1-Datei oder die kvmain.dat eines anderen Kits</translation>
    </message>
    <message>
        <source>Translation memories (%1 kvmain.dat)</source>
        <translation>Übersetzungsspeicher (%1 kvmain.dat)</translation>
    </message>
    <message>
        <source>All (*)</source>
        <translation>Alle (*)</translation>
    </message>
</context>
<context>
    <name>orvanta::TMainForm</name>
    <message>
        <source>Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware</source>
        <translation>Orvanta-Lokalisierungskit V1.2 (für Orvanta V1.25) – Kolvane Software</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Save data to &quot;lang.dat&quot;</source>
        <translation>In „lang.dat“ speichern</translation>
    </message>
</context>
<context>
    <name>orvanta::TextChecksList</name>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Every check</source>
        <translation>Alle Prüfungen</translation>
    </message>
    <message>
        <source>Only %1</source>
        <translation>Nur %1</translation>
    </message>
    <message>
        <source>Every warning but wider</source>
        <translation>Jede Warnung außer wider</translation>
    </message>
</context>
<context>
    <name>orvanta::TextEditCommand</name>
    <message>
        <source>Edit source text %1</source>
        <translation>Originaltext %1 bearbeiten</translation>
    </message>
    <message>
        <source>Edit translation %1</source>
        <translation>Übersetzung %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>orvanta::TextPreview</name>
    <message>
        <source>Original:</source>
        <translation>Originaltext:</translation>
    </message>
    <message>
        <source>Translated:</source>
        <translation>Übersetzt:</translation>
    </message>
    <message>
        <source>Enlarge the game&apos;s pixels</source>
        <translation>Die Pixel des Spiels vergrößern</translation>
    </message>
</context>
<context>
    <name>orvanta::TextTableModel</name>
    <message>
        <source>Original texts</source>
        <translation>Originaltexte</translation>
    </message>
</context>
<context>
    <name>orvanta::TextsNavigation</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Untranslated</source>
        <translation>Nicht übersetzt</translation>
    </message>
    <message>
        <source>Translated</source>
        <translation>Übersetzt</translation>
    </message>
    <message>
        <source>Needs review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>With warnings</source>
        <translation>Mit Warnungen</translation>
    </message>
    <message>
        <source>With notes</source>
        <translation>Mit Notizen</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Festgelegt</translation>
    </message>
    <message>
        <source>Search texts (Ctrl+F)</source>
        <translation>Texte suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Shows the rows whose original or translation holds this text. Enter: translate the first row shown. Escape: show every row again.</source>
        <translation>Zeigt die Zeilen, deren Original oder Übersetzung diesen Text enthält. Eingabe: die erste gezeigte Zeile übersetzen. Escape: wieder alle Zeilen zeigen.</translation>
    </message>
    <message>
        <source>Which rows the grid shows</source>
        <translation>Welche Zeilen die Tabelle zeigt</translation>
    </message>
    <message>
        <source>Drawn wider</source>
        <translation>Breiter gezeichnet</translation>
    </message>
</context>
<context>
    <name>orvanta::TextsPage</name>
    <message>
        <source>ANNOTATION</source>
        <translation>HINWEIS</translation>
    </message>
    <message>
        <source>You can translate any texts of the game that you want. Original texts is in the left side and translated texts is in the right side of the grid.</source>
        <translation>Sie können beliebige Texte des Spiels übersetzen. Die Originaltexte stehen links, die übersetzten Texte rechts in der Tabelle.</translation>
    </message>
    <message>
        <source>WARNING:</source>
        <translation>ACHTUNG:</translation>
    </message>
    <message>
        <source>Do not forget spaces in the beginning and ending of each line if you do not add it like in the original texts, the texts may drawing incorrectly!</source>
        <translation>Vergessen Sie die Leerzeichen am Anfang und Ende jeder Zeile nicht: Fehlen sie anders als im Original, werden die Texte womöglich falsch gezeichnet!</translation>
    </message>
    <message>
        <source>Export texts...</source>
        <translation>Texte exportieren...</translation>
    </message>
    <message>
        <source>Import texts...</source>
        <translation>Texte importieren...</translation>
    </message>
    <message>
        <source>Original text:</source>
        <translation>Originaltext:</translation>
    </message>
    <message>
        <source>Translated text:</source>
        <translation>Übersetzter Text:</translation>
    </message>
    <message>
        <source>Take translations from an older kit...</source>
        <translation>Übersetzungen aus einem älteren Kit übernehmen...</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Next untranslated row</source>
        <translation>Nächste nicht übersetzte Zeile</translation>
    </message>
    <message>
        <source>Go to row...</source>
        <translation>Gehe zu Zeile...</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Needs review</source>
        <translation>Zu prüfen</translation>
    </message>
    <message>
        <source>Done as it is</source>
        <translation>Fertig, wie es ist</translation>
    </message>
    <message>
        <source>Edit note...</source>
        <translation>Notiz bearbeiten...</translation>
    </message>
    <message>
        <source>Use this translation for every identical source</source>
        <translation>Diese Übersetzung für jedes gleiche Original verwenden</translation>
    </message>
    <message>
        <source>Add translation memory...</source>
        <translation>Übersetzungsspeicher hinzufügen...</translation>
    </message>
    <message>
        <source>Forget translation memories</source>
        <translation>Übersetzungsspeicher vergessen</translation>
    </message>
    <message>
        <source>Take suggestion %1</source>
        <translation>Vorschlag %1 übernehmen</translation>
    </message>
    <message>
        <source>Find and replace...</source>
        <translation>Suchen und ersetzen...</translation>
    </message>
    <message>
        <source>Allowed width...</source>
        <translation>Erlaubte Breite...</translation>
    </message>
</context>
<context>
    <name>orvanta::TranslatedPictureCheck</name>
    <message>
        <source>Translated picture sizes mismatch!</source>
        <translation>Die Größe des übersetzten Bildes stimmt nicht!</translation>
    </message>
    <message>
        <source>Translated picture colors definition mismatch!</source>
        <translation>Die Farbdefinition des übersetzten Bildes stimmt nicht!</translation>
    </message>
    <message>
        <source>Translated picture palette differs from original!</source>
        <translation>Die Palette des übersetzten Bildes weicht vom Original ab!</translation>
    </message>
</context>
<context>
    <name>orvanta::TranslationEditor</name>
    <message>
        <source>The current row&apos;s translation, on as many lines as it needs</source>
        <translation>Die Übersetzung der aktuellen Zeile, auf so vielen Zeilen, wie sie braucht</translation>
    </message>
</context>
<context>
    <name>orvanta::WiderAllowanceDialog</name>
    <message>
        <source>Allowed width</source>
        <translation>Erlaubte Breite</translation>
    </message>
    <message>
        <source>A translation drawn wider than its original is listed as &quot;wider&quot; only when it is wider by more than this:</source>
        <translation>Eine Übersetzung, die breiter als ihr Original gezeichnet wird, wird nur dann als „wider“ aufgeführt, wenn sie um mehr als dies breiter ist:</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>% of the original&apos;s width</source>
        <translation>% der Breite des Originals</translation>
    </message>
</context>
<context>
    <name>orvanta::WiderTextCheck</name>
    <message>
        <source>the translation is drawn %1 pixels wide, the original %2 pixels</source>
        <translation>die Übersetzung wird %1 Pixel breit gezeichnet, das Original %2 Pixel</translation>
    </message>
    <message>
        <source> (%1 in this font)</source>
        <translation> (%1 in dieser Schrift)</translation>
    </message>
</context>
</TS>
