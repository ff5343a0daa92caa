<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>About</name>
    <message>
        <source>About This Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the dru team, 2026.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>No answers yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No correct answers yet; %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Median speed %1 keys per minute over %n day(s); %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed rose from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Median speed fell from %1 to %2 keys per minute over %n day(s); %3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Progress chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answers yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>median %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% correct</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>Mark Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All Marks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>The current file has been changed. Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only: marks stay until you save a copy with File › Save As.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the last sentence that unmarked, clear all marks in the file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 has been changed by another program. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been changed by another program; it was not overwritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 exists. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>There are %1 records in the file, %2 marked ready ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time  %1 : %2 : %3  have been elasped ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct, %1 keys per minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: typed %2 expected %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case sensitive on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case sensitive off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show mistakes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show mistakes off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review due sentences on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review due sentences off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark while typing on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark while typing off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 due · %2 new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 due, %2 new.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No File is opened ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an empty text file, open another Please ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source>Show Whole Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade as You Learn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Every Other Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Letters Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word is hidden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked. %1 Next: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All marks cleared. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Prompt: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n sentence(s). Next: %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2Next: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrillWindow</name>
    <message>
        <source>%1 keys per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentence to type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Speed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best speed in keys per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current speed in keys per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys/min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentences due for review, and new</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 is %2; export to another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sentence file open in dru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dru&apos;s settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dru&apos;s history</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Open a TXT file that contains records ..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The history was damaged; it was moved aside as %1 and a new one started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was written by a newer dru and is only read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History is off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History is off: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be started anew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database; dru left it as it is and keeps no history until it is moved away</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2; it was not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 text; dru reads UTF-8 and Windows-1252 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link that another user made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leads to a file that is not the user&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lifecycle</name>
    <message>
        <source>File › Open chooses a sentence file; examples are in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear All Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case Sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review Due Sentences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;While Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec&amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Whole Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fade as You Learn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide &amp;Every Other Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First &amp;Letters Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prompt Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>: typed “%1” expected “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The typed text differs from character %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed: %1&lt;br&gt;Expected: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n mistake(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Every day, not only the last 30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reverse order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sentences no longer in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forget History of This File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentences, hardest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sentences, by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today: %1, %2 correct, %3 typing. Best speed on this file: %4 keys per minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Known by heart: %1 of %n sentence(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not exported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n sentence(s) exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget the %n answer(s) given on %1?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forgotten: the %n answer(s) given on %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressOrder</name>
    <message>
        <source>sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>best speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressTable</name>
    <message>
        <source>Sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recall</name>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole sentence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every other word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prompt only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot remember the name %2, which holds a line break; rename the file to have it opened next time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Correct.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
