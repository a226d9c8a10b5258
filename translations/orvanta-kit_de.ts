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
    <name>OpenKit</name>
    <message>
        <source>kvmain.dat&apos;s source texts are not those the translations in lang.dat were saved against (a new game version): %1 rows moved, %2 changed, %3 came, %4 went</source>
        <translation>Die Originaltexte in kvmain.dat sind nicht die, für die die Übersetzungen in lang.dat gespeichert wurden (eine neue Spielversion): %1 Zeilen verschoben, %2 geändert, %3 hinzugekommen, %4 weggefallen</translation>
    </message>
    <message>
        <source>holds %1 texts, but kvmain.dat holds %2: its translations may stand beside other source texts than they were made for. To move to a new kit version, take the translations from the old kit&apos;s folder (&quot;Take translations from an older kit...&quot; on the Texts page, or kvtool texts migrate KITDIR OLDKIT)</source>
        <translation>enthält %1 Texte, kvmain.dat aber %2: Seine Übersetzungen stehen womöglich neben anderen Originaltexten als denen, für die sie gemacht wurden. Um auf eine neue Kit-Version umzusteigen, übernehmen Sie die Übersetzungen aus dem Ordner des alten Kits („Übersetzungen aus einem älteren Kit übernehmen...“ auf der Seite Texte, oder kvtool texts migrate KITDIR OLDKIT)</translation>
    </message>
    <message>
        <source>redrawn picture kept aside, its standard picture changed: %1 (as %2)</source>
        <translation>neu gezeichnetes Bild beiseitegelegt, sein Standardbild hat sich geändert: %1 (als %2)</translation>
    </message>
    <message>
        <source>redrawn pictures carried: %1 (%2)</source>
        <translation>neu gezeichnete Bilder übernommen: %1 (%2)</translation>
    </message>
    <message>
        <source>kit dictionary words carried: %1</source>
        <translation>Wörter des Kit-Wörterbuchs übernommen: %1</translation>
    </message>
    <message>
        <source>font %1</source>
        <translation>Schrift %1</translation>
    </message>
    <message>
        <source>code page %1</source>
        <translation>Codepage %1</translation>
    </message>
    <message>
        <source>spell check %1</source>
        <translation>Rechtschreibprüfung %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 translation memories</source>
        <translation>%1 Übersetzungsspeicher</translation>
    </message>
    <message>
        <source>settings taken from the older kit: %1</source>
        <translation>Einstellungen aus dem älteren Kit übernommen: %1</translation>
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
    <name>TextFormat</name>
    <message>
        <source>PO files</source>
        <translation>PO-Dateien</translation>
    </message>
    <message>
        <source>PO templates</source>
        <translation>PO-Vorlagen</translation>
    </message>
    <message>
        <source>XLIFF files</source>
        <translation>XLIFF-Dateien</translation>
    </message>
    <message>
        <source>XLIFF files for OmegaT</source>
        <translation>XLIFF-Dateien für OmegaT</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>TMX translation memories</source>
        <translation>TMX-Übersetzungsspeicher</translation>
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
    <message>
        <source>Lists the entries of a language archive in directory order: name, size and offset, tab-separated.</source>
        <translation>Listet die Einträge eines Spracharchivs in der Reihenfolge des Verzeichnisses auf: Name, Größe und Position, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>The archive, e.g. lang.dat.</source>
        <translation>Das Archiv, z. B. lang.dat.</translation>
    </message>
    <message>
        <source>Writes the bytes of archive entries to files named after them, in the current folder: each NAME, looked up as the kit does (upper-cased), or every entry when no NAME is given. -o names the file of a single entry. A folder part of an entry name is dropped, so nothing lands outside the folder; two entries that would land in one file (a name used twice, names that differ only in a folder part or in case) are refused before anything is written.</source>
        <translation>Schreibt die Bytes von Archiveinträgen in Dateien, die nach ihnen benannt sind, im aktuellen Ordner: jeden NAME, gesucht wie im Kit (in Großbuchstaben), oder jeden Eintrag, wenn kein NAME angegeben ist. -o benennt die Datei eines einzelnen Eintrags. Ein Ordnerteil eines Eintragsnamens wird weggelassen, damit nichts außerhalb des Ordners landet; zwei Einträge, die in derselben Datei landen würden (ein doppelt verwendeter Name, Namen, die sich nur in einem Ordnerteil oder in der Groß-/Kleinschreibung unterscheiden), werden abgelehnt, bevor etwas geschrieben wird.</translation>
    </message>
    <message>
        <source>The entries, e.g. texts.dat.</source>
        <translation>Die Einträge, z. B. texts.dat.</translation>
    </message>
    <message>
        <source>Write to &lt;file&gt;.</source>
        <translation>In &lt;file&gt; schreiben.</translation>
    </message>
    <message>
        <source>Writes a language archive with one entry per FILE, in the given order, named by the upper-cased bare file name. OUT is replaced only when the whole archive is written.</source>
        <translation>Schreibt ein Spracharchiv mit einem Eintrag je FILE, in der angegebenen Reihenfolge, benannt nach dem bloßen Dateinamen in Großbuchstaben. OUT wird erst ersetzt, wenn das ganze Archiv geschrieben ist.</translation>
    </message>
    <message>
        <source>The archive to write.</source>
        <translation>Das zu schreibende Archiv.</translation>
    </message>
    <message>
        <source>The files to pack.</source>
        <translation>Die zu packenden Dateien.</translation>
    </message>
    <message>
        <source>Windows code page of the texts (default %1).</source>
        <translation>Windows-Codepage der Texte (Vorgabe %1).</translation>
    </message>
    <message>
        <source>Windows code page of the translations (default: the kit&apos;s own, as the window last used it, else %1); the sources are read in the game&apos;s.</source>
        <translation>Windows-Codepage der Übersetzungen (Vorgabe: die des Kits, wie das Fenster sie zuletzt verwendet hat, sonst %1); die Originaltexte werden in der des Spiels gelesen.</translation>
    </message>
    <message>
        <source>Save even when lang.dat holds more text records than the kit has source texts; the others are lost.</source>
        <translation>Auch speichern, wenn lang.dat mehr Texteinträge enthält, als das Kit Originaltexte hat; die übrigen gehen verloren.</translation>
    </message>
    <message>
        <source>Save even while the kit is open in a window.</source>
        <translation>Auch speichern, während das Kit in einem Fenster geöffnet ist.</translation>
    </message>
    <message>
        <source>Replace lang.dat even when it is read-only.</source>
        <translation>lang.dat auch ersetzen, wenn sie schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>Save even when kvmain.dat&apos;s source texts are not those lang.dat&apos;s translations were saved against: each translation stays in its row.</source>
        <translation>Auch speichern, wenn die Originaltexte von kvmain.dat nicht die sind, zu denen die Übersetzungen von lang.dat gespeichert wurden: Jede Übersetzung bleibt in ihrer Zeile.</translation>
    </message>
    <message>
        <source>Font family, e.g. Arial.</source>
        <translation>Schriftfamilie, z. B. Arial.</translation>
    </message>
    <message>
        <source>Size in points (whole number).</source>
        <translation>Größe in Punkt (ganze Zahl).</translation>
    </message>
    <message>
        <source>Bold.</source>
        <translation>Fett.</translation>
    </message>
    <message>
        <source>Italic.</source>
        <translation>Kursiv.</translation>
    </message>
    <message>
        <source>Underlined.</source>
        <translation>Unterstrichen.</translation>
    </message>
    <message>
        <source>Struck out.</source>
        <translation>Durchgestrichen.</translation>
    </message>
    <message>
        <source>Does what opening the kit in KITDIR, choosing the font and pictures and pressing &quot;Save data to lang.dat&quot; does: loads the texts and the pictures of lang.dat, resets the fixed texts, captures the font, tests the pictures, and replaces KITDIR/lang.dat only once the new one is complete, keeping the old one as KITDIR/lang.dat.bak. A refused picture prints the kit&apos;s message before anything is written; one the button would offer to convert to the game palette (every colour in it) is taken converted. A save that would write fewer text records than lang.dat holds is refused unless --allow-fewer-texts is given; one that replaces glyphs of another font or code page in lang.dat warns and goes on. Refuses while the kit is open in a window, unless --while-open. Waits a few seconds for another save of the same kit to end.</source>
        <translation>Tut, was das Öffnen des Kits in KITDIR, die Wahl von Schrift und Bildern und ein Klick auf „Save data to lang.dat“ tun: lädt die Texte und Bilder von lang.dat, setzt die festen Texte zurück, erfasst die Schrift, prüft die Bilder und ersetzt KITDIR/lang.dat erst, wenn die neue vollständig ist; die alte bleibt als KITDIR/lang.dat.bak. Bei einem abgelehnten Bild wird die Meldung des Kits ausgegeben, bevor etwas geschrieben wird; ein Bild, dessen Umwandlung in die Spielpalette die Schaltfläche anbieten würde (jede seiner Farben ist darin), wird umgewandelt übernommen. Ein Speichern, das weniger Texteinträge schriebe, als lang.dat enthält, wird abgelehnt, außer mit --allow-fewer-texts; eines, das Glyphen einer anderen Schrift oder Codepage in lang.dat ersetzt, warnt und macht weiter. Lehnt ab, während das Kit in einem Fenster geöffnet ist, außer mit --while-open. Wartet einige Sekunden, bis ein anderes Speichern desselben Kits endet.</translation>
    </message>
    <message>
        <source>The kit folder.</source>
        <translation>Der Kit-Ordner.</translation>
    </message>
    <message>
        <source>A translated picture for a row (repeatable).</source>
        <translation>Ein übersetztes Bild für eine Zeile (wiederholbar).</translation>
    </message>
    <message>
        <source>Captures the 256 codes of a font as the game&apos;s glyph files, exactly as the kit&apos;s save does, and writes font.spr and fontsize.dat into a folder. Code c draws the character that byte c stands for in the code page; code 0 draws nothing. Glyphs are drawn at 96 pixels per inch without smoothing.</source>
        <translation>Erfasst die 256 Codes einer Schrift als Glyphendateien des Spiels, genau wie das Speichern des Kits, und schreibt font.spr und fontsize.dat in einen Ordner. Code c zeichnet das Zeichen, für das das Byte c in der Codepage steht; Code 0 zeichnet nichts. Die Glyphen werden mit 96 Pixeln pro Zoll ohne Glättung gezeichnet.</translation>
    </message>
    <message>
        <source>Write the glyph files into &lt;dir&gt;.</source>
        <translation>Die Glyphendateien in &lt;dir&gt; schreiben.</translation>
    </message>
    <message>
        <source>Also draw the 256 glyph cells (16 x 16, enlarged) to &lt;png&gt;.</source>
        <translation>Außerdem die 256 Glyphenzellen (16 x 16, vergrößert) in &lt;png&gt; zeichnen.</translation>
    </message>
    <message>
        <source>

