<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>About</name>
    <message>
        <source>About This Program</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Email: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>Written by the dru team, 2026.</source>
        <translation>Napisany przez zespół dru, 2026.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikona programu</translation>
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
        <translation>Jeszcze brak odpowiedzi.</translation>
    </message>
    <message>
        <source>%1% correct.</source>
        <translation>%1% poprawnych.</translation>
    </message>
    <message>
        <source>No correct answers yet; %1</source>
        <translation>Jeszcze brak poprawnych odpowiedzi; %1</translation>
    </message>
    <message numerus="yes">
        <source>Median speed %1 keys per minute over %n day(s); %2</source>
        <translation>
            <numerusform>Mediana tempa (znaki na minutę): %1 w ciągu %n dnia; %2</numerusform>
            <numerusform>Mediana tempa (znaki na minutę): %1 w ciągu %n dni; %2</numerusform>
            <numerusform>Mediana tempa (znaki na minutę): %1 w ciągu %n dni; %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed rose from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>Mediana tempa (znaki na minutę) wzrosła z %1 do %2 w ciągu %n dnia; %3</numerusform>
            <numerusform>Mediana tempa (znaki na minutę) wzrosła z %1 do %2 w ciągu %n dni; %3</numerusform>
            <numerusform>Mediana tempa (znaki na minutę) wzrosła z %1 do %2 w ciągu %n dni; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed fell from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation>
            <numerusform>Mediana tempa (znaki na minutę) spadła z %1 do %2 w ciągu %n dnia; %3</numerusform>
            <numerusform>Mediana tempa (znaki na minutę) spadła z %1 do %2 w ciągu %n dni; %3</numerusform>
            <numerusform>Mediana tempa (znaki na minutę) spadła z %1 do %2 w ciągu %n dni; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation>Wykres postępów</translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation>Mediana tempa</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Najlepsze tempo</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Poprawne</translation>
    </message>
    <message>
        <source>No answers yet</source>
        <translation>Jeszcze brak odpowiedzi</translation>
    </message>
    <message>
        <source>best %1</source>
        <translation>najlepsze %1</translation>
    </message>
    <message>
        <source>median %1</source>
        <translation>mediana %1</translation>
    </message>
    <message>
        <source>%1% correct</source>
        <translation>%1% poprawnych</translation>
    </message>
    <message>
        <source>At the end of %1: %2</source>
        <translation>Na koniec dnia %1: %2</translation>
    </message>
    <message>
        <source>No learning steps yet.</source>
        <translation>Brak jeszcze etapów nauki.</translation>
    </message>
    <message>
        <source>Learning steps chart</source>
        <translation>Wykres etapów nauki</translation>
    </message>
    <message numerus="yes">
        <source>; %n sentence(s) learned that day</source>
        <translation>
            <numerusform>; %n zdanie nauczone tego dnia</numerusform>
            <numerusform>; %n zdania nauczone tego dnia</numerusform>
            <numerusform>; %n zdań nauczonych tego dnia</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Mark Ready</source>
        <translation>Oznacz jako nauczone</translation>
    </message>
    <message>
        <source>Clear All Marks</source>
        <translation>Usuń wszystkie oznaczenia</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>The current file has been changed. Save changes?</source>
        <translation>Bieżący plik został zmieniony. Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Read-only: marks stay until you save a copy with File › Save As.</source>
        <translation>Tylko do odczytu: oznaczenia pozostaną, dopóki nie zapiszesz kopii przez Plik › Zapisz jako.</translation>
    </message>
    <message>
        <source>This is the last sentence that unmarked, clear all marks in the file?</source>
        <translation>To ostatnie nieoznaczone zdanie. Usunąć wszystkie oznaczenia w pliku?</translation>
    </message>
    <message>
        <source>File %1 has been changed by another program. Overwrite it?</source>
        <translation>Plik %1 został zmieniony przez inny program. Zastąpić go?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>File %1 exists. Overwrite?</source>
        <translation>Plik %1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>Save the New File</source>
        <translation>Zapisz nowy plik</translation>
    </message>
    <message>
        <source>This is the file being brought in, which stays as it is. Save the new file under another name.</source>
        <translation>To jest importowany plik, który pozostaje bez zmian. Zapisz nowy plik pod inną nazwą.</translation>
    </message>
    <message>
        <source>This is the open file. Save the new file under another name.</source>
        <translation>To jest otwarty plik. Zapisz nowy plik pod inną nazwą.</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There are %1 records in the file, %2 marked ready ...</source>
        <translation>Zdania w pliku: %1, oznaczone jako nauczone: %2 ...</translation>
    </message>
    <message>
        <source>Time  %1 : %2 : %3  have been elasped ...</source>
        <translation>Upłynęło  %1 : %2 : %3 ...</translation>
    </message>
    <message>
        <source>Correct, %1 keys per minute.</source>
        <translation>Dobrze. Znaki na minutę: %1.</translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation>Wpisany tekst różni się od znaku %1</translation>
    </message>
    <message>
        <source>%1: typed %2 expected %3.</source>
        <translation>%1: wpisano %2, oczekiwano %3.</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Case sensitive on</source>
        <translation>Rozróżnianie wielkości liter włączone</translation>
    </message>
    <message>
        <source>Case sensitive off</source>
        <translation>Rozróżnianie wielkości liter wyłączone</translation>
    </message>
    <message>
        <source>Show mistakes on</source>
        <translation>Pokazywanie błędów włączone</translation>
    </message>
    <message>
        <source>Show mistakes off</source>
        <translation>Pokazywanie błędów wyłączone</translation>
    </message>
    <message>
        <source>Mark while typing on</source>
        <translation>Oznaczanie podczas pisania włączone</translation>
    </message>
    <message>
        <source>Mark while typing off</source>
        <translation>Oznaczanie podczas pisania wyłączone</translation>
    </message>
    <message>
        <source>%1 due · %2 new</source>
        <translation>zaległe: %1 · nowe: %2</translation>
    </message>
    <message>
        <source>%1 due, %2 new.</source>
        <translation>Zaległe: %1, nowe: %2.</translation>
    </message>
    <message>
        <source>%1 of %2 marked.</source>
        <translation>Oznaczono %1 z %2.</translation>
    </message>
    <message>
        <source>Reading %1 …</source>
        <translation>Wczytywanie %1 …</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>No File is opened ...</source>
        <translation>Nie otwarto pliku ...</translation>
    </message>
    <message>
        <source>This is an empty text file, open another Please ...</source>
        <translation>Ten plik tekstowy jest pusty, otwórz inny ...</translation>
    </message>
    <message numerus="yes">
        <source>%n mistake(s)</source>
        <translation>
            <numerusform>%n błąd</numerusform>
            <numerusform>%n błędy</numerusform>
            <numerusform>%n błędów</numerusform>
        </translation>
    </message>
    <message>
        <source>Speak after Enter on</source>
        <translation>Czytanie na głos po Enter włączone</translation>
    </message>
    <message>
        <source>Speak after Enter off</source>
        <translation>Czytanie na głos po Enter wyłączone</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Show Whole Sentence</source>
        <translation>Pokaż całe zdanie</translation>
    </message>
    <message>
        <source>Fade as You Learn</source>
        <translation>Wygaszaj w miarę nauki</translation>
    </message>
    <message>
        <source>Hide Every Other Word</source>
        <translation>Ukryj co drugie słowo</translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation>Tylko pierwsze litery</translation>
    </message>
    <message>
        <source>Prompt Only</source>
        <translation>Tylko hasło</translation>
    </message>
    <message>
        <source>Recall: %1.</source>
        <translation>Zapamiętywanie: %1.</translation>
    </message>
    <message>
        <source>No word is hidden.</source>
        <translation>Żadne słowo nie jest ukryte.</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message>
        <source>Marked. %1 Next: %2</source>
        <translation>Oznaczono. %1 Następne: %2</translation>
    </message>
    <message>
        <source>All marks cleared. %1</source>
        <translation>Usunięto wszystkie oznaczenia. %1</translation>
    </message>
    <message>
        <source>Undone. %1</source>
        <translation>Cofnięto. %1</translation>
    </message>
    <message>
        <source>%1 Prompt: %2</source>
        <translation>%1 Hasło: %2</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n sentence(s). Next: %2</source>
        <translation>
            <numerusform>Otwarto %1: %n zdanie. Następne: %2</numerusform>
            <numerusform>Otwarto %1: %n zdania. Następne: %2</numerusform>
            <numerusform>Otwarto %1: %n zdań. Następne: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2Next: %3</source>
        <translation>%1 %2Następne: %3</translation>
    </message>
    <message>
        <source>At Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Review Due Sentences</source>
        <translation>Powtarzaj zaległe zdania</translation>
    </message>
    <message>
        <source>In Text Order</source>
        <translation>W kolejności tekstu</translation>
    </message>
    <message>
        <source>Order: %1.</source>
        <translation>Kolejność: %1.</translation>
    </message>
    <message>
        <source>Whole sentence shown.</source>
        <translation>Całe zdanie widoczne.</translation>
    </message>
    <message>
        <source>Every other word hidden.</source>
        <translation>Co drugie słowo ukryte.</translation>
    </message>
    <message>
        <source>First letters only.</source>
        <translation>Tylko pierwsze litery.</translation>
    </message>
    <message>
        <source>From memory.</source>
        <translation>Z pamięci.</translation>
    </message>
    <message>
        <source>Learning steps last for this run only.</source>
        <translation>Etapy nauki obowiązują tylko w tym uruchomieniu.</translation>
    </message>
    <message>
        <source>Listen and Type</source>
        <translation>Słuchaj i pisz</translation>
    </message>
    <message>
        <source>Listen and type.</source>
        <translation>Słuchaj i pisz.</translation>
    </message>
    <message>
        <source>Listen and type. F10 says it again.</source>
        <translation>Słuchaj i pisz. F10 powtarza.</translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>%1 keys per minute</source>
        <translation>znaki na minutę: %1</translation>
    </message>
    <message>
        <source>Sentence to type</source>
        <translation>Zdanie do wpisania</translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation>Wpisany tekst</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Max Speed: </source>
        <translation>Najlepsze tempo: </translation>
    </message>
    <message>
        <source>Current Speed:</source>
        <translation>Bieżące tempo:</translation>
    </message>
    <message>
        <source>Best speed in keys per minute</source>
        <translation>Najlepsze tempo w znakach na minutę</translation>
    </message>
    <message>
        <source>Current speed in keys per minute</source>
        <translation>Bieżące tempo w znakach na minutę</translation>
    </message>
    <message>
        <source>Keys/min</source>
        <translation>Znaki/min</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Najlepsze tempo</translation>
    </message>
    <message>
        <source>Current speed</source>
        <translation>Bieżące tempo</translation>
    </message>
    <message>
        <source>Sentences due for review, and new</source>
        <translation>Zdania do powtórki i nowe</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 is %2; export to another file.</source>
        <translation>%1 to %2; wyeksportuj do innego pliku.</translation>
    </message>
    <message>
        <source>the sentence file open in dru</source>
        <translation>plik zdań otwarty w dru</translation>
    </message>
    <message>
        <source>dru&apos;s settings file</source>
        <translation>plik ustawień dru</translation>
    </message>
    <message>
        <source>dru&apos;s history</source>
        <translation>historia dru</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open a TXT file that contains records ..</source>
        <translation>Otwórz plik TXT ze zdaniami ..</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Import a Text or Phrase List</source>
        <translation>Importuj tekst lub listę zwrotów</translation>
    </message>
    <message>
        <source>Texts and Phrase Lists (*.txt *.csv *.tsv)</source>
        <translation>Teksty i listy zwrotów (*.txt *.csv *.tsv)</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history was damaged; it was moved aside as %1 and a new one started.</source>
        <translation>Historia była uszkodzona; odłożono ją jako %1 i rozpoczęto nową.</translation>
    </message>
    <message>
        <source>%1 was written by a newer dru and is only read</source>
        <translation>%1 został zapisany przez nowszą wersję dru i jest tylko odczytywany</translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation>Historia jest wyłączona.</translation>
    </message>
    <message>
        <source>History is off: %1.</source>
        <translation>Historia jest wyłączona: %1.</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside: %2</source>
        <translation>%1 jest uszkodzony i nie można go odłożyć: %2</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; dru left it as it is and keeps no history until it is moved away</source>
        <translation>%1 to baza danych innego programu; dru zostawił ją bez zmian i nie prowadzi historii, dopóki nie zostanie przeniesiona</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; no backup is whole.</source>
        <translation>Historia jest uszkodzona (%1) i nie została zarchiwizowana; żadna kopia zapasowa nie jest cała.</translation>
    </message>
    <message>
        <source>The history is damaged (%1) and was not backed up; whole backups: %2.</source>
        <translation>Historia jest uszkodzona (%1) i nie została zarchiwizowana; całe kopie zapasowe: %2.</translation>
    </message>
    <message>
        <source>Backups dated after today are kept but not counted: %1.</source>
        <translation>Kopie zapasowe z datą późniejszą niż dziś są zachowane, ale nie liczą się: %1.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>This file is too large to bring in: the limit is %1 MB.</source>
        <translation>Ten plik jest za duży do importu: limit to %1 MB.</translation>
    </message>
    <message numerus="yes">
        <source>%n empty note(s) dropped</source>
        <translation>
            <numerusform>%n pusta notatka pominięta</numerusform>
            <numerusform>%n puste notatki pominięte</numerusform>
            <numerusform>%n pustych notatek pominiętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) with more than two fields: only the first two kept</source>
        <translation>
            <numerusform>%n notatka z więcej niż dwoma polami: zachowano tylko dwa pierwsze</numerusform>
            <numerusform>%n notatki z więcej niż dwoma polami: zachowano tylko dwa pierwsze</numerusform>
            <numerusform>%n notatek z więcej niż dwoma polami: zachowano tylko dwa pierwsze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n empty row(s) dropped</source>
        <translation>
            <numerusform>%n pusty wiersz pominięty</numerusform>
            <numerusform>%n puste wiersze pominięte</numerusform>
            <numerusform>%n pustych wierszy pominiętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) with more than two columns: only the first two kept</source>
        <translation>
            <numerusform>%n wiersz z więcej niż dwiema kolumnami: zachowano tylko dwie pierwsze</numerusform>
            <numerusform>%n wiersze z więcej niż dwiema kolumnami: zachowano tylko dwie pierwsze</numerusform>
            <numerusform>%n wierszy z więcej niż dwiema kolumnami: zachowano tylko dwie pierwsze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n TAB(s) inside a field became spaces</source>
        <translation>
            <numerusform>%n tabulator w polu zamieniono na spację</numerusform>
            <numerusform>%n tabulatory w polach zamieniono na spacje</numerusform>
            <numerusform>%n tabulatorów w polach zamieniono na spacje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) began with &apos;*&apos;, which marks a line learned: taken off</source>
        <translation>
            <numerusform>%n wiersz zaczynał się od „*”, który oznacza wiersz jako nauczony: usunięto</numerusform>
            <numerusform>%n wiersze zaczynały się od „*”, który oznacza wiersz jako nauczony: usunięto</numerusform>
            <numerusform>%n wierszy zaczynało się od „*”, który oznacza wiersz jako nauczony: usunięto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) longer than %1 characters: the display shows them a part at a time</source>
        <translation>
            <numerusform>%n zdanie dłuższe niż %1 znaków: wyświetlane jest po kawałku</numerusform>
            <numerusform>%n zdania dłuższe niż %1 znaków: wyświetlane są po kawałku</numerusform>
            <numerusform>%n zdań dłuższych niż %1 znaków: wyświetlane są po kawałku</numerusform>
        </translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>To nie jest plik tekstowy.</translation>
    </message>
    <message>
        <source>The text is not UTF-8; it was read as Windows-1252.</source>
        <translation>Tekst nie jest w UTF-8; odczytano go jako Windows-1252.</translation>
    </message>
    <message>
        <source>There is nothing to learn in this text.</source>
        <translation>W tym tekście nie ma nic do nauki.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>New from Text</source>
        <translation>Nowy z tekstu</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>Z: %1</translation>
    </message>
    <message>
        <source>Paste or type the text to learn here.</source>
        <translation>Wklej lub wpisz tutaj tekst do nauki.</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Tekst:</translation>
    </message>
    <message>
        <source>&amp;One sentence per line</source>
        <translation>&amp;Jedno zdanie w wierszu</translation>
    </message>
    <message>
        <source>&amp;Keep the lines</source>
        <translation>Zachowaj &amp;wiersze</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>J&amp;ęzyk:</translation>
    </message>
    <message>
        <source>Cutting the text</source>
        <translation>Dzielenie tekstu</translation>
    </message>
    <message>
        <source>Stop c&amp;utting</source>
        <translation>Zat&amp;rzymaj dzielenie</translation>
    </message>
    <message>
        <source>Stopped. Change the text or the cut to try again.</source>
        <translation>Zatrzymano. Zmień tekst lub sposób podziału, aby spróbować ponownie.</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Zdanie</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>&amp;Preview:</source>
        <translation>&amp;Podgląd:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s)</source>
        <translation>
            <numerusform>%n zdanie</numerusform>
            <numerusform>%n zdania</numerusform>
            <numerusform>%n zdań</numerusform>
        </translation>
    </message>
    <message>
        <source>The text has not been saved. Close the window all the same?</source>
        <translation>Tekst nie został zapisany. Zamknąć okno mimo to?</translation>
    </message>
    <message>
        <source>The first row holds column &amp;names</source>
        <translation>Pierwszy wiersz zawiera &amp;nazwy kolumn</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s); the first %1 are shown.</source>
        <translation>
            <numerusform>%n zdanie; pokazano pierwsze %1.</numerusform>
            <numerusform>%n zdania; pokazano pierwsze %1.</numerusform>
            <numerusform>%n zdań; pokazano pierwsze %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s) without a second field (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n notatka bez drugiego pola zostaje bez podpowiedzi</numerusform>
            <numerusform>%n notatki bez drugiego pola zostają bez podpowiedzi</numerusform>
            <numerusform>%n notatek bez drugiego pola zostaje bez podpowiedzi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) without a second column (is|are) kept without a prompt</source>
        <translation>
            <numerusform>%n wiersz bez drugiej kolumny zostaje bez podpowiedzi</numerusform>
            <numerusform>%n wiersze bez drugiej kolumny zostają bez podpowiedzi</numerusform>
            <numerusform>%n wierszy bez drugiej kolumny zostaje bez podpowiedzi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Instance</name>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder of the user&apos;s own with mode 0700</source>
        <translation>%1 nie jest własnym folderem użytkownika z uprawnieniami 0700</translation>
    </message>
    <message>
        <source>%1 is not dru&apos;s lock file</source>
        <translation>%1 nie jest plikiem blokady dru</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>Nie można zablokować %1: %2</translation>
    </message>
    <message>
        <source>dru cannot tell whether it runs already, and runs alone: %1.</source>
        <translation>dru nie może sprawdzić, czy już działa, i działa osobno: %1.</translation>
    </message>
    <message>
        <source>the running dru could not be reached at %1; %2 was not opened</source>
        <translation>nie udało się połączyć z działającym dru pod %1; %2 nie został otwarty</translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nieprawidłowa nazwa pliku</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zbyt wiele otwartych plików</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Odmowa dostępu do pliku</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Dysk pełny</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Nieprawidłowe dane liczbowe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Błąd we/wy %1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 %2; it was not written</source>
        <translation>%1 %2; nie został zapisany</translation>
    </message>
    <message>
        <source>%1 is %2 text; dru reads UTF-8 and Windows-1252 files</source>
        <translation>%1 to tekst %2; dru czyta pliki UTF-8 i Windows-1252</translation>
    </message>
    <message>
        <source>is a link that another user made</source>
        <translation>jest dowiązaniem utworzonym przez innego użytkownika</translation>
    </message>
    <message>
        <source>leads to a file that is not the user&apos;s own</source>
        <translation>prowadzi do pliku, który nie należy do użytkownika</translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>File › Open chooses a sentence file; examples are in %1.</source>
        <translation>Plik › Otwórz wybiera plik ze zdaniami; przykłady są w %1.</translation>
    </message>
    <message>
        <source>Another program had changed the sentence file when dru was ended; your marks were saved in %1.</source>
        <translation>Inny program zmienił plik zdań, gdy dru był zamykany; Twoje oznaczenia zapisano w %1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Clear All Marks</source>
        <translation>&amp;Usuń wszystkie oznaczenia</translation>
    </message>
    <message>
        <source>&amp;Mark Ready</source>
        <translation>&amp;Oznacz jako nauczone</translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation>Poprzednie zdanie</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Sound Effect</source>
        <translation>Efekty &amp;dźwiękowe</translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation>&amp;Rozróżniaj wielkość liter</translation>
    </message>
    <message>
        <source>Show &amp;Mistakes</source>
        <translation>Pokazuj &amp;błędy</translation>
    </message>
    <message>
        <source>&amp;Review Due Sentences</source>
        <translation>&amp;Powtarzaj zaległe zdania</translation>
    </message>
    <message>
        <source>Mark &amp;While Typing</source>
        <translation>&amp;Oznaczaj podczas pisania</translation>
    </message>
    <message>
        <source>Rec&amp;all</source>
        <translation>&amp;Zapamiętywanie</translation>
    </message>
    <message>
        <source>Show &amp;Whole Sentence</source>
        <translation>Pokaż &amp;całe zdanie</translation>
    </message>
    <message>
        <source>&amp;Fade as You Learn</source>
        <translation>&amp;Wygaszaj w miarę nauki</translation>
    </message>
    <message>
        <source>Hide &amp;Every Other Word</source>
        <translation>&amp;Ukryj co drugie słowo</translation>
    </message>
    <message>
        <source>First &amp;Letters Only</source>
        <translation>Tylko &amp;pierwsze litery</translation>
    </message>
    <message>
        <source>&amp;Prompt Only</source>
        <translation>Tylko &amp;hasło</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>Postęp&amp;y...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Or&amp;der</source>
        <translation>&amp;Kolejność</translation>
    </message>
    <message>
        <source>At &amp;Random</source>
        <translation>&amp;Losowo</translation>
    </message>
    <message>
        <source>In &amp;Text Order</source>
        <translation>W kolejności &amp;tekstu</translation>
    </message>
    <message>
        <source>Spea&amp;k After Enter</source>
        <translation>&amp;Czytaj na głos po Enter</translation>
    </message>
    <message>
        <source>Listen and &amp;Type</source>
        <translation>&amp;Słuchaj i pisz</translation>
    </message>
    <message>
        <source>Say A&amp;gain</source>
        <translation>Powtó&amp;rz</translation>
    </message>
    <message>
        <source>&amp;Voice...</source>
        <translation>&amp;Głos...</translation>
    </message>
    <message>
        <source>New from &amp;Text...</source>
        <translation>Nowy z &amp;tekstu...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importuj...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not enough memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>: typed “%1” expected “%2”</source>
        <translation>: wpisano „%1”, oczekiwano „%2”</translation>
    </message>
    <message>
        <source>Typed: %1&lt;br&gt;Expected: %2</source>
        <translation>Wpisano: %1&lt;br&gt;Oczekiwano: %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress</source>
        <translation>Postępy</translation>
    </message>
    <message>
        <source>&amp;Every day, not only the last 30</source>
        <translation>&amp;Każdy dzień, nie tylko ostatnie 30</translation>
    </message>
    <message>
        <source>Hardest first</source>
        <translation>Najtrudniejsze najpierw</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>&amp;Sortuj według:</translation>
    </message>
    <message>
        <source>&amp;Reverse order</source>
        <translation>&amp;Odwrotna kolejność</translation>
    </message>
    <message>
        <source>&amp;Sentences no longer in the file</source>
        <translation>&amp;Zdania, których nie ma już w pliku</translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation>Eksportuj jako &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Forget History of This File...</source>
        <translation>Za&amp;pomnij historię tego pliku...</translation>
    </message>
    <message>
        <source>Sentences, hardest first</source>
        <translation>Zdania, najtrudniejsze najpierw</translation>
    </message>
    <message>
        <source>Sentences, by %1</source>
        <translation>Zdania według: %1</translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation>%1, odwrotnie</translation>
    </message>
    <message>
        <source>Progress — %1</source>
        <translation>Postępy — %1</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n odpowiedź</numerusform>
            <numerusform>%n odpowiedzi</numerusform>
            <numerusform>%n odpowiedzi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Known by heart: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Znane na pamięć: %1 z %n zdania.</numerusform>
            <numerusform> Znane na pamięć: %1 z %n zdań.</numerusform>
            <numerusform> Znane na pamięć: %1 z %n zdań.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Eksportuj jako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 was not exported: %2</source>
        <translation>%1 nie został wyeksportowany: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) exported to %1.</source>
        <translation>
            <numerusform>Wyeksportowano %n zdanie do %1.</numerusform>
            <numerusform>Wyeksportowano %n zdania do %1.</numerusform>
            <numerusform>Wyeksportowano %n zdań do %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %n answer(s) given on %1?</source>
        <translation>
            <numerusform>Zapomnieć %n odpowiedź udzieloną w %1?</numerusform>
            <numerusform>Zapomnieć %n odpowiedzi udzielone w %1?</numerusform>
            <numerusform>Zapomnieć %n odpowiedzi udzielonych w %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forgotten: the %n answer(s) given on %1.</source>
        <translation>
            <numerusform>Zapomniano %n odpowiedź udzieloną w %1.</numerusform>
            <numerusform>Zapomniano %n odpowiedzi udzielone w %1.</numerusform>
            <numerusform>Zapomniano %n odpowiedzi udzielonych w %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today: %1, %n correct, %2 typing. Best speed on this file: %3 keys per minute.</source>
        <translation>
            <numerusform>Dziś: %1, poprawnych: %n, pisanie: %2. Najlepsze tempo w tym pliku (znaki na minutę): %3.</numerusform>
            <numerusform>Dziś: %1, poprawnych: %n, pisanie: %2. Najlepsze tempo w tym pliku (znaki na minutę): %3.</numerusform>
            <numerusform>Dziś: %1, poprawnych: %n, pisanie: %2. Najlepsze tempo w tym pliku (znaki na minutę): %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Learned today: %1 of %n sentence(s).</source>
        <translation>
            <numerusform> Nauczone dziś: %1 z %n zdania.</numerusform>
            <numerusform> Nauczone dziś: %1 z %n zdań.</numerusform>
            <numerusform> Nauczone dziś: %1 z %n zdań.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressOrder</name>
    <message>
        <source>sentence</source>
        <translation>zdanie</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>wpisane</translation>
    </message>
    <message>
        <source>correct</source>
        <translation>poprawne</translation>
    </message>
    <message>
        <source>best speed</source>
        <translation>rekord</translation>
    </message>
    <message>
        <source>last typed</source>
        <translation>ostatnio wpisane</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>oznaczone</translation>
    </message>
    <message>
        <source>recall</source>
        <translation>pamięć</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>następna powtórka</translation>
    </message>
    <message>
        <source>level</source>
        <translation>poziom</translation>
    </message>
    <message>
        <source>last grade</source>
        <translation>ostatniej ocenie</translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Sentence</source>
        <translation>Zdanie</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Wpisane</translation>
    </message>
    <message>
        <source>Correct (%)</source>
        <translation>Poprawne (%)</translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Last typed</source>
        <translation>Ostatnio</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>Oznaczone</translation>
    </message>
    <message>
        <source>Recall (%)</source>
        <translation>Pamięć (%)</translation>
    </message>
    <message>
        <source>Next review</source>
        <translation>Powtórka</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Poprawne</translation>
    </message>
    <message>
        <source>Recall</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>ponów</translation>
    </message>
    <message>
        <source>now</source>
        <translation>teraz</translation>
    </message>
    <message>
        <source>known</source>
        <translation>znane</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Last grade</source>
        <translation>Ostatnia ocena</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ponownie</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudne</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwe</translation>
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
        <translation>luka</translation>
    </message>
    <message>
        <source>whole sentence</source>
        <translation>całe zdanie</translation>
    </message>
    <message>
        <source>every other word</source>
        <translation>co drugie słowo</translation>
    </message>
    <message>
        <source>first letters</source>
        <translation>pierwsze litery</translation>
    </message>
    <message>
        <source>prompt only</source>
        <translation>tylko hasło</translation>
    </message>
    <message>
        <source>listening</source>
        <translation>słuchanie</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać do %1</translation>
    </message>
    <message>
        <source>%1 cannot remember the name %2, which holds a line break; rename the file to have it opened next time</source>
        <translation>%1 nie może zapamiętać nazwy %2, która zawiera znak nowego wiersza; zmień nazwę pliku, aby został otwarty następnym razem</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Speech is not available: %1</source>
        <translation>Mowa jest niedostępna: %1</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Correct.</source>
        <translation>Dobrze.</translation>
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
        <translation>Użycie: dru [PLIK]
        dru --help | --version
Nauka zdań przez ich pisanie.

dru otwiera PLIK, a w przeciwnym razie plik zdań zapamiętany w dru.ini
w folderze, z którego go uruchomiono, albo tamtejszy Default.dat; Plik,
Otwórz wybiera inny. Gdy dru już działa, PLIK zostaje otwarty w działającym
dru, które przechodzi na pierwszy plan, a to uruchomienie się kończy.
Zobacz dru(1).

  --help     wyświetl tę pomoc i zakończ
  --version  wyświetl wersję i zakończ
</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>Voice</source>
        <translation>Głos</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The interface&apos;s language</source>
        <translation>Język interfejsu</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Głos:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>The language&apos;s first</source>
        <translation>Pierwszy w języku</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>dru - Sentence Typing Drill</source>
        <translation>dru - Nauka zdań przez pisanie</translation>
    </message>
</context>
</TS>
