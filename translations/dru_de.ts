<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>About This Program</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>Written by the dru team, 2026.</source>
        <translation>Geschrieben vom dru-Team, 2026.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>No answers yet.</source>
        <translation>Noch keine Antworten.</translation>
    </message>
    <message>
        <source>%1% correct.</source>
        <translation>%1 % richtig.</translation>
    </message>
    <message>
        <source>No correct answers yet; %1</source>
        <translation>Noch keine richtigen Antworten; %1</translation>
    </message>
    <message numerus="yes">
        <source>Median speed %1 keys per minute over %n day(s); %2</source>
        <translation>
            <numerusform>Mittleres Tempo %1 Anschläge pro Minute an %n Tag; %2</numerusform>
            <numerusform>Mittleres Tempo %1 Anschläge pro Minute an %n Tagen; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed rose from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>Mittleres Tempo stieg an %n Tag von %1 auf %2 Anschläge pro Minute; %3</numerusform>
            <numerusform>Mittleres Tempo stieg in %n Tagen von %1 auf %2 Anschläge pro Minute; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed fell from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>Mittleres Tempo fiel an %n Tag von %1 auf %2 Anschläge pro Minute; %3</numerusform>
            <numerusform>Mittleres Tempo fiel in %n Tagen von %1 auf %2 Anschläge pro Minute; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Fortschrittsdiagramm</translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation>Mittleres Tempo</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Bestes Tempo</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>No answers yet</source>
        <translation>Noch keine Antworten</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>bestes %1</translation>
    </message>
    <message>
        <source>median %1</source>
        <translation>Median %1</translation>
    </message>
    <message>
        <source>%1% correct</source>
        <translation>%1 % richtig</translation>
    </message>
    <message>
        <source>At the end of %1: %2</source>
        <translation>Am Ende des %1: %2</translation>
    </message>
    <message>
        <source>No learning steps yet.</source>
        <translation>Noch keine Lernstufen.</translation>
    </message>
    <message>
        <source>Learning steps chart</source>
        <translation>Diagramm der Lernstufen</translation>
    </message>
    <message numerus="yes">
        <source>; %n sentence(s) learned that day</source>
        <translation>
            <numerusform>; %n Satz an diesem Tag gelernt</numerusform>
            <numerusform>; %n Sätze an diesem Tag gelernt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Mark Ready</source>
        <translation>Als gelernt markieren</translation>
    </message>
    <message>
        <source>Clear All Marks</source>
        <translation>Alle Markierungen löschen</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>The current file has been changed. Save changes?</source>
        <translation>Die aktuelle Datei wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>Read-only: marks stay until you save a copy with File › Save As.</source>
        <translation>Schreibgeschützt: Die Markierungen bleiben, bis Sie mit Datei › Speichern unter eine Kopie speichern.</translation>
    </message>
    <message>
        <source>This is the last sentence that unmarked, clear all marks in the file?</source>
        <translation>Dies ist der letzte nicht markierte Satz. Alle Markierungen in der Datei löschen?</translation>
    </message>
    <message>
        <source>File %1 has been changed by another program. Overwrite it?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>File %1 exists. Overwrite?</source>
        <translation>Die Datei %1 existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Save the New File</source>
        <translation>Neue Datei speichern</translation>
    </message>
    <message>
        <source>This is the file being brought in, which stays as it is. Save the new file under another name.</source>
        <translation>Das ist die Datei, die gerade eingelesen wird; sie bleibt, wie sie ist. Speichern Sie die neue Datei unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>This is the open file. Save the new file under another name.</source>
        <translation>Das ist die geöffnete Datei. Speichern Sie die neue Datei unter einem anderen Namen.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There are %1 records in the file, %2 marked ready ...</source>
        <translation>Sätze in der Datei: %1, davon %2 als gelernt markiert ...</translation>
    </message>
    <message>
        <source>Time  %1 : %2 : %3  have been elasped ...</source>
        <translation>Verstrichene Zeit  %1 : %2 : %3 ...</translation>
    </message>
    <message>
        <source>Correct, %1 keys per minute.</source>
        <translation>Richtig, %1 Anschläge pro Minute.</translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation>Der getippte Text weicht ab Zeichen %1 ab</translation>
    </message>
    <message>
        <source>%1: typed %2 expected %3.</source>
        <translation>%1: getippt %2, erwartet %3.</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Case sensitive on</source>
        <translation>Groß-/Kleinschreibung beachten an</translation>
    </message>
    <message>
        <source>Case sensitive off</source>
        <translation>Groß-/Kleinschreibung beachten aus</translation>
    </message>
    <message>
        <source>Show mistakes on</source>
        <translation>Fehler anzeigen an</translation>
    </message>
    <message>
        <source>Show mistakes off</source>
        <translation>Fehler anzeigen aus</translation>
    </message>
    <message>
        <source>Mark while typing on</source>
        <translation>Beim Tippen markieren an</translation>
    </message>
    <message>
        <source>Mark while typing off</source>
        <translation>Beim Tippen markieren aus</translation>
    </message>
    <message>
        <source>%1 due · %2 new</source>
        <translation>%1 fällig · %2 neu</translation>
    </message>
    <message>
        <source>%1 due, %2 new.</source>
        <translation>%1 fällig, %2 neu.</translation>
    </message>
    <message>
        <source>%1 of %2 marked.</source>
        <translation>%1 von %2 markiert.</translation>
    </message>
    <message>
        <source>Reading %1 …</source>
        <translation>%1 wird gelesen …</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>No File is opened ...</source>
        <translation>Keine Datei geöffnet ...</translation>
    </message>
    <message>
        <source>This is an empty text file, open another Please ...</source>
        <translation>Diese Textdatei ist leer, bitte öffnen Sie eine andere ...</translation>
    </message>
    <message numerus="yes">
        <source>%n mistake(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak after Enter on</source>
        <translation>Vorlesen nach Enter an</translation>
    </message>
    <message>
        <source>Speak after Enter off</source>
        <translation>Vorlesen nach Enter aus</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Show Whole Sentence</source>
        <translation>Ganzen Satz zeigen</translation>
    </message>
    <message>
        <source>Fade as You Learn</source>
        <translation>Ausblenden nach Lernstand</translation>
    </message>
    <message>
        <source>Hide Every Other Word</source>
        <translation>Jedes zweite Wort verbergen</translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation>Nur Anfangsbuchstaben</translation>
    </message>
    <message>
        <source>Prompt Only</source>
        <translation>Nur Stichwort</translation>
    </message>
    <message>
        <source>Recall: %1.</source>
        <translation>Auswendig: %1.</translation>
    </message>
    <message>
        <source>No word is hidden.</source>
        <translation>Kein Wort ist verborgen.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Marked. %1 Next: %2</source>
        <translation>Markiert. %1 Weiter: %2</translation>
    </message>
    <message>
        <source>All marks cleared. %1</source>
        <translation>Alle Markierungen gelöscht. %1</translation>
    </message>
    <message>
        <source>Undone. %1</source>
        <translation>Rückgängig gemacht. %1</translation>
    </message>
    <message>
        <source>%1 Prompt: %2</source>
        <translation>%1 Stichwort: %2</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n sentence(s). Next: %2</source>
        <translation>
            <numerusform>%1 geöffnet: %n Satz. Weiter: %2</numerusform>
            <numerusform>%1 geöffnet: %n Sätze. Weiter: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2Next: %3</source>
        <translation>%1 %2Weiter: %3</translation>
    </message>
    <message>
        <source>At Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Review Due Sentences</source>
        <translation>Fällige Sätze wiederholen</translation>
    </message>
    <message>
        <source>In Text Order</source>
        <translation>In Textreihenfolge</translation>
    </message>
    <message>
        <source>Order: %1.</source>
        <translation>Reihenfolge: %1.</translation>
    </message>
    <message>
        <source>Whole sentence shown.</source>
        <translation>Ganzer Satz sichtbar.</translation>
    </message>
    <message>
        <source>Every other word hidden.</source>
        <translation>Jedes zweite Wort verborgen.</translation>
    </message>
    <message>
        <source>First letters only.</source>
        <translation>Nur Anfangsbuchstaben.</translation>
    </message>
    <message>
        <source>From memory.</source>
        <translation>Aus dem Gedächtnis.</translation>
    </message>
    <message>
        <source>Learning steps last for this run only.</source>
        <translation>Die Lernstufen gelten nur für diesen Lauf.</translation>
    </message>
    <message>
        <source>Listen and Type</source>
        <translation>Hören und tippen</translation>
    </message>
    <message>
        <source>Listen and type.</source>
        <translation>Hören und tippen.</translation>
    </message>
    <message>
        <source>Listen and type. F10 says it again.</source>
        <translation>Hören und tippen. F10 sagt es noch einmal.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>%1 keys per minute</source>
        <translation>%1 Anschläge pro Minute</translation>
    </message>
    <message>
        <source>Sentence to type</source>
        <translation>Zu tippender Satz</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Getippter Text</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Max Speed: </source>
        <translation>Bestes Tempo: </translation>
    </message>
    <message>
        <source>Current Speed:</source>
        <translation>Aktuelles Tempo:</translation>
    </message>
    <message>
        <source>Best speed in keys per minute</source>
        <translation>Bestes Tempo in Anschlägen pro Minute</translation>
    </message>
    <message>
        <source>Current speed in keys per minute</source>
        <translation>Aktuelles Tempo in Anschlägen pro Minute</translation>
    </message>
    <message>
        <source>Keys/min</source>
        <translation>Anschl./min</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Bestes Tempo</translation>
    </message>
    <message>
        <source>Current speed</source>
        <translation>Aktuelles Tempo</translation>
    </message>
    <message>
        <source>Sentences due for review, and new</source>
        <translation>Zur Wiederholung fällige und neue Sätze</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 is %2; export to another file.</source>
        <translation>%1 ist %2; exportieren Sie in eine andere Datei.</translation>
    </message>
    <message>
        <source>the sentence file open in dru</source>
        <translation>die in dru geöffnete Satzdatei</translation>
    </message>
    <message>
        <source>dru&apos;s settings file</source>
        <translation>die Einstellungsdatei von dru</translation>
    </message>
    <message>
        <source>dru&apos;s history</source>
        <translation>der Verlauf von dru</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open a TXT file that contains records ..</source>
        <translation>Eine TXT-Datei mit Sätzen öffnen ..</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import a Text or Phrase List</source>
        <translation>Text oder Phrasenliste importieren</translation>
    </message>
    <message>
        <source>Texts and Phrase Lists (*.txt *.csv *.tsv)</source>
        <translation>Texte und Phrasenlisten (*.txt *.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history was damaged; it was moved aside as %1 and a new one started.</source>
        <translation>Der Verlauf war beschädigt; er wurde als %1 beiseitegelegt und ein neuer begonnen.</translation>
    </message>
    <message>
        <source>%1 was written by a newer dru and is only read</source>
        <translation>%1 wurde von einem neueren dru geschrieben und wird nur gelesen</translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation>Der Verlauf ist aus.</translation>
    </message>
    <message>
        <source>History is off: %1.</source>
        <translation>Der Verlauf ist aus: %1.</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside: %2</source>
        <translation>%1 ist beschädigt und kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; dru left it as it is and keeps no history until it is moved away</source>
        <translation>%1 ist die Datenbank eines anderen Programms; dru hat sie unverändert gelassen und führt keinen Verlauf, bis sie verschoben wird</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; no backup is whole.</source>
        <translation>Der Verlauf ist beschädigt (%1) und wurde nicht gesichert; keine Sicherung ist vollständig.</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; whole backups: %2.</source>
        <translation>Der Verlauf ist beschädigt (%1) und wurde nicht gesichert; vollständige Sicherungen: %2.</translation>
    </message>
    <message>
        <source>Backups dated after today are kept but not counted: %1.</source>
        <translation>Sicherungen mit einem Datum nach heute bleiben erhalten, zählen aber nicht: %1.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>This file is too large to bring in: the limit is %1 MB.</source>
        <translation>Diese Datei ist zu groß zum Importieren: Die Grenze liegt bei %1 MB.</translation>
    </message>
    <message numerus="yes">
        <source>%n empty note(s) dropped</source>
        <translation>
            <numerusform>%n leere Notiz verworfen</numerusform>
            <numerusform>%n leere Notizen verworfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) with more than two fields: only the first two kept</source>
        <translation>
            <numerusform>%n Notiz mit mehr als zwei Feldern: nur die ersten beiden übernommen</numerusform>
            <numerusform>%n Notizen mit mehr als zwei Feldern: nur die ersten beiden übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) dropped</source>
        <translation>
            <numerusform>%n leere Zeile verworfen</numerusform>
            <numerusform>%n leere Zeilen verworfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) with more than two columns: only the first two kept</source>
        <translation>
            <numerusform>%n Zeile mit mehr als zwei Spalten: nur die ersten beiden übernommen</numerusform>
            <numerusform>%n Zeilen mit mehr als zwei Spalten: nur die ersten beiden übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n TAB(s) inside a field became spaces</source>
        <translation>
            <numerusform>%n Tabulator in einem Feld wurde zum Leerzeichen</numerusform>
            <numerusform>%n Tabulatoren in Feldern wurden zu Leerzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) began with &apos;*&apos;, which marks a line learned: taken off</source>
        <translation>
            <numerusform>%n Zeile begann mit „*“, das eine Zeile als gelernt markiert: entfernt</numerusform>
            <numerusform>%n Zeilen begannen mit „*“, das eine Zeile als gelernt markiert: entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) longer than %1 characters: the display shows them a part at a time</source>
        <translation>
            <numerusform>%n Satz länger als %1 Zeichen: Die Anzeige zeigt ihn Stück für Stück</numerusform>
            <numerusform>%n Sätze länger als %1 Zeichen: Die Anzeige zeigt sie Stück für Stück</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Das ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The text is not UTF-8; it was read as Windows-1252.</source>
        <translation>Der Text ist kein UTF-8; er wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>There is nothing to learn in this text.</source>
        <translation>In diesem Text gibt es nichts zu lernen.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>New from Text</source>
        <translation>Neu aus Text</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Aus: %1</translation>
    </message>
    <message>
        <source>Paste or type the text to learn here.</source>
        <translation>Den zu lernenden Text hier einfügen oder eintippen.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;One sentence per line</source>
        <translation>&amp;Ein Satz pro Zeile</translation>
    </message>
    <message>
        <source>&amp;Keep the lines</source>
        <translation>Zeilen &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
    <message>
        <source>Cutting the text</source>
        <translation>Text wird zerlegt</translation>
    </message>
    <message>
        <source>Stop c&amp;utting</source>
        <translation>Zerlegen a&amp;nhalten</translation>
    </message>
    <message>
        <source>Stopped. Change the text or the cut to try again.</source>
        <translation>Angehalten. Ändern Sie den Text oder die Zerlegung, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s)</source>
        <translation>
            <numerusform>%n Satz</numerusform>
            <numerusform>%n Sätze</numerusform>
        </translation>
    </message>
    <message>
        <source>The text has not been saved. Close the window all the same?</source>
        <translation>Der Text wurde nicht gespeichert. Das Fenster trotzdem schließen?</translation>
    </message>
    <message>
        <source>The first row holds column &amp;names</source>
        <translation>Die erste &amp;Zeile enthält Spaltennamen</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s); the first %1 are shown.</source>
        <translation>
            <numerusform>%n Satz; die ersten %1 werden angezeigt.</numerusform>
            <numerusform>%n Sätze; die ersten %1 werden angezeigt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) without a second field (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n Notiz ohne zweites Feld wird ohne Stichwort übernommen</numerusform>
            <numerusform>%n Notizen ohne zweites Feld werden ohne Stichwort übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without a second column (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n Zeile ohne zweite Spalte wird ohne Stichwort übernommen</numerusform>
            <numerusform>%n Zeilen ohne zweite Spalte werden ohne Stichwort übernommen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of the user&apos;s own with mode 0700</source>
        <translation>%1 ist kein eigener Ordner des Benutzers mit den Rechten 0700</translation>
    </message>
    <message>
        <source>%1 is not dru&apos;s lock file</source>
        <translation>%1 ist nicht die Sperrdatei von dru</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <source>dru cannot tell whether it runs already, and runs alone: %1.</source>
        <translation>dru kann nicht feststellen, ob es schon läuft, und läuft für sich: %1.</translation>
    </message>
    <message>
        <source>the running dru could not be reached at %1; %2 was not opened</source>
        <translation>das laufende dru war unter %1 nicht erreichbar; %2 wurde nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige numerische Eingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 %2; it was not written</source>
        <translation>%1 %2; die Datei wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>%1 is %2 text; dru reads UTF-8 and Windows-1252 files</source>
        <translation>%1 ist %2-Text; dru liest Dateien in UTF-8 und Windows-1252</translation>
    </message>
    <message>
        <source>is a link that another user made</source>
        <translation>ist eine Verknüpfung, die ein anderer Benutzer angelegt hat</translation>
    </message>
    <message>
        <source>leads to a file that is not the user&apos;s own</source>
        <translation>führt zu einer Datei, die nicht dem Benutzer gehört</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>File › Open chooses a sentence file; examples are in %1.</source>
        <translation>Datei › Öffnen wählt eine Satzdatei; Beispiele liegen in %1.</translation>
    </message>
    <message>
        <source>Another program had changed the sentence file when dru was ended; your marks were saved in %1.</source>
        <translation>Ein anderes Programm hatte die Satzdatei geändert, als dru beendet wurde; Ihre Markierungen wurden in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
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
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Clear All Marks</source>
        <translation>Alle Markierungen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Mark Ready</source>
        <translation>Als gelernt &amp;markieren</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Vorheriger Satz</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound Effect</source>
        <translation>&amp;Tonsignale</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Show &amp;Mistakes</source>
        <translation>&amp;Fehler anzeigen</translation>
    </message>
    <message>
        <source>&amp;Review Due Sentences</source>
        <translation>Fällige Sätze &amp;wiederholen</translation>
    </message>
    <message>
        <source>Mark &amp;While Typing</source>
        <translation>Beim Tippen &amp;markieren</translation>
    </message>
    <message>
        <source>Rec&amp;all</source>
        <translation>&amp;Auswendig</translation>
    </message>
    <message>
        <source>Show &amp;Whole Sentence</source>
        <translation>Ganzen Satz &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Fade as You Learn</source>
        <translation>&amp;Ausblenden nach Lernstand</translation>
    </message>
    <message>
        <source>Hide &amp;Every Other Word</source>
        <translation>&amp;Jedes zweite Wort verbergen</translation>
    </message>
    <message>
        <source>First &amp;Letters Only</source>
        <translation>Nur Anfangs&amp;buchstaben</translation>
    </message>
    <message>
        <source>&amp;Prompt Only</source>
        <translation>Nur &amp;Stichwort</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>Fo&amp;rtschritt...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation>Rei&amp;henfolge</translation>
    </message>
    <message>
        <source>At &amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>In &amp;Text Order</source>
        <translation>In &amp;Textreihenfolge</translation>
    </message>
    <message>
        <source>Spea&amp;k After Enter</source>
        <translation>Nach Enter &amp;vorlesen</translation>
    </message>
    <message>
        <source>Listen and &amp;Type</source>
        <translation>&amp;Hören und tippen</translation>
    </message>
    <message>
        <source>Say A&amp;gain</source>
        <translation>&amp;Noch einmal sagen</translation>
    </message>
    <message>
        <source>&amp;Voice...</source>
        <translation>&amp;Stimme...</translation>
    </message>
    <message>
        <source>New from &amp;Text...</source>
        <translation>Neu aus &amp;Text...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>: typed “%1” expected “%2”</source>
        <translation>: getippt „%1“, erwartet „%2“</translation>
    </message>
    <message>
        <source>Typed: %1&lt;br&gt;Expected: %2</source>
        <translation>Getippt: %1&lt;br&gt;Erwartet: %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Every day, not only the last 30</source>
        <translation>&amp;Jeden Tag, nicht nur die letzten 30</translation>
    </message>
    <message>
        <source>Hardest first</source>
        <translation>Schwierigste zuerst</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sortieren &amp;nach:</translation>
    </message>
    <message>
        <source>&amp;Reverse order</source>
        <translation>&amp;Umgekehrte Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;Sentences no longer in the file</source>
        <translation>&amp;Sätze, die nicht mehr in der Datei sind</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>Als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Forget History of This File...</source>
        <translation>&amp;Verlauf dieser Datei vergessen...</translation>
    </message>
    <message>
        <source>Sentences, hardest first</source>
        <translation>Sätze, schwierigste zuerst</translation>
    </message>
    <message>
        <source>Sentences, by %1</source>
        <translation>Sätze, nach %1</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation>%1, umgekehrt</translation>
    </message>
    <message>
        <source>Progress — %1</source>
        <translation>Fortschritt — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Known by heart: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Auswendig gewusst: %1 von %n Satz.</numerusform>
            <numerusform> Auswendig gewusst: %1 von %n Sätzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1 was not exported: %2</source>
        <translation>%1 wurde nicht exportiert: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) exported to %1.</source>
        <translation>
            <numerusform>%n Satz nach %1 exportiert.</numerusform>
            <numerusform>%n Sätze nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %n answer(s) given on %1?</source>
        <translation>
            <numerusform>Die %n Antwort zu %1 vergessen?</numerusform>
            <numerusform>Die %n Antworten zu %1 vergessen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forgotten: the %n answer(s) given on %1.</source>
        <translation>
            <numerusform>Vergessen: die %n Antwort zu %1.</numerusform>
            <numerusform>Vergessen: die %n Antworten zu %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today: %1, %n correct, %2 typing. Best speed on this file: %3 keys per minute.</source>
        <translation>
            <numerusform>Heute: %1, davon %n richtig, %2 Tippen. Bestes Tempo in dieser Datei: %3 Anschläge pro Minute.</numerusform>
            <numerusform>Heute: %1, davon %n richtig, %2 Tippen. Bestes Tempo in dieser Datei: %3 Anschläge pro Minute.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Learned today: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Heute gelernt: %1 von %n Satz.</numerusform>
            <numerusform> Heute gelernt: %1 von %n Sätzen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressOrder</name>
    <message>
        <source>sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>getippt</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>best speed</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>last typed</source>
        <translation>zuletzt getippt</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>Abruf</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>last grade</source>
        <translation>letzter Bewertung</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Getippt</translation>
    </message>
    <message>
        <source>Correct (%)</source>
        <translation>Richtig (%)</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Last typed</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Markiert</translation>
    </message>
    <message>
        <source>Recall (%)</source>
        <translation>Abruf (%)</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Fällig am</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Abruf</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>wiederholen</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>known</source>
        <translation>gewusst</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Last grade</source>
        <translation>Letzte Bewertung</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Recall</name>
    <message>
        <source>blank</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>whole sentence</source>
        <translation>ganzer Satz</translation>
    </message>
    <message>
        <source>every other word</source>
        <translation>jedes zweite Wort</translation>
    </message>
    <message>
        <source>first letters</source>
        <translation>Anfangsbuchstaben</translation>
    </message>
    <message>
        <source>prompt only</source>
        <translation>nur Stichwort</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>hören</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot remember the name %2, which holds a line break; rename the file to have it opened next time</source>
        <translation>%1 kann sich den Namen %2 nicht merken, da er einen Zeilenumbruch enthält; benennen Sie die Datei um, damit sie beim nächsten Mal geöffnet wird</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech is not available: %1</source>
        <translation>Sprachausgabe ist nicht verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Correct.</source>
        <translation>Richtig.</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Usage: dru [FILE]
       dru --help | --version
Learn sentences by typing them.

dru opens FILE, or else the sentence file remembered in dru.ini in the
folder it is started from, or Default.dat there; File, Open chooses
another. When dru already runs, FILE is opened in the running dru, which
comes to the front, and this start ends. See dru(1).

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Aufruf: dru [DATEI]
        dru --help | --version
Sätze lernen, indem man sie tippt.

dru öffnet DATEI, sonst die in dru.ini im Startordner gemerkte Satzdatei
oder dort Default.dat; Datei, Öffnen wählt eine andere. Läuft dru schon,
wird DATEI im laufenden dru geöffnet, das in den Vordergrund kommt, und
dieser Start endet. Siehe dru(1).

  --help     diese Hilfe ausgeben und beenden
  --version  die Version ausgeben und beenden
</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The interface&apos;s language</source>
        <translation>Die Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>S&amp;timme:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>T&amp;empo:</translation>
    </message>
    <message>
        <source>The language&apos;s first</source>
        <translation>Die erste der Sprache</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>dru - Sentence Typing Drill</source>
        <translation>dru - Sätze durch Tippen lernen</translation>
    </message>
</context>
</TS>