Rows:</source>
        <translation>

Zeilen:</translation>
    </message>
    <message>
        <source>The catalogue row, 1 to 9.</source>
        <translation>Die Zeile des Katalogs, 1 bis 9.</translation>
    </message>
    <message>
        <source>Usage: kvtool picture original ROW OUT.bmp
       kvtool picture check ROW FILE.bmp
       kvtool picture fit ROW IN OUT.bmp [--nearest]

  original  writes a row&apos;s standard picture as an 8-bit BMP
  check     loads a redrawn BMP and tests it against the row&apos;s standard
            picture; prints &quot;accepted&quot; or the reason it is refused
  fit       puts any picture (PNG, BMP of any depth...) onto the game palette

Rows:</source>
        <translation>Aufruf: kvtool picture original ROW OUT.bmp
        kvtool picture check ROW FILE.bmp
        kvtool picture fit ROW IN OUT.bmp [--nearest]

  original  schreibt das Standardbild einer Zeile als 8-Bit-BMP
  check     lädt ein neu gezeichnetes BMP und prüft es gegen das Standardbild
            der Zeile; gibt „accepted“ aus oder den Grund der Ablehnung
  fit       bringt ein beliebiges Bild (PNG, BMP jeder Farbtiefe...) auf die Spielpalette

Zeilen:</translation>
    </message>
    <message>
        <source>Writes the standard picture of ROW as the kit&apos;s &quot;Save original picture&quot; does: 8 bits per pixel, uncompressed, with the game&apos;s 255-colour palette. OUT is replaced only once it is complete.</source>
        <translation>Schreibt das Standardbild von ROW wie „Save original picture“ im Kit: 8 Bit pro Pixel, unkomprimiert, mit der 255-Farben-Palette des Spiels. OUT wird erst ersetzt, wenn es vollständig ist.</translation>
    </message>
    <message>
        <source>Loads FILE and tests it against the standard picture of ROW as the kit&apos;s &quot;Choose translated picture&quot; does: size, then pixel format, then palette. Prints &quot;accepted&quot; (exit code 0) or the kit&apos;s message: the refusal or why the file could not be loaded (exit code 1).</source>
        <translation>Lädt FILE und prüft sie gegen das Standardbild von ROW wie „Choose translated picture“ im Kit: Größe, dann Pixelformat, dann Palette. Gibt „accepted“ aus (Exit-Code 0) oder die Meldung des Kits: die Ablehnung oder warum die Datei nicht geladen werden konnte (Exit-Code 1).</translation>
    </message>
    <message>
        <source>The BMP file.</source>
        <translation>Die BMP-Datei.</translation>
    </message>
    <message>
        <source>Map a colour the palette lacks to the nearest palette colour.</source>
        <translation>Eine Farbe, die der Palette fehlt, auf die nächstgelegene Palettenfarbe abbilden.</translation>
    </message>
    <message>
        <source>Reads IN, any picture Qt reads (PNG, BMP of any depth or palette order, ...), checks its size against the standard picture of ROW and refuses transparent pixels. When every pixel&apos;s colour is one of the game palette&apos;s 255 colours, writes OUT as an 8-bit BMP with exactly the game palette, as &quot;Save original picture&quot; writes it, and prints &quot;fitted: N colours&quot;. Otherwise writes nothing, prints how many pixels have other colours and where the first are (exit code 1); with --nearest each of them takes the nearest palette colour (RGB distance) and OUT is written.</source>
        <translation>Liest IN, ein beliebiges Bild, das Qt liest (PNG, BMP jeder Farbtiefe oder Palettenreihenfolge, ...), prüft seine Größe gegen das Standardbild von ROW und lehnt transparente Pixel ab. Ist die Farbe jedes Pixels eine der 255 Farben der Spielpalette, wird OUT als 8-Bit-BMP mit genau der Spielpalette geschrieben, wie „Save original picture“ es schreibt, und „fitted: N colours“ ausgegeben. Sonst wird nichts geschrieben, sondern ausgegeben, wie viele Pixel andere Farben haben und wo die ersten liegen (Exit-Code 1); mit --nearest erhält jedes davon die nächstgelegene Palettenfarbe (RGB-Abstand), und OUT wird geschrieben.</translation>
    </message>
    <message>
        <source>The redrawn picture.</source>
        <translation>Das neu gezeichnete Bild.</translation>
    </message>
    <message>
        <source>The BMP to write; replaced only once it is complete.</source>
        <translation>Das zu schreibende BMP; erst ersetzt, wenn es vollständig ist.</translation>
    </message>
    <message>
        <source>Draws TEXT as the game draws it from the glyph files font.spr and fontsize.dat in a folder (as &apos;kvtool glyphs&apos; writes them) and saves it as an RGBA PNG: transparent where the game draws nothing, black for the outline, white for the body. Prints the text&apos;s width in the game&apos;s pixels.</source>
        <translation>Zeichnet TEXT so, wie das Spiel ihn aus den Glyphendateien font.spr und fontsize.dat in einem Ordner zeichnet (wie „kvtool glyphs“ sie schreibt), und speichert ihn als RGBA-PNG: transparent, wo das Spiel nichts zeichnet, schwarz für die Kontur, weiß für den Körper. Gibt die Breite des Textes in Pixeln des Spiels aus.</translation>
    </message>
    <message>
        <source>The text, written in the code page.</source>
        <translation>Der Text, geschrieben in der Codepage.</translation>
    </message>
    <message>
        <source>The folder holding font.spr and fontsize.dat.</source>
        <translation>Der Ordner mit font.spr und fontsize.dat.</translation>
    </message>
    <message>
        <source>Write the picture to &lt;png&gt;.</source>
        <translation>Das Bild in &lt;png&gt; schreiben.</translation>
    </message>
    <message>
        <source>Repeat each pixel K x K times (1 to %1, default 1).</source>
        <translation>Jedes Pixel K x K-mal wiederholen (1 bis %1, Vorgabe 1).</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR as the kit does at start-up and checks every translation as the Texts page does. Prints one UTF-8 line per finding, ROW&lt;TAB&gt;CHECK&lt;TAB&gt;message, where CHECK is too-long (past 200 bytes; the save cuts the rest), spaces (leading or trailing spaces or tabs differ from the original&apos;s), placeholders (the printf codes differ in number or order), empty (an empty translation of a text that is not empty), fixed (a fixed text edited; every save resets it) or wider (drawn in the glyphs the next save writes, the translation is wider than the original both in the game&apos;s standard glyphs and in those glyphs, by more than the allowance the kit remembers, wider= in [texts] of orvanta-kit.ini, such as 4px or 10%; a font that draws every text wider is said once, on standard error), double-word (a word written twice in a row), punctuation (the end punctuation differs from the original&apos;s), double-space (two spaces inside) or control (a line break, tab or other control character inside that the original does not hold), inconsistent (another row of the same original holds another translation; rows not translated yet do not count), and with a dictionary spelling (a word of the translation that is not in the dictionary, nor in the kit&apos;s own orvanta-kit.words, nor in the original). The exit code is 1 when there is any finding, 0 when there is none.</source>
        <translation>Lädt die Texte des Kits in KITDIR wie das Kit beim Start und prüft jede Übersetzung wie die Seite „Texte“. Gibt je Befund eine UTF-8-Zeile aus, ROW&lt;TAB&gt;CHECK&lt;TAB&gt;Meldung, wobei CHECK ist: too-long (über 200 Bytes; das Speichern schneidet den Rest ab), spaces (Leerzeichen oder Tabulatoren am Anfang oder Ende weichen vom Original ab), placeholders (die printf-Codes weichen in Anzahl oder Reihenfolge ab), empty (eine leere Übersetzung eines nicht leeren Textes), fixed (ein fester Text wurde bearbeitet; jedes Speichern setzt ihn zurück) oder wider (in den Glyphen, die das nächste Speichern schreibt, ist die Übersetzung breiter als das Original, sowohl in den Standardglyphen des Spiels als auch in diesen Glyphen, und zwar um mehr als die Toleranz, die das Kit sich merkt, wider= in [texts] von orvanta-kit.ini, etwa 4px oder 10%; eine Schrift, die jeden Text breiter zeichnet, wird einmal gemeldet, auf der Standardfehlerausgabe), double-word (ein Wort zweimal hintereinander), punctuation (das Satzzeichen am Ende weicht vom Original ab), double-space (zwei Leerzeichen im Text) oder control (ein Zeilenumbruch, Tabulator oder anderes Steuerzeichen im Text, das das Original nicht enthält), inconsistent (eine andere Zeile mit demselben Original hat eine andere Übersetzung; noch nicht übersetzte Zeilen zählen nicht) und mit einem Wörterbuch spelling (ein Wort der Übersetzung, das weder im Wörterbuch noch in der eigenen orvanta-kit.words des Kits noch im Original steht). Der Exit-Code ist 1, wenn es einen Befund gibt, und 0, wenn es keinen gibt.</translation>
    </message>
    <message>
        <source>Check the spelling with the Hunspell dictionary of this language (e.g. en_US; default: the one the kit&apos;s window last used, if any).</source>
        <translation>Die Rechtschreibung mit dem Hunspell-Wörterbuch dieser Sprache prüfen (z. B. en_US; Vorgabe: das, welches das Fenster des Kits zuletzt verwendet hat, falls vorhanden).</translation>
    </message>
    <message>
        <source>Makes a text file of the game (record size 200, then one 200-byte record per text) from a UTF-8 text file with one text per line. Spaces are kept as they stand; a text that the code page cannot hold, or one longer than 200 bytes, is an error.</source>
        <translation>Erstellt eine Textdatei des Spiels (Eintragsgröße 200, dann ein 200-Byte-Eintrag je Text) aus einer UTF-8-Textdatei mit einem Text pro Zeile. Leerzeichen bleiben, wie sie stehen; ein Text, den die Codepage nicht fassen kann, oder einer, der länger als 200 Bytes ist, ist ein Fehler.</translation>
    </message>
    <message>
        <source>UTF-8 text, one text per line.</source>
        <translation>UTF-8-Text, ein Text pro Zeile.</translation>
    </message>
    <message>
        <source>The text file to write.</source>
        <translation>Die zu schreibende Textdatei.</translation>
    </message>
    <message>
        <source>%1 (default: the output file&apos;s name: %2, else csv).</source>
        <translation>%1 (Vorgabe: nach dem Namen der Ausgabedatei: %2, sonst csv).</translation>
    </message>
    <message>
        <source>Write to &lt;file&gt;, replaced only once complete (default: standard output).</source>
        <translation>In &lt;file&gt; schreiben, erst ersetzt, wenn vollständig (Vorgabe: Standardausgabe).</translation>
    </message>
    <message>
        <source>Applies a CSV, PO or XLIFF file (as texts export writes them, edited in a spreadsheet, a translation editor or a CAT tool) to the texts of the kit in KITDIR and saves a new KITDIR/lang.dat as the save button does, with the font and code page the kit remembers (a PO&apos;s X-Orvanta-Codepage header, or an XLIFF&apos;s x-codepage count, when --codepage is not given). An entry counts for the one row where its source stands now; where it stands in several, for the row its context (msgctxt) or, failing that, the row it names says; entries marked for review (fuzzy) are imported and marked needs review; entries without a translation bring their marks and notes; changed sources, obsolete entries and unknown rows are skipped. A translation the code page cannot hold, or one longer than 200 bytes, is refused: then nothing is written, unless --skip-refused. The report goes to standard error. Refuses while the kit is open in a window, unless --while-open; reads the kit under its save lock, so a save that ends meanwhile is built on, not lost.</source>
        <translation>Wendet eine CSV-, PO- oder XLIFF-Datei (wie texts export sie schreibt, bearbeitet in einer Tabellenkalkulation, einem Übersetzungseditor oder einem CAT-Werkzeug) auf die Texte des Kits in KITDIR an und speichert eine neue KITDIR/lang.dat wie die Speichern-Schaltfläche, mit der Schrift und Codepage, die das Kit sich merkt (dem X-Orvanta-Codepage-Kopf einer PO-Datei oder der x-codepage-Angabe einer XLIFF-Datei, wenn --codepage nicht angegeben ist). Ein Eintrag gilt für die eine Zeile, in der sein Original jetzt steht; steht es in mehreren, für die Zeile, die sein Kontext (msgctxt) oder, wenn der fehlt, die genannte Zeile angibt; zur Prüfung markierte Einträge (fuzzy) werden importiert und als zu prüfen markiert; Einträge ohne Übersetzung bringen ihre Markierungen und Notizen mit; geänderte Originale, veraltete Einträge und unbekannte Zeilen werden übersprungen. Eine Übersetzung, die die Codepage nicht fassen kann, oder eine, die länger als 200 Bytes ist, wird abgelehnt: Dann wird nichts geschrieben, außer mit --skip-refused. Der Bericht geht auf die Standardfehlerausgabe. Lehnt ab, während das Kit in einem Fenster geöffnet ist, außer mit --while-open; liest das Kit unter seiner Speichersperre, sodass auf einem Speichern, das währenddessen endet, aufgebaut wird und es nicht verloren geht.</translation>
    </message>
    <message>
        <source>A %1 file.</source>
        <translation>Eine Datei (%1).</translation>
    </message>
    <message>
        <source>Import the other translations when some are refused.</source>
        <translation>Die übrigen Übersetzungen importieren, wenn manche abgelehnt werden.</translation>
    </message>
    <message>
        <source>Carries the translations of OLDKIT, a kit folder of an older game version (its kvmain.dat and lang.dat), over to the kit in KITDIR and saves a new KITDIR/lang.dat as texts import does. Each old translation goes to every row whose source text is the same, wherever it moved; a source that changed a little (at least 80% alike) gets the old translation marked needs review; a row translated in KITDIR already is never overwritten. Marks and notes go with their texts (a reworded one keeps its note), and the redrawn pictures, the kit dictionary&apos;s words and the settings KITDIR has none of yet (font, code page, spell check, memories) come along. Without OLDKIT, the translations of KITDIR&apos;s own lang.dat are carried from the source texts they were saved against to where those stand in KITDIR&apos;s kvmain.dat now (after a new kvmain.dat was put in). The report (carried, carried for review, new rows, translations of sources that are gone, rows left as they were, marks, notes, pictures, words, settings) goes to standard error. Refuses while the kit is open in a window, unless --while-open.</source>
        <translation>Übernimmt die Übersetzungen von OLDKIT, einem Kit-Ordner einer älteren Spielversion (seine kvmain.dat und lang.dat), in das Kit in KITDIR und speichert eine neue KITDIR/lang.dat wie texts import. Jede alte Übersetzung geht in jede Zeile mit demselben Originaltext, wohin er auch gewandert ist; ein leicht geändertes Original (mindestens 80 % gleich) erhält die alte Übersetzung, als zu prüfen markiert; eine in KITDIR schon übersetzte Zeile wird nie überschrieben. Markierungen und Notizen gehen mit ihren Texten (ein umformulierter behält seine Notiz), und die neu gezeichneten Bilder, die Wörter des Kit-Wörterbuchs und die Einstellungen, die KITDIR noch nicht hat (Schrift, Codepage, Rechtschreibprüfung, Übersetzungsspeicher), kommen mit. Ohne OLDKIT werden die Übersetzungen der eigenen lang.dat von KITDIR von den Originaltexten, zu denen sie gespeichert wurden, dorthin gebracht, wo diese jetzt in der kvmain.dat von KITDIR stehen (nachdem eine neue kvmain.dat eingesetzt wurde). Der Bericht (übernommen, zur Prüfung übernommen, neue Zeilen, Übersetzungen weggefallener Originale, unverändert gelassene Zeilen, Markierungen, Notizen, Bilder, Wörter, Einstellungen) geht auf die Standardfehlerausgabe. Lehnt ab, während das Kit in einem Fenster geöffnet ist, außer mit --while-open.</translation>
    </message>
    <message>
        <source>The older kit folder.</source>
        <translation>Der ältere Kit-Ordner.</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR as the kit does at start-up and prints what the Texts page suggests for row ROW (from 1): the translations of identical and similar originals (at least 75% alike: one less the edit distance over the longer text&apos;s characters, case kept; texts shorter than 12 characters more, up to identical) from the kit&apos;s other rows and from the translation memories, those the kit remembers and each --memory; an entry its memory marks fuzzy scores 10 points less, and its ORIGIN ends in &quot;, fuzzy&quot;. Prints one UTF-8 line per suggestion, PERCENT&lt;TAB&gt;SOURCE&lt;TAB&gt;TRANSLATION&lt;TAB&gt;ORIGIN, best first, at most 20; a backslash, tab or line break in a text is written \\, \t, \n or \r. A memory that cannot be read is warned about and left out, and the exit code is then 3.</source>
        <translation>Lädt die Texte des Kits in KITDIR wie das Kit beim Start und gibt aus, was die Seite „Texte“ für die Zeile ROW (ab 1) vorschlägt: die Übersetzungen gleicher und ähnlicher Originale (mindestens 75 % gleich: eins minus die Editierdistanz geteilt durch die Zeichen des längeren Textes, Groß-/Kleinschreibung beachtet; bei Texten unter 12 Zeichen mehr, bis hin zu gleich) aus den anderen Zeilen des Kits und aus den Übersetzungsspeichern, denen, die das Kit sich merkt, und jedem --memory; ein Eintrag, den sein Speicher als fuzzy markiert, erhält 10 Punkte weniger, und sein ORIGIN endet auf „, fuzzy“. Gibt je Vorschlag eine UTF-8-Zeile aus, PERCENT&lt;TAB&gt;SOURCE&lt;TAB&gt;TRANSLATION&lt;TAB&gt;ORIGIN, die besten zuerst, höchstens 20; ein Backslash, Tabulator oder Zeilenumbruch in einem Text wird als \\, \t, \n oder \r geschrieben. Vor einem Speicher, der nicht gelesen werden kann, wird gewarnt, er wird ausgelassen, und der Exit-Code ist dann 3.</translation>
    </message>
    <message>
        <source>The row number, from 1.</source>
        <translation>Die Zeilennummer, ab 1.</translation>
    </message>
    <message>
        <source>A translation memory: a %1 file, or another kit folder (its kvmain.dat and lang.dat).</source>
        <translation>Ein Übersetzungsspeicher: eine Datei (%1) oder ein anderer Kit-Ordner (seine kvmain.dat und lang.dat).</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR as the kit does at start-up and writes to standard output, as CSV with the header row,source_px,translation_px, how many pixels wide the game draws each one: the source in the game&apos;s standard glyphs (Arial 8, in the sources&apos; code page), the translation in the glyphs the next save would write (the kit&apos;s font and code page, or those given).</source>
        <translation>Lädt die Texte des Kits in KITDIR wie das Kit beim Start und schreibt auf die Standardausgabe, als CSV mit der Kopfzeile row,source_px,translation_px, wie viele Pixel breit das Spiel jeden zeichnet: das Original in den Standardglyphen des Spiels (Arial 8, in der Codepage der Originale), die Übersetzung in den Glyphen, die das nächste Speichern schreiben würde (Schrift und Codepage des Kits oder die angegebenen).</translation>
    </message>
    <message>
        <source>Checks a language archive before it is shipped: the directory against the file (entries past the end, overlapping data, names used twice, names that are empty, not upper-case or not NUL-terminated), then TEXTS.DAT and KVTEXTS.DAT (2-byte header 200, whole 200-byte records), FONT.SPR (count 256, offset table, every glyph record), FONTSIZE.DAT (256 widths that fit the glyph records) and each .PAD picture (the catalogue&apos;s size for its name, the game&apos;s palette). Prints one line per finding, or &quot;no problems found&quot;; the exit code is 0 only when there are none.</source>
        <translation>Prüft ein Spracharchiv, bevor es ausgeliefert wird: das Verzeichnis gegen die Datei (Einträge über das Ende hinaus, überlappende Daten, doppelt verwendete Namen, Namen, die leer, nicht in Großbuchstaben oder nicht mit NUL abgeschlossen sind), dann TEXTS.DAT und KVTEXTS.DAT (2-Byte-Kopf 200, ganze 200-Byte-Einträge), FONT.SPR (Anzahl 256, Positionstabelle, jeder Glypheneintrag), FONTSIZE.DAT (256 Breiten, die zu den Glypheneinträgen passen) und jedes .PAD-Bild (die Größe des Katalogs für seinen Namen, die Palette des Spiels). Gibt eine Zeile je Befund aus oder „no problems found“; der Exit-Code ist nur dann 0, wenn es keinen gibt.</translation>
    </message>
    <message>
        <source>Usage: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]
       kvtool texts export KITDIR [--format %1] [-o FILE]
                          [--language LL] [--codepage NUMBER]
       kvtool texts import KITDIR FILE [--codepage NUMBER] [--skip-refused]
       kvtool texts migrate KITDIR OLDKIT [--codepage NUMBER]
       kvtool texts check KITDIR [--codepage NUMBER]
       kvtool texts widths KITDIR [--codepage NUMBER] [--font F --size N ...]
       kvtool texts suggest KITDIR ROW [--memory FILE_OR_KIT]... [--codepage NUMBER]

  build    makes a text file (200-byte records) from a UTF-8 text file,
           one text per line
  export   writes the kit&apos;s texts as CSV, PO, a PO template, XLIFF or
           XLIFF for OmegaT (each target its source), or their
           translations as TMX, loaded from KITDIR exactly as the kit
           loads them at start-up
  import   applies a %2 file to the kit&apos;s
           texts and saves a new lang.dat as the save button does
  migrate  carries the translations of an older kit folder over to the
           kit&apos;s texts (moved and reworded ones too) and saves as import
  check    checks every translation as the Texts page does, one line
           per finding
  widths   writes how wide the game draws each text as CSV
           (row,source_px,translation_px)
  suggest  prints the translations of identical and similar originals for
           a row, from the kit&apos;s other rows and translation memories</source>
        <translation>Aufruf: kvtool texts build SOURCE.txt OUT.dat [--codepage NUMBER]
        kvtool texts export KITDIR [--format %1] [-o FILE]
                           [--language LL] [--codepage NUMBER]
        kvtool texts import KITDIR FILE [--codepage NUMBER] [--skip-refused]
        kvtool texts migrate KITDIR OLDKIT [--codepage NUMBER]
        kvtool texts check KITDIR [--codepage NUMBER]
        kvtool texts widths KITDIR [--codepage NUMBER] [--font F --size N ...]
        kvtool texts suggest KITDIR ROW [--memory FILE_OR_KIT]... [--codepage NUMBER]

  build    erstellt eine Textdatei (200-Byte-Einträge) aus einer UTF-8-Textdatei,
           ein Text pro Zeile
  export   schreibt die Texte des Kits als CSV, PO, PO-Vorlage, XLIFF oder
           XLIFF für OmegaT (jedes Ziel sein Original) oder ihre
           Übersetzungen als TMX, aus KITDIR geladen, genau wie das Kit
           sie beim Start lädt
  import   wendet eine Datei (%2) auf die Texte des
           Kits an und speichert eine neue lang.dat wie die Speichern-Schaltfläche
  migrate  übernimmt die Übersetzungen eines älteren Kit-Ordners in die Texte
           des Kits (auch verschobene und umformulierte) und speichert wie import
  check    prüft jede Übersetzung wie die Seite „Texte“, eine Zeile
           je Befund
  widths   schreibt als CSV, wie breit das Spiel jeden Text zeichnet
           (row,source_px,translation_px)
  suggest  gibt die Übersetzungen gleicher und ähnlicher Originale für eine
           Zeile aus, aus den anderen Zeilen des Kits und Übersetzungsspeichern</translation>
    </message>
    <message>
        <source>Loads the texts of the kit in KITDIR exactly as the kit does at start-up (&quot;kvtexts.dat&quot; and &quot;texts.dat&quot;, each from lang.dat first, then kvmain.dat) and writes them for the translators&apos; own tools: as UTF-8 CSV with the header row,source,translation,needs_review,note; as a gettext PO file with one entry per text, found by its source (the row as a kvtexts.dat reference, msgctxt only where a source stands in several rows, msgid the source, msgstr the translation, empty while untranslated); as a PO template (every msgstr empty, for msgmerge and Weblate); as XLIFF 1.2 for CAT tools (one trans-unit per row, with the 200-byte limit and the source&apos;s width in the game&apos;s pixels); as XLIFF for OmegaT (the same with every target its source, in state new: OmegaT translates a target&apos;s text); or the translations as a TMX 1.4 memory for CAT tools (one tu per translated row; OmegaT inserts those in its project&apos;s tm/auto folder, a source translated differently in several rows only in the XLIFF for OmegaT of the TMX&apos;s name, between the same neighbours).</source>
        <translation>Lädt die Texte des Kits in KITDIR genau wie das Kit beim Start („kvtexts.dat“ und „texts.dat“, jeweils zuerst aus lang.dat, dann aus kvmain.dat) und schreibt sie für die eigenen Werkzeuge der Übersetzer: als UTF-8-CSV mit der Kopfzeile row,source,translation,needs_review,note; als gettext-PO-Datei mit einem Eintrag je Text, gefunden über sein Original (die Zeile als kvtexts.dat-Referenz, msgctxt nur, wo ein Original in mehreren Zeilen steht, msgid das Original, msgstr die Übersetzung, leer, solange unübersetzt); als PO-Vorlage (jedes msgstr leer, für msgmerge und Weblate); als XLIFF 1.2 für CAT-Werkzeuge (eine trans-unit je Zeile, mit der 200-Byte-Grenze und der Breite des Originals in Pixeln des Spiels); als XLIFF für OmegaT (ebenso, jedes Ziel aber sein Original im Zustand new: OmegaT übersetzt den Text eines Ziels); oder die Übersetzungen als TMX-1.4-Speicher für CAT-Werkzeuge (eine tu je übersetzter Zeile; OmegaT fügt sie aus dem Ordner tm/auto seines Projekts ein, ein in mehreren Zeilen verschieden übersetztes Original nur in das XLIFF für OmegaT mit dem Namen der TMX, zwischen denselben Nachbarn).</translation>
    </message>
    <message>
        <source>The translation&apos;s language code (ru, pt_BR) for the PO header, XLIFF target-language and TMX (default: the one the kit remembers, else the one language of the code page).</source>
        <translation>Der Sprachcode der Übersetzung (ru, pt_BR) für den PO-Kopf, target-language in XLIFF und TMX (Vorgabe: der, den das Kit sich merkt, sonst die eine Sprache der Codepage).</translation>
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
